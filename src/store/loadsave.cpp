// Copying a pool between its record and the board.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "players/ledger.h"
#include "players/payments.h"
#include "poolstore.h"
#include "recordmapping.h"
#include "schema.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>

namespace {

// The record set a save goes through. A new pool needs only the table; a
// change needs the pool on show, which a missing record set cannot hold.
PoolRecords &recordsFor(PoolStore &store, bool addNew)
{
    if (!store.records() && !(addNew && store.OpenRecordSet(PoolQuery::all())))
        throw PoolError(ErrorNumber::NoCurrentRecord, kStoreSource,
                        QStringLiteral("No current record."));
    return *store.records();
}

} // namespace

void frmScore::Fill()
{
    PoolRecords *records = m_services.store->records();
    if (!records || records->isEmpty())
        return;
    auto load = [records](const QString &column, auto &&write) {
        const QVariant value = records->Fields(column);
        if (!value.isNull())
            write(value.toString());
    };

    setWindowTitle(QStringLiteral("QUADRIX POOL"));
    for (int i = 0; i < Schema::kHeaderCount; ++i)
        load(Schema::numColumn(i), [&](const QString &v) { Number[i]->setText(v); });
    for (int i = 0; i < Schema::kSquareCount; ++i) {
        load(Schema::imColumn(i), [&](const QString &v) {
            Imput[i]->setText(v);
            m_filledSquares.set(size_t(i));
        });
    }
    // Before anything counts the squares.
    clearSquaresLeftForFill();
    load(QStringLiteral("PoolAmount"), [&](const QString &v) {
        txtPoolAmount->setText(v);
        m_lastGoodAmount = v;
    });
    if (RecordMapping::isTrue(records->Fields(QStringLiteral("Quarter"))))
        Option1[2]->setChecked(true);
    if (RecordMapping::isTrue(records->Fields(QStringLiteral("Game"))))
        Option1[0]->setChecked(true);
    if (RecordMapping::isTrue(records->Fields(QStringLiteral("Half"))))
        Option1[1]->setChecked(true);
    // A long name shows from its start, as the user would type it.
    auto showStart = [](QLineEdit *box, const QString &v) {
        box->setText(v);
        box->setCursorPosition(0);
    };
    for (int q = 1; q <= 4; ++q)
        load(Schema::quarterColumn(q), [&](const QString &v) { showStart(Who[q - 1], v); });
    for (int team = 1; team <= 2; ++team) {
        load(QStringLiteral("Team%1").arg(team), [&](const QString &v) {
            showStart(TeamScore[team - 1], v);
            Combo1[team]->setEditText(v);
            Combo1[team]->lineEdit()->setCursorPosition(0);
        });
    }
    load(QStringLiteral("Score1"), [&](const QString &v) { Score[0]->setText(v); });
    load(QStringLiteral("Score2"), [&](const QString &v) { Score[1]->setText(v); });
    load(Schema::kDate, [&](const QString &v) { txtGameDate->setText(v); });
    // The entry itself is chosen, not only its text: a box whose text differs
    // from its entry takes the text as the user's choice when it loses the
    // focus, which would load the other list and empty the team boxes.
    const QString gameType =
        RecordMapping::selectorText(records->Fields(QStringLiteral("ProCollage")));
    const int entry = Combo1[0]->findText(gameType, Qt::MatchFixedString);
    if (entry >= 0)
        Combo1[0]->setCurrentIndex(entry);
    Combo1[0]->setEditText(gameType);
    load(Schema::kId, [&](const QString &v) { txtID->setText(v); });

    const QVariant password = records->Fields(Schema::kPassword);
    if (!password.isNull() && !password.toString().isEmpty()) {
        Locked = true;
        setWindowTitle(windowTitle() + QStringLiteral("  ") + QStringLiteral("LOCKED"));
        lblLocked->show();
        LockControls();
    }
    txtPoolAmount_LostFocus(true);
    lblStatus->setText(RecordMapping::gameLine(records->Fields(Schema::kDate),
                                               records->Fields(QStringLiteral("Team1")),
                                               records->Fields(QStringLiteral("Team2"))));
    StartUp = false;
    Moveit = false;
}

