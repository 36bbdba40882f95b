// Finding pools by the date of their game.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "poollistdialog.h"
#include "poolrecords.h"
#include "poolstore.h"

#include <QCoreApplication>
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
    else if (m_doc->isEditing())
        cmdCancel_Click();
}

void frmScore::cmdFind_Click()
{
    // The date is bound as a value; the masked box lets only digits through,
    // but the query would be safe with anything.
    const QString date = txtSearch->text().trimmed();
    // Every digit typed, or the search could find nothing by its nature.
    if (date.size() != 10) {
        m_services.dialogs->message(tr("Type the game date to find, for example "
                                       "12/28/2025."));
        txtSearch->setFocus(Qt::OtherFocusReason);
        return;
    }
    frSearch->hide();
    bool searched = false;
    try {
        // A date no pool has leaves the pool on show (and its changes) and the
        // pools the moves reach as they were, rather than an empty board the
        // moves cannot leave.
        const auto noPoolHasIt = [&] {
            if (!PoolRecords(m_services.store->database(), PoolQuery::byDate(date)).isEmpty())
                return false;
            m_services.dialogs->message(tr("No pool has the game date %1.").arg(date));
            return true;
        };
        // A save of the changes may give the pool another date.
        const bool mightSave = hasUnsavedChanges();
        if (noPoolHasIt() || !proceed(PoolDocument::Command::Find) || (mightSave && noPoolHasIt()))
            return;
        searched = true;
        m_doc->find(date);
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
    }
    // A search ends an add or an edit: the found pool is shown as stored.
    if (searched)
        showStored();
}

void frmScore::cmdList_Click()
{
    try {
        m_list = std::make_unique<PoolListDialog>(m_services.store->database(), *m_services.dialogs,
                                                  m_doc->hasPool() ? m_doc->stored().id : 0, this);
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
        return;
    }
    PoolListDialog *list = m_list.get();
    connect(list, &QDialog::accepted, this, [this, list] { showListed(list->chosenId()); });
    if (m_services.dialogs->isScripted())
        return; // tests type into it and choose as it stands
    m_list->exec();
    m_list.reset();
}

void frmScore::showListed(qint64 id)
{
    // Asked as a move asks: the pool chosen replaces the board.
    if (id == 0 || !proceed(PoolDocument::Command::Show))
        return;
    try {
        m_doc->showPool(id);
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
        // A pool that could not be opened leaves an add or an edit as it was.
        if (m_doc->isEditing())
            return;
    }
    showStored();
}
