#include "options.h"

StartOptions StartOptions::parse(const QStringList &arguments)
{
    StartOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--create-database")) {
            options.createDatabase = true;
        } else if (argument == QLatin1String("--data-dir")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                options.error = QStringLiteral("--data-dir needs a folder.");
                return options;
            }
            options.dataDir = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--data-dir="))) {
            options.dataDir = argument.mid(int(qstrlen("--data-dir=")));
            if (options.dataDir.isEmpty()) {
                options.error = QStringLiteral("--data-dir needs a folder.");
                return options;
            }
        } else if (argument == QLatin1String("--exit-when-shown")) {
            options.exitWhenShown = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else {
            options.error = QStringLiteral("Unknown option '%1'.").arg(argument);
            return options;
        }
    }
    return options;
}

QString StartOptions::usage()
{
    return QStringLiteral("Usage: quadrix [--data-dir DIR]\n"
                          "       quadrix --create-database [--data-dir DIR]\n"
                          "\n"
                          "DIR holds the pool file QDX_DB.mdb, the team lists Pro.txt and\n"
                          "Collage.txt and the error log Quadrix.log; it defaults to the\n"
                          "program's own folder. --create-database writes an empty pool file\n"
                          "there when none exists and never touches an existing one.\n");
}