bool frmScore::Update()
{
    // A date box with nothing or only part of a date in it counts as empty;
    // a date in another order is told how to write it.
    if (!RecordMapping::isWholeDate(txtGameDate->text())) {
        m_services.dialogs->message(
            RecordMapping::isInOtherOrder(txtGameDate->text())
                ? QStringLiteral("Type the game date as month/day/year, for example 12/28/2025.")
                : QStringLiteral(" Game Date Has To Have A Date"));
        return false;
    }
    // A locked pool changes only through UNLOCK, and a board that shows a
    // locked pool is no new pool either.
    if (Locked) {
        m_services.dialogs->message(kLockMessage);
        return false;
    }
    Pb1->show();
    Pb1->setValue(0);
    // A progress bar repaints itself at once on every step, which would cost
    // more than the save itself; its steps are drawn at the next paint.
    Pb1->setUpdatesEnabled(false);
    const auto drawAgain = qScopeGuard([this] { Pb1->setUpdatesEnabled(true); });
    auto step = [this] { Pb1->setValue(Pb1->value() + 10); };

    PoolRecords &records = recordsFor(*m_services.store, mbAddNewFlag);
    if (mbAddNewFlag)
        records.AddNew();
    else
        records.Edit();
    // A changed date is the pool's date from now on, as the board shows it.
    records.setField(Schema::kDate, txtGameDate->text());
    for (int i = 0; i < Schema::kHeaderCount; ++i) {
        const QString column = Schema::numColumn(i);
        records.setField(column, Number[i]->text());
        if (RecordMapping::isProgressStep(column))
            step();
    }
    for (int i = 0; i < Schema::kSquareCount; ++i) {
        const QString column = Schema::imColumn(i);
        records.setField(column, Imput[i]->text());
        if (RecordMapping::isProgressStep(column))
            step();
    }
    records.setField(QStringLiteral("PoolAmount"), txtPoolAmount->text());
    records.setField(QStringLiteral("Quarter"), Option1[2]->isChecked() ? 1 : 0);
    records.setField(QStringLiteral("Game"), Option1[0]->isChecked() ? 1 : 0);
    records.setField(QStringLiteral("Half"), Option1[1]->isChecked() ? 1 : 0);
    for (int q = 1; q <= 4; ++q)
        records.setField(Schema::quarterColumn(q), Who[q - 1]->text());
    step();
    records.setField(QStringLiteral("Team1"), Combo1[1]->currentText());
    records.setField(QStringLiteral("Team2"), Combo1[2]->currentText());
    records.setField(QStringLiteral("Score1"), Score[0]->text());
    records.setField(QStringLiteral("Score2"), Score[1]->text());
    records.setField(QStringLiteral("ProCollage"),
                     RecordMapping::isProGame(Combo1[0]->currentText()) ? 1 : 0);
    const qint64 saved = records.Update();
    step();
    // A name no longer on the board has no payment: a renamed square's
    // player is a new player.
    QSet<QString> players;
    for (const SquareBox *square : Imput)
        players.insert(Ledger::keyOf(square->text()));
    try {
        Payments::keepOnly(m_services.store->database(), saved, players);
    } catch (const PoolError &) {
        // The pool is saved; the next save drops the stale payment.
    }

    // Back to all pools, standing on the one just saved, so that the next
    // Edit and Update change this pool and the moves start from it. Should
    // that fail, no record set is better than one standing on another pool.
    try {
        m_services.store->OpenAllPoolsAt(saved);
    } catch (const PoolError &) {
        m_services.store->CloseRecordSet();
    }
    if (mbAddNewFlag)
        txtID->setText(QString::number(saved));
    Pb1->hide();
    StartUp = false;
    Moveit = false;
    m_changed = false;
    return true;
}
