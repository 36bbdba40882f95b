// The record commands: add, edit, save, cancel, delete and the four moves.
// Each asks the document first; the board shows what the document holds.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "money/money.h"
#include "recordmapping.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QToolButton>

using Command = PoolDocument::Command;

void frmScore::SetBrowseMode(bool browse)
{
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
    const QScopedValueRollback<bool> quiet(m_filling, true);
    for (QLineEdit *header : Number)
        header->setText(QString());
    for (SquareBox *square : Imput)
        square->setText(QString());
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
    setWindowTitle(windowTitle().remove(tr("  LOCKED")));
    lblStatus->clear();
    Text1->hide();
    lblAgain->hide();
    showLock();
    NumbersSet = false;
}

void frmScore::cmdAdd_Click()
{
    if (!proceed(Command::Add))
        return;
    m_doc->beginAdd();
    ClearBoard();
    lblStatus->setText(tr("Add record"));
    txtGameDate->setText(RecordMapping::dateText(QDate::currentDate()));
    Quarter[0]->setChecked(true); // a new game starts at its first quarter
    // Nothing is typed into the new pool yet.
    m_doc->setShownBoard(boardPool());
    showMode();
    txtGameDate->setFocus(Qt::OtherFocusReason); // where the user types next
}

void frmScore::cmdEdit_Click()
{
    if (!proceed(Command::Edit))
        return;
    m_doc->beginEdit();
    lblStatus->setText(tr("Edit record"));
    showMode();
}

void frmScore::cmdUpdate_Click()
{
    if (proceed(Command::Update))
        saveBoard();
}

void frmScore::cmdCancel_Click()
{
    if (!proceed(Command::Cancel))
        return;
    try {
        m_doc->cancel();
    } catch (const PoolError &) {
        // Cancel always ends in browsing, on what the document could load.
    }
    showStored();
}

void frmScore::cmdDelete_Click()
{
    if (!proceed(Command::Delete))
        return;
    try {
        m_doc->removeShown();
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
    }
    showStored();
}

void frmScore::goTo(Command step)
{
    if (!proceed(step))
        return;
    try {
        m_doc->move(step);
    } catch (const PoolError &error) {
        // First and Last tell why; Next and Previous stay silent.
        if (step == Command::First || step == Command::Last)
            m_services.dialogs->message(error.description());
    }
    showStored();
}

void frmScore::cmdFirst_Click()
{
    goTo(Command::First);
}
void frmScore::cmdLast_Click()
{
    goTo(Command::Last);
}
void frmScore::cmdNext_Click()
{
    goTo(Command::Next);
}
void frmScore::cmdPrevious_Click()
{
    goTo(Command::Previous);
}
