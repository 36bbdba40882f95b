// The copyright line and "help" open the program's pages in the browser.
#include "frmScore/frmScore.h"

#include "urlopener.h"

#include <QDir>
#include <QUrl>

#ifndef QUADRIX_WEB_BASE
#define QUADRIX_WEB_BASE ""
#endif

QUrl frmScore::baseAddress() const
{
    const QString configured = QStringLiteral(QUADRIX_WEB_BASE);
    if (!configured.isEmpty())
        return QUrl(configured.endsWith(QLatin1Char('/')) ? configured
                                                          : configured + QLatin1Char('/'));
    QString folder = QDir(m_services.programDir).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return QUrl::fromLocalFile(folder);
}

void frmScore::Label5_Click()
{
    if (m_services.urls)
        m_services.urls->open(baseAddress());
}

void frmScore::Label8_Click()
{
    if (m_services.urls)
        m_services.urls->open(baseAddress().resolved(QUrl(QStringLiteral("help.html"))));
}
