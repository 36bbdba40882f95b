// The password lock of a pool.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "store/poolstore.h"
#include "store/schema.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

const QString kWhileEditing =
    QStringLiteral("Save or cancel your changes before you lock or unlock this pool.");

// The pool on show, as the current record of a record set: the current one
// when it stands there, else all pools standing on it. Null when the pool on
// show is not stored. Throws the store's error (the file in use, say), so
// that the user is told what really went wrong.
PoolRecords *poolOnShow(PoolStore &store, const QString &idText)
{
    bool isKey = false;
    const qint64 id = idText.trimmed().toLongLong(&isKey);
    if (!isKey)
        return nullptr;
    PoolRecords *records = store.records();
    if (records && records->hasCurrent() && records->currentId() == id)
        return records;
    try {
        store.OpenAllPoolsAt(id);
    } catch (const PoolError &error) {
        if (error.number() == ErrorNumber::NoCurrentRecord)
            return nullptr;
        throw;
    }
    return store.records();
}

// After a lock or an unlock the moves reach every pool again, from the pool
// on show; should that fail, the record set still stands on it.
void showAllPoolsFrom(PoolStore &store, const PoolRecords &records)
{
    try {
        store.OpenAllPoolsAt(records.currentId());
    } catch (const PoolError &) {
    }
}

} // namespace

void frmScore::storeDrawOfLockedPool()
{
    try {
        PoolRecords *records = poolOnShow(*m_services.store, txtID->text());
        if (!records)
            return;
        records->Edit();
        for (int i = 0; i < Schema::kHeaderCount; ++i)
            records->setField(Schema::numColumn(i), Number[i]->text());
        // The pools the moves reach stay as they were.
        records->Update();
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description() +
                                    QStringLiteral("\nThe drawn numbers were not saved."));
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

bool frmScore::lockRefusedWhileEditing()
{
    // A lock taken in the middle of an edit would let the save change the
    // locked pool, and an unlock would leave the edit on an unlocked board.
    if (m_editing)
        refuseLockCommand(kWhileEditing);
    return m_editing;
}

void frmScore::cmdLock_Click()
{
    if (Locked)
        return;
    if (lockRefusedWhileEditing())
        return;
    // Clicked straight from the password box: the click has just opened
    // "Password Again", which waits for the confirmation.
    if (Text1->hasFocus() && Text1->text().isEmpty() && !Text2->text().isEmpty())
        return;
    const auto refuse = [this](const QString &text) { refuseLockCommand(text); };
    if (Text2->text().isEmpty()) {
        refuse(QStringLiteral("Please enter Password"));
    } else if (Text2->text() != Text1->text()) {
        refuse(QStringLiteral("Passwords do not match"));
    } else {
        try {
            PoolRecords *records = poolOnShow(*m_services.store, txtID->text());
            if (!records) {
                refuse(QStringLiteral("Save this pool before you lock it: only a saved pool can "
                                      "be locked."));
            } else {
                records->Edit();
                records->setField(Schema::kPassword, Text2->text());
                records->Update();
                // Locked only once the password is really stored.
                Locked = true;
                Text2->setText(QString());
                LockControls();
                lblLocked->show();
                if (!windowTitle().endsWith(QLatin1String("LOCKED")))
                    setWindowTitle(windowTitle() + QStringLiteral("  LOCKED"));
                showAllPoolsFrom(*m_services.store, *records);
            }
        } catch (const PoolError &error) {
            refuse(error.description() + QStringLiteral("\nThe pool was not locked."));
        }
    }
    Text1->setText(QString());
    Text1->hide();
    lblAgain->hide();
}

void frmScore::cmdunlock_Click()
{
    if (lockRefusedWhileEditing())
        return;
    const auto refuse = [this](const QString &text) { refuseLockCommand(text); };
    PoolRecords *records = nullptr;
    try {
        records = poolOnShow(*m_services.store, txtID->text());
        QVariant stored;
        if (records) {
            records->Refresh(); // the password as the file holds it now
            stored = records->Fields(Schema::kPassword);
        }
        if (stored.isNull() || stored.toString().isEmpty()) {
            refuse(QStringLiteral(" There Is No Password Set"));
            return;
        }
        if (stored.toString() != Text2->text()) {
            refuse(QStringLiteral("Passwords Do Not Match"));
            return;
        }
        records->Edit();
        records->setField(Schema::kPassword, QString());
        records->Update();
    } catch (const PoolError &error) {
        refuse(error.description() + QStringLiteral("\nThe pool is still locked."));
        return;
    }
    Text2->setText(QString());
    Text1->hide();
    lblAgain->hide();
    Locked = false;
    lblLocked->hide();
    UnlockControls();
    setWindowTitle(QStringLiteral(" QUADRIX POOL"));
    showAllPoolsFrom(*m_services.store, *records);
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
