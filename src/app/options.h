#pragma once

#include <QString>
#include <QStringList>

// The command line: where the data folder is and whether to create an empty
// pool file instead of starting the window.
struct StartOptions
{
    QString dataDir; // empty: the program's own folder
    bool createDatabase = false;
    bool help = false;
    QString error; // not empty when the command line could not be read

    static StartOptions parse(const QStringList &arguments);
    static QString usage();
};
