#include "app/appmain.h"
#include "app/language.h"
#include "app/options.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartOptions options = StartOptions::parse(arguments);
    if (!options.error.isEmpty() || options.help) {
        std::fprintf(options.help ? stdout : stderr, "%s%s%s", qPrintable(options.error),
                     options.error.isEmpty() ? "" : "\n\n", qPrintable(StartOptions::usage()));
        return options.help ? 0 : 2;
    }
    if (options.version) {
        std::fputs(qPrintable(StartOptions::versionText()), stdout);
        return 0;
    }
    if (options.createDatabase) {
        QCoreApplication app(argc, argv);
        return CreateDatabase(options);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrix"));
    QApplication::setOrganizationName(QStringLiteral("Quadrix"));
    Language::install(app, QLocale().uiLanguages());
    return Main(app, options);
}
