// Finding pools by the date of their game.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "poolstore.h"

#include <QGroupBox>
#include <QLineEdit>

void frmScore::cmdSearch_Click()
{
    frSearch->show();
    frSearch->raise();
}

void frmScore::cmdFind_Click()
{
    // The date is bound as a value; the masked box lets only digits through,
    // but the query would be safe with anything.
    m_services.store->OpenRecordSet(PoolQuery::byDate(txtSearch->text().trimmed()));
    frSearch->hide();
    try {
        reloadQuietly();
    } catch (const PoolError &error) {
        m_services.dialogs->message(error.description());
    }
}
