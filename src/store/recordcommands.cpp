// The record commands: add, edit, save, cancel, delete and the four moves.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "money/money.h"
#include "poolstore.h"
#include "recordmapping.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

namespace {

PoolRecords &current(PoolStore &store)
{
    if (!store.records())
        throw PoolError(ErrorNumber::NoCurrentRecord, kStoreSource,
                        QStringLiteral("No current record."));
    return *store.records();
}

} // namespace

void frmScore::SetBrowseMode(bool browse)
{
    m_editing = !browse;
    cmdAdd->setVisible(browse);
    cmdUpdate->setVisible(!browse);
    cmdCancel->setVisible(!browse);
    cmdEdit->setVisible(browse);
    cmdDelete->setVisible(browse);
    cmdNext->setEnabled(browse);
    cmdFirst->setEnabled(browse);
    cmdLast->setEnabled(browse);
    cmdPrevious->setEnabled(browse);
}

void frmScore::ClearBoard()
{
    m_changed = false;
    for (QLineEdit *header : Number)
        header->setText(QString());
    if (!m_squaresLeftForFill) {
        for (SquareBox *square : Imput)
            square->setText(QString());
    }
    for (QLineEdit *winner : Who)
        winner->setText(QString());
    Combo1[1]->setEditText(QString());
    Combo1[2]->setEditText(QString());
    TeamScore[0]->setText(QString());
    TeamScore[1]->setText(QString());
    Score[0]->setText(QString());
    Score[1]->setText(QString());
    Text1->setText(QString());
    Text2->setText(QString());
    txtID->setText(QString());
    lblOpen->setText(QStringLiteral("000"));
    lblLeft->setText(QStringLiteral("000"));
    txtPoolAmount->setText(Money::clearedAmount());
    m_lastGoodAmount = txtPoolAmount->text();
    // The figures, the title and the game line describe the board on show:
    // nothing of the pool shown before may be charged or named.
    lblAmountPer->setText(Money::currencyOfCents(0));
    lblPayOut->setText(Money::currencyOfCents(0));
    fitFigures();
    setWindowTitle(windowTitle().remove(QStringLiteral("  LOCKED")));
    lblStatus->clear();
    Text1->hide();
    lblAgain->hide();
    lblLocked->hide();
    Locked = false;
    UnlockControls();
    NumbersSet = false;
}

void frmScore::clearSquaresLeftForFill()
{
    if (!m_squaresLeftForFill)
        return;
    m_squaresLeftForFill = false;
    for (int k = 0; k < 100; ++k)
        if (!m_filledSquares[k])
            Imput[k]->setText(QString());
}

void frmScore::reloadQuietly()
{
    // The handlers that loading fires must neither warn about a lock nor
    // look up winners while the program itself fills the board.
    Moveit = true;
    StartUp = true;
    const auto settle = qScopeGuard([this] {
        clearSquaresLeftForFill(); // when no pool was loaded, or the load failed
        StartUp = false;
        Moveit = false;
    });
    // The squares a load fills are written once, not cleared first; Fill
    // clears the others.
    m_filledSquares.reset();
    m_squaresLeftForFill = true;
    ClearBoard();
    // With no pool to show (none found, the last one deleted) the board
    // stays cleared.
    const PoolRecords *records = m_services.store->records();
    if (records && records->hasCurrent())
        Fill();
}

void frmScore::cmdAdd_Click()
{
    if (Locked) {
        m_services.dialogs->message(kLockMessage);
        return;
    }
    if (!mayReplaceBoard())
        return;
    try {
        ClearBoard();
        lblStatus->setText(QStringLiteral("Add record"));
        txtGameDate->setText(RecordMapping::dateText(QDate::currentDate()));
        mbAddNewFlag = true;
        SetBrowseMode(false);
        txtGameDate->setFocus(Qt::OtherFocusReason); // where the user types next
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
    }
}

void frmScore::cmdEdit_Click()
{
    if (Locked) {
        m_services.dialogs->message(kLockMessage);
        return;
    }
    lblStatus->setText(QStringLiteral("Edit record"));
    mbAddNewFlag = false;
    SetBrowseMode(false);
}

void frmScore::cmdUpdate_Click()
{
    // A refused or failed save stays in editing, so nothing typed is lost
    // and nothing else can be saved into another pool; the user gives what
    // was missing and saves again, or cancels.
    saveChanges();
}

void frmScore::cmdCancel_Click()
{
    PoolRecords *records = m_services.store->records();
    if (records)
        records->Cancel();
    SetBrowseMode(true);
    // Show the stored pool again, so that nothing cancelled can later be
    // saved into it; with no pool to show, the cleared board.
    try {
        reloadQuietly();
    } catch (const PoolError &) {
        // Cancel always ends in browsing.
    }
}

void frmScore::cmdDelete_Click()
{
    if (Locked) {
        m_services.dialogs->message(kLockMessage);
        return;
    }
    const PoolRecords *shown = m_services.store->records();
    if (!shown || !shown->hasCurrent()) {
        m_services.dialogs->message(QStringLiteral("No current record."));
        return;
    }
    // One click must not remove a pool for good. Changes to it are asked
    // about only once it is certain to go, so that a delete the user takes
    // back leaves them as they were.
    if (!m_services.dialogs->confirm(
            QStringLiteral("Delete the pool of %1, %2 VS %3? This "
                           "cannot be undone.")
                .arg(txtGameDate->text(), Combo1[1]->currentText(), Combo1[2]->currentText())) ||
        !mayReplaceBoard())
        return;
    try {
        PoolRecords &records = current(*m_services.store);
        records.Delete();
        // Show the next pool, or the previous one when the last went.
        records.MoveNext();
        if (records.atEOF())
            records.MovePrevious();
        reloadQuietly();
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
    }
}

void frmScore::moveRecord(void (PoolRecords::*step)(), void (PoolRecords::*correction)(),
                          bool (PoolRecords::*overrun)() const, bool report)
{
    // With no pool to go to the board stays, and so does what was typed on it.
    PoolRecords *records = m_services.store->records();
    if (!records || records->isEmpty()) {
        if (report)
            m_services.dialogs->message(QStringLiteral("No current record."));
        return;
    }
    if (!mayReplaceBoard())
        return;
    try {
        PoolRecords &records = current(*m_services.store);
        (records.*step)();
        if (correction && (records.*overrun)())
            (records.*correction)();
        reloadQuietly();
    } catch (const PoolError &error) {
        if (report)
            m_services.dialogs->message(error.description());
    }
}

void frmScore::cmdFirst_Click()
{
    moveRecord(&PoolRecords::MoveFirst, nullptr, nullptr, true);
}
void frmScore::cmdLast_Click()
{
    moveRecord(&PoolRecords::MoveLast, nullptr, nullptr, true);
}
void frmScore::cmdNext_Click()
{
    moveRecord(&PoolRecords::MoveNext, &PoolRecords::MovePrevious, &PoolRecords::atEOF, false);
}
void frmScore::cmdPrevious_Click()
{
    moveRecord(&PoolRecords::MovePrevious, &PoolRecords::MoveNext, &PoolRecords::atBOF, false);
}
