// Finding pools by the date of their game.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "poolrecords.h"
#include "poolstore.h"

#include <QGroupBox>
#include <QLineEdit>

void frmScore::cmdSearch_Click()
{
    frSearch->show();
    frSearch->raise();
    txtSearch->setFocus(Qt::OtherFocusReason); // where the user types next
}

void frmScore::escape()
{
    if (frSearch->isVisible())
        frSearch->hide();
    else if (m_editing)
        cmdCancel_Click();
}

void frmScore::cmdFind_Click()
{
    // The date is bound as a value; the masked box lets only digits through,
    // but the query would be safe with anything.
    const QString date = txtSearch->text().trimmed();
    frSearch->hide();
    try {
        // A date no pool has leaves the pool on show (and its changes) and the
        // pools the moves reach as they were, rather than an empty board the
        // moves cannot leave.
        const auto noPoolHasIt = [&] {
            if (!PoolRecords(m_services.store->database(), PoolQuery::byDate(date)).isEmpty())
                return false;
            m_services.dialogs->message(QStringLiteral("No pool has the game date %1.").arg(date));
            return true;
        };
        // A save of the changes may give the pool another date.
        const bool mightSave = hasUnsavedChanges();
        if (noPoolHasIt() || !mayReplaceBoard() || (mightSave && noPoolHasIt()))
            return;
        m_services.store->OpenRecordSet(PoolQuery::byDate(date));
        reloadQuietly();
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
    }
}
