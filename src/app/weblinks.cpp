// The copyright line and "help" open the program's pages in the browser.
#include "frmScore/frmScore.h"

#include "dialogs.h"
#include "language.h"
#include "urlopener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifndef QUADRIX_WEB_BASE
#define QUADRIX_WEB_BASE ""
#endif

namespace {

// The web folder of the program's pages, when the build names one.
QUrl webBase()
{
    const QString configured = QStringLiteral(QUADRIX_WEB_BASE);
    if (configured.isEmpty())
        return {};
    return QUrl(configured.endsWith(QLatin1Char('/')) ? configured : configured + QLatin1Char('/'));
}

// The help page in the program's language; English when there is no other.
QString helpFileName(const QString &folder)
{
    const QString localized = Language::localized(QStringLiteral("help.html"));
    return QFileInfo::exists(QDir(folder).filePath(localized)) ? localized
                                                               : QStringLiteral("help.html");
}

} // namespace

// The help page beside the program, at a section.
QUrl frmScore::localHelp(const QString &section) const
{
    QUrl page = QUrl::fromLocalFile(
        QDir(m_services.programDir).absoluteFilePath(helpFileName(m_services.programDir)));
    page.setFragment(section.isEmpty() ? QString() : section);
    return page;
}

// Without a web site of its own, the program's home page is the About
// section of its help page: version, licence and where the pools are kept.
QUrl frmScore::homePage() const
{
    const QUrl web = webBase();
    return web.isEmpty() ? localHelp(QStringLiteral("about")) : web;
}

QUrl frmScore::helpPage() const
{
    const QUrl web = webBase();
    return web.isEmpty() ? localHelp(QString())
                         : web.resolved(QUrl(Language::localized(QStringLiteral("help.html"))));
}

void frmScore::Label5_Click()
{
    // A failure (no browser) is deliberately not reported.
    if (m_services.urls)
        m_services.urls->open(homePage());
}

void frmScore::Label8_Click()
{
    // Help that cannot be opened must say where it is.
    if (m_services.urls && !m_services.urls->open(helpPage()))
        m_services.dialogs->message(
            tr("Quadrix could not open the help page in a web browser. The help page "
               "is the file '%1'.")
                .arg(QDir::toNativeSeparators(localHelp(QString()).toLocalFile())));
}
