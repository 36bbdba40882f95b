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
    // For measurements: once the first pool is on screen, print "shown" with
    // the process's resident memory in KiB and end.
    bool exitWhenShown = false;
    QString error; // not empty when the command line could not be read

    static StartOptions parse(const QStringList &arguments);
    static QString usage();
};
