// Pool amount, amount per square and payout.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "money.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

double amountOf(const QString &text)
{
    return Money::read(text).value_or(0.0);
}

} // namespace

void frmScore::txtPoolAmount_LostFocus(bool fromLoad)
{
    if (Locked && !StartUp) {
        m_services.dialogs->message(kLockMessage);
        return;
    }
    const QLocale locale = Money::userLocale();
    std::optional<double> amount = Money::read(txtPoolAmount->text(), locale);
    if (!amount) {
        if (!fromLoad) {
            // Keep the figures the user last saw rather than guessing.
            m_services.dialogs->message(
                QStringLiteral("The pool amount must be a number, such as 250 or 1,000.00."));
            txtPoolAmount->setText(m_lastGoodAmount);
            return;
        }
        amount = 0.0; // a stored amount that is not a number counts as none
    }
    // The pool counts in whole cents, as the "0.00" text of it reads.
    const double pool = amountOf(Money::plain(*amount, locale));
    lblAmountPer->setText(Money::currency(pool / 100.0, locale));
    txtPoolAmount->setText(Money::currency(pool, locale));
    m_lastGoodAmount = txtPoolAmount->text();
    AddUm();
    Payout();
}

void frmScore::Payout()
{
    if (Locked && !StartUp) {
        m_services.dialogs->message(kLockMessage);
        return;
    }
    const QLocale locale = Money::userLocale();
    const double pool = amountOf(txtPoolAmount->text());
    double payout = pool;
    if (Option1[2]->isChecked()) {
        payout = pool / 4.0;
        Label6[4]->setText(QStringLiteral("PayOut Per Quarter"));
    } else if (Option1[1]->isChecked()) {
        payout = pool / 2.0;
        Label6[4]->setText(QStringLiteral("PayOut Per Half"));
    } else {
        Label6[4]->setText(QStringLiteral("PayOut Game"));
    }
    lblPayOut->setText(Money::currency(payout, locale));
}

void frmScore::Option1_Click(int)
{
    if (Locked && !StartUp) {
        m_services.dialogs->message(kLockMessage);
        return;
    }
    Payout();
}
