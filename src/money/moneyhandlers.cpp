// Pool amount, amount per square and payout.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "money.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

namespace {

// Shrinks a figure's font, from the one the layout gave it, until the whole
// figure fits its box: a cut-off "0.000,00 €" reads as zero.
void fitToBox(QWidget *box, const QString &text)
{
    const char *kDesigned = "quadrixDesignedFont";
    if (!box->property(kDesigned).isValid())
        box->setProperty(kDesigned, box->font());
    QFont font = box->property(kDesigned).value<QFont>();
    // A line edit keeps its frame and a margin of 2 pixels on each side, and
    // room for the caret after the last figure.
    int room = box->contentsRect().width();
    if (qobject_cast<QLineEdit *>(box))
        room -= 2 * (box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) + 2) + 2;
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    box->setFont(font);
}

} // namespace

void frmScore::fitFigures()
{
    fitToBox(txtPoolAmount, txtPoolAmount->text());
    fitToBox(lblAmountPer, lblAmountPer->text());
    fitToBox(lblPayOut, lblPayOut->text());
}

void frmScore::txtPoolAmount_LostFocus(bool fromLoad)
{
    if (!m_filling && !proceed(PoolDocument::Command::Amount))
        return;
    const QLocale locale = Money::userLocale();
    const QString text = txtPoolAmount->text();
    const std::optional<double> amount = Money::poolAmount(text, locale);
    if (!amount) {
        // A stored amount that cannot be read stays exactly as stored, so that
        // a save does not write a figure over it; it counts as none. A load
        // never shows a message, and neither does leaving it unchanged.
        if (!fromLoad && !m_filling && text != m_lastGoodAmount) {
            // Keep the figures the user last saw rather than guessing.
            m_services.dialogs->message(
                tr("The pool amount must be a number of 0 or more, such as %1.")
                    .arg(Money::examples(locale)));
            txtPoolAmount->setText(m_lastGoodAmount);
            fitFigures();
            return;
        }
        m_lastGoodAmount = text;
        lblAmountPer->setText(Money::currencyOfCents(0, locale));
        AddUm();
        Payout();
        return;
    }
    // The pool counts in whole cents, as the "0.00" text of it reads.
    const qint64 pool = Money::toCents(*amount);
    lblAmountPer->setText(Money::currencyOfCents(Money::share(pool, 100), locale));
    txtPoolAmount->setText(Money::currencyOfCents(pool, locale));
    m_lastGoodAmount = txtPoolAmount->text();
    AddUm();
    Payout();
}

void frmScore::Payout()
{
    if (!m_filling && !proceed(PoolDocument::Command::Period))
        return;
    const bool perQuarter = Option1[2]->isChecked(), perHalf = Option1[1]->isChecked();
    Label6[4]->setText(perQuarter ? tr("PayOut Per Quarter")
                       : perHalf  ? tr("PayOut Per Half")
                                  : tr("PayOut Game"));
    const qint64 payout =
        Money::payout(Money::poolCents(txtPoolAmount->text()), perQuarter, perHalf);
    lblPayOut->setText(Money::currencyOfCents(payout));
    fitFigures();
}

void frmScore::Option1_Click(int index)
{
    if (!m_filling)
        m_doc->choosePeriodOption(index);
    Payout();
}
