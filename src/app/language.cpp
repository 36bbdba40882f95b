#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QList>
#include <QTranslator>

namespace {

QString g_current;
QList<QTranslator *> g_installed;

// The program's own catalogues are built into it; the build lists them in
// the resource folder below.
const QString kCatalogues = QStringLiteral(":/i18n");

QString languageCode(const QString &uiLanguage)
{
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

bool installCatalogue(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    g_installed.append(translator);
    return true;
}

} // namespace

namespace Language {

QString install(QCoreApplication &app, const QStringList &uiLanguages)
{
    // A second call (a test switching languages) starts from English.
    for (QTranslator *translator : std::as_const(g_installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_installed.clear();
    g_current.clear();
    for (const QString &uiLanguage : uiLanguages) {
        const QString code = languageCode(uiLanguage);
        if (code == QLatin1String("en") || code == QLatin1String("c"))
            break;
        if (!installCatalogue(app, QStringLiteral("quadrix_") + code, kCatalogues))
            continue;
        // Without Qt's catalogue the standard buttons stay English; the
        // program's own texts are still worth having.
        installCatalogue(app, QStringLiteral("qtbase_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        g_current = code;
        break;
    }
    return g_current;
}

QString localized(const QString &fileName)
{
    if (g_current.isEmpty())
        return fileName;
    const QFileInfo info(fileName);
    return info.completeBaseName() + QLatin1Char('_') + g_current + QLatin1Char('.') +
           info.suffix();
}

} // namespace Language
