// Counts, Quick Pick, number draw and winner lookup on the board.
#include "app/dialogs.h"
#include "app/frmScore/frmScore.h"
#include "board/boardrules.h"
#include "board/randomsource.h"
#include "money/money.h"
#include "players/ledger.h"
#include "store/poolerror.h"
#include "store/poolstore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

#include <cmath>

namespace {

QStringList squareTexts(const frmScore &w)
{
    QStringList texts;
    texts.reserve(BoardRules::kSquares);
    for (const SquareBox *square : w.Imput)
        texts << square->text();
    return texts;
}

// The ten header boxes of one axis: 0 for the columns, 10 for the rows.
QStringList headerTexts(const frmScore &w, int first)
{
    QStringList texts;
    for (int i = first; i < first + BoardRules::kDigits; ++i)
        texts << w.Number[i]->text();
    return texts;
}

int headerOf(const frmScore &w, int first, int digit)
{
    return BoardRules::findHeader(headerTexts(w, first), digit).value_or(-1);
}

// Selects the whole text of the control that has the focus, so that typing
// replaces it. A mouse click that brought the focus places the cursor after
// the focus arrives and so clears the selection; the selection is made again
// once that click is handled, unless the user has typed or selected since.
void SelectText()
{
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (!edit)
        return;
    edit->selectAll();
    QMetaObject::invokeMethod(
        edit,
        [edit = QPointer<QLineEdit>(edit), text = edit->text()] {
            if (edit && edit->hasFocus() && edit->text() == text && !edit->hasSelectedText())
                edit->selectAll();
        },
        Qt::QueuedConnection);
}

QString tooManyMessage(int freeSquares)
{
    if (freeSquares == 0)
        return QCoreApplication::translate("frmScore", "No squares are free. The board is full.");
    if (freeSquares == 1)
        return QCoreApplication::translate("frmScore",
                                           "Only 1 square is free. Ask for 1 or fewer.");
    return QCoreApplication::translate("frmScore", "Only %1 squares are free. Ask for %1 or fewer.")
        .arg(freeSquares);
}

} // namespace

// --- Counts ---

void frmScore::AddUm()
{
    const int taken = BoardRules::countTaken(squareTexts(*this));
    lblOpen->setText(QString::number(taken));
    lblLeft->setText(QString::number(BoardRules::kSquares - taken));
}

void frmScore::Imput_LostFocus(int)
{
    AddUm();
}

void frmScore::Score_GotFocus(int)
{
    SelectText();
}

void frmScore::txtPoolAmount_GotFocus()
{
    SelectText();
}

// --- Quick Pick ---

void frmScore::cmdQuick_Click()
{
    Dialogs &dialogs = *m_services.dialogs;
    if (!proceed(PoolDocument::Command::QuickPick))
        return;
    const QString title = tr("QUICK PICK");
    // The players of earlier pools are offered: the same people buy each week.
    QStringList regulars;
    try {
        regulars = Ledger::regularsOf(m_services.store->database());
    } catch (const PoolError &) {
        // Without the offer the name is typed in full.
    }
    const QString name = dialogs.input(tr("What is Your Name?\n\n First,Last or Nickname"), title,
                                       QString(), regulars);
    if (name.isEmpty())
        return;
    const QString answer = dialogs.input(tr("How Many Squares?"), title, QStringLiteral("0"));
    if (answer.isEmpty())
        return;

    // A request that cannot be met would have the picks search for ever for
    // a free square; refuse it before anything changes.
    const std::optional<double> count = Money::read(answer);
    if (!count) {
        dialogs.message(
            tr("\"%1\" is not a number. Type the number of squares, such as 3.").arg(answer));
        return;
    }
    if (*count < 0) {
        dialogs.message(tr("The number of squares cannot be less than 0."));
        return;
    }
    // The player owes for the squares placed, and only whole squares can be.
    if (*count != std::floor(*count)) {
        dialogs.message(tr("Enter a whole number of squares."));
        return;
    }
    const int freeSquares = BoardRules::kSquares - BoardRules::countTaken(squareTexts(*this));
    const int picks = BoardRules::pickCount(*count);
    if (picks > freeSquares) {
        dialogs.message(tooManyMessage(freeSquares));
        return;
    }

    const auto taken = [this](int k) { return BoardRules::isTaken(Imput[k]->text()); };
    for (int k = 0; k < picks; ++k) {
        MyValue = qint16(*BoardRules::drawFreeSquare(*m_services.random, taken));
        Imput[MyValue]->setText(name);
    }

    // The player pays for the squares placed.
    const qint64 perSquare = Money::toCents(Money::read(lblAmountPer->text()).value_or(0.0));
    dialogs.message(name + tr("   Owes   ") +
                    Money::currencyOfCents(Money::times(perSquare, *count)) +
                    tr("   Please Collect the Money Now"));
    AddUm();
}

