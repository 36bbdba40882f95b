// The password lock of a pool.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScopeGuard>

using Command = PoolDocument::Command;

bool frmScore::isLocked() const
{
    return m_doc->isLocked();
}

void frmScore::showLock()
{
    const bool locked = isLocked();
    lblLocked->setVisible(locked);
    // The date stays where the keyboard can reach it, as every control of
    // the board's left side does, but a locked pool's date is not typed
    // over: what a locked pool shows is what its file holds.
    txtGameDate->setReadOnly(locked);
    if (locked) {
        LockControls();
        const QString locked = tr("  LOCKED");
        if (!windowTitle().endsWith(locked))
            setWindowTitle(windowTitle() + locked);
    } else {
        UnlockControls();
    }
}

void frmScore::storeDrawOfLockedPool()
{
    // Everyone may have seen the digits: they are stored at once, so they
    // can never be drawn again. Should the file refuse them, they stay on
    // the board as an unsaved change, and SET Numbers stores them again.
    try {
        const QString refusal = m_doc->save(boardPool());
        if (!refusal.isEmpty())
            m_services.dialogs->message(refusal);
    } catch (const PoolError &error) {
        m_services.dialogs->message(
            error.description() +
            tr("\nThe drawn numbers were not saved. Press SET Numbers to save them "
               "again once the pool file can be written."));
    }
}

void frmScore::Text2_LostFocus(Qt::FocusReason reason)
{
    // Only a password on its way forward asks to be typed again: going back
    // with Shift+Tab, leaving the box empty or going to UNLOCK (which takes
    // the password as it is) must not pull the focus back, or the keyboard
    // could never leave this corner of the window.
    if (reason == Qt::BacktabFocusReason || Text2->text().isEmpty() ||
        QApplication::focusWidget() == cmdunlock)
        return;
    Text1->show();
    Text1->setFocus(Qt::OtherFocusReason);
    lblAgain->show();
}

void frmScore::refuseLockCommand(const QString &text)
{
    m_services.dialogs->message(text);
    // The user types the password again, so it gets the focus back rather
    // than whatever follows the hidden confirmation box.
    Text2->setFocus(Qt::OtherFocusReason);
}

void frmScore::cmdLock_Click()
{
    if (!proceed(Command::Lock)) {
        if (m_doc->isEditing())
            Text2->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Clicked straight from the password box: the click has just opened
    // "Password Again", which waits for the confirmation.
    if (Text1->hasFocus() && Text1->text().isEmpty() && !Text2->text().isEmpty())
        return;
    const auto done = qScopeGuard([this] {
        Text1->setText(QString());
        Text1->hide();
        lblAgain->hide();
    });
    if (Text2->text().isEmpty()) {
        refuseLockCommand(tr("Please enter Password"));
        return;
    }
    if (Text2->text() != Text1->text()) {
        refuseLockCommand(tr("Passwords do not match"));
        return;
    }
    // A lock holds what the file holds: unsaved changes are saved first, or
    // dropped when the user says so.
    const QString password = Text2->text();
    if (!proceed(Command::LockConfirmed)) {
        Text2->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (hasUnsavedChanges())
        showStored();
    QString refusal;
    try {
        refusal = m_doc->lock(password);
    } catch (const PoolError &error) {
        refusal = error.description() + tr("\nThe pool was not locked.");
    }
    if (!refusal.isEmpty()) {
        Text2->setText(password);
        refuseLockCommand(refusal);
        return;
    }
    // The board shows the pool as the file now holds it, every box of it
    // (the names beside the scores too).
    showStored();
}

void frmScore::cmdunlock_Click()
{
    if (!proceed(Command::Unlock)) {
        Text2->setFocus(Qt::OtherFocusReason);
        return;
    }
    QString refusal;
    try {
        refusal = m_doc->unlock(Text2->text());
    } catch (const PoolError &error) {
        refusal = error.description() + tr("\nThe pool is still locked.");
    }
    if (!refusal.isEmpty()) {
        refuseLockCommand(refusal);
        return;
    }
    Text2->setText(QString());
    Text1->hide();
    lblAgain->hide();
    showLock();
    setWindowTitle(QStringLiteral(" QUADRIX POOL"));
}

void frmScore::setBoardEnabled(bool enabled)
{
    for (QLineEdit *header : Number)
        header->setEnabled(enabled);
    for (SquareBox *square : Imput)
        square->setEnabled(enabled);
    for (QLineEdit *winner : Who)
        winner->setEnabled(enabled);
    Combo1[1]->setEnabled(enabled);
    Combo1[2]->setEnabled(enabled);
    TeamScore[0]->setEnabled(enabled);
    TeamScore[1]->setEnabled(enabled);
    Score[0]->setEnabled(enabled);
    Score[1]->setEnabled(enabled);
    txtID->setEnabled(enabled);
    txtPoolAmount->setEnabled(enabled);
    Frame3->setEnabled(enabled);
    frAmount->setEnabled(enabled);
}

void frmScore::LockControls()
{
    setBoardEnabled(false);
    Pb1->hide();
}

void frmScore::UnlockControls()
{
    setBoardEnabled(true);
}
