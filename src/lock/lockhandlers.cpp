// The password lock of a pool.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "store/poolstore.h"
#include "store/schema.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

// The pool on show, found again by its key; null when it is not stored.
PoolRecords *poolOnShow(PoolStore &store, const QString &id)
{
    if (id.trimmed().isEmpty())
        return nullptr;
    if (!store.OpenRecordSet(PoolQuery::byId(id.trimmed())))
        return nullptr;
    PoolRecords *records = store.records();
    return records && records->hasCurrent() ? records : nullptr;
}

} // namespace

void frmScore::Text2_LostFocus()
{
    Text1->show();
    Text1->setFocus(Qt::OtherFocusReason);
    lblAgain->show();
}

void frmScore::cmdLock_Click()
{
    if (Locked)
        return;
    Dialogs &dialogs = *m_services.dialogs;
    if (Text2->text().isEmpty()) {
        dialogs.message(QStringLiteral("Please enter Password"));
    } else if (Text2->text() != Text1->text()) {
        dialogs.message(QStringLiteral("Passwords do not match"));
    } else if (PoolRecords *records = poolOnShow(*m_services.store, txtID->text())) {
        try {
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
        } catch (const PoolError &error) {
            dialogs.message(error.description() + QStringLiteral("\nThe pool was not locked."));
        }
    } else {
        dialogs.message(QStringLiteral("Save this pool before you lock it: only a saved pool can "
                                       "be locked."));
    }
    Text1->setText(QString());
    Text1->hide();
    lblAgain->hide();
}

void frmScore::cmdunlock_Click()
{
    Dialogs &dialogs = *m_services.dialogs;
    PoolRecords *records = poolOnShow(*m_services.store, txtID->text());
    QVariant stored;
    try {
        if (records)
            stored = records->Fields(Schema::kPassword);
    } catch (const PoolError &error) {
        dialogs.message(error.description());
        return;
    }
    if (stored.isNull() || stored.toString().isEmpty()) {
        dialogs.message(QStringLiteral(" There Is No Password Set"));
        return;
    }
    if (stored.toString() != Text2->text()) {
        dialogs.message(QStringLiteral("Passwords Do Not Match"));
        return;
    }
    try {
        records->Edit();
        records->setField(Schema::kPassword, QString());
        records->Update();
    } catch (const PoolError &error) {
        dialogs.message(error.description() + QStringLiteral("\nThe pool is still locked."));
        return;
    }
    Text2->setText(QString());
    Text1->hide();
    lblAgain->hide();
    Locked = false;
    lblLocked->hide();
    UnlockControls();
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
