#pragma once

#include <QString>
#include <QStringList>

// The command line, read with QCommandLineParser as Qt programs do: where
// the data folder is, whether to create an empty pool file instead of
// starting the window, --help and --version.
struct StartOptions
{
    QString dataDir; // empty: the program's own folder, or the per-user one when installed
    bool createDatabase = false;
    bool help = false;
    bool version = false;
    // For measurements and tests: once the first pool is on screen, print
    // "shown" with the process's resident memory in KiB and end.
    bool exitWhenShown = false;
    // For tests of the installed program: every message box is answered at
    // once and its text written to standard output.
    bool answerDialogs = false;
    QString error; // not empty when the command line could not be read

    static StartOptions parse(const QStringList &arguments);
    static QString usage();
    static QString versionText();
};
