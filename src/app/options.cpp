#include "options.h"

#include <QCommandLineParser>

#ifndef QUADRIX_VERSION
#define QUADRIX_VERSION "0"
#endif

namespace {

const QCommandLineOption kDataDir(QStringLiteral("data-dir"),
                                  QStringLiteral("The folder of the pool file QDX_DB.mdb, the "
                                                 "team lists and the error log."),
                                  QStringLiteral("DIR"));
const QCommandLineOption kCreate(QStringLiteral("create-database"),
                                 QStringLiteral("Write an empty pool file into the data folder "
                                                "when none exists, and end."));
const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("Show this help and end."));
const QCommandLineOption kVersion({QStringLiteral("v"), QStringLiteral("version")},
                                  QStringLiteral("Show the version and end."));

QCommandLineOption hidden(const QString &name)
{
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Quadrix runs football squares pools.\n\n"
                       "Without --data-dir the data folder is the program's own folder; an "
                       "installed Quadrix uses ~/.local/share/Quadrix and creates it, with an "
                       "empty pool file and the team lists, on its first start."));
    parser.addOptions({kDataDir, kCreate, kHelp, kVersion,
                       hidden(QStringLiteral("exit-when-shown")),
                       hidden(QStringLiteral("answer-dialogs"))});
}

} // namespace

StartOptions StartOptions::parse(const QStringList &arguments)
{
    StartOptions options;
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error =
            QStringLiteral("Unknown argument '%1'.").arg(parser.positionalArguments().first());
        return options;
    }
    options.dataDir = parser.value(kDataDir);
    if (parser.isSet(kDataDir) && options.dataDir.isEmpty())
        options.error = QStringLiteral("--data-dir needs a folder.");
    options.createDatabase = parser.isSet(kCreate);
    options.help = parser.isSet(kHelp);
    options.version = parser.isSet(kVersion);
    options.exitWhenShown = parser.isSet(QStringLiteral("exit-when-shown"));
    options.answerDialogs = parser.isSet(QStringLiteral("answer-dialogs"));
    return options;
}

QString StartOptions::usage()
{
    QCommandLineParser parser;
    describe(parser);
    // Without an application object the parser cannot name the program.
    return parser.helpText().replace(QStringLiteral("<executable_name>"),
                                     QStringLiteral("quadrix"));
}

QString StartOptions::versionText()
{
    return QStringLiteral("quadrix %1\n").arg(QStringLiteral(QUADRIX_VERSION));
}