// --- Number draw ---

void frmScore::Command3_Click()
{
    // Digits drawn on a locked pool that the file did not take are stored
    // again, never drawn anew.
    if (isLocked() && hasUnsavedChanges()) {
        storeDrawOfLockedPool();
        return;
    }
    if (NumbersSet || !proceed(PoolDocument::Command::Draw))
        return;
    if (BoardRules::leadingNumber(lblOpen->text()) < BoardRules::kSquares) {
        const Dialogs::Answer answer = m_services.dialogs->question(
            tr("You Have Unused Squares, Do You Want TO Set The Numbers Anyway? "),
            tr("All Squares Are Not Used!!!"), Dialogs::Icon::Critical, Dialogs::Answer::No);
        if (answer != Dialogs::Answer::Yes)
            return;
    }
    if (!Number[0]->text().isEmpty())
        return; // the board has its digits already

    // Digits typed by hand into the other boxes would count as used while
    // the boxes before them are filled, and a digit could then find no place.
    for (QLineEdit *header : Number)
        header->clear();

    RandomSource &random = *m_services.random;
    for (int i = 0; i < BoardRules::kDigits; ++i) {
        MyValue = qint16(*BoardRules::drawDigit(random, [this](int d) { return IsUsedLower(d); }));
        Number[i]->setText(QString::number(MyValue));
    }
    for (int i = BoardRules::kDigits; i < 2 * BoardRules::kDigits; ++i) {
        MyValue = qint16(*BoardRules::drawDigit(random, [this](int d) { return IsUsedUpper(d); }));
        Number[i]->setText(QString::number(MyValue));
    }
    // The draw's record, so anyone can see when the digits were drawn.
    m_doc->recordDraw(headerTexts(*this, 0).join(QString()) + QLatin1Char('/') +
                      headerTexts(*this, BoardRules::kDigits).join(QString()));
    NumbersSet = true;
    if (isLocked())
        storeDrawOfLockedPool();
}

bool frmScore::IsUsedLower(int num) const
{
    return headerOf(*this, 0, num) >= 0;
}

bool frmScore::IsUsedUpper(int num) const
{
    return headerOf(*this, BoardRules::kDigits, num) >= 0;
}

// --- Winner lookup ---

void frmScore::FindWinner()
{
    if (m_filling)
        return;
    const std::optional<int> square =
        BoardRules::winningSquare(headerTexts(*this, 0), headerTexts(*this, BoardRules::kDigits),
                                  Score[0]->text(), Score[1]->text());
    if (!square)
        return;
    for (std::size_t q = 0; q < Quarter.size(); ++q) {
        if (Quarter[q]->isChecked()) {
            Who[q]->setText(Imput[*square]->text());
            m_doc->recordScores(int(q), Score[0]->text(), Score[1]->text());
            return;
        }
    }
}

// The row, or -1 when no row header holds the digit.
int frmScore::downColum(int dNum) const
{
    return headerOf(*this, BoardRules::kDigits, dNum);
}

// The column, or -1 when no column header holds the digit.
int frmScore::acrossColum(int aNum) const
{
    return headerOf(*this, 0, aNum);
}

void frmScore::Quarter_Click(int index)
{
    if (!proceed(PoolDocument::Command::Lookup))
        return;
    // A quarter has been played once its scores are in, even when nobody
    // bought its winning square and so its winner box stays empty.
    for (int q = 0; q < index; ++q) {
        if (Who[q]->text().isEmpty() && !m_doc->scores()[size_t(q)]) {
            m_services.dialogs->message(tr(" You Left A Quarter Blank"));
            return;
        }
    }
    FindWinner();
}

void frmScore::Score_Change(int)
{
    if (m_filling || !proceed(PoolDocument::Command::Score))
        return;
    FindWinner();
}
