#pragma once

class Dialogs;
class PoolError;
class QString;

// The shared report of an unexpected error: a message box titled "Error"
// and one line appended to the log in the data folder. Numbers that pass
// silently are skipped unless alwaysReport is set, which start-up uses so
// that the program never ends without saying why.
void HandleError(const PoolError &error, Dialogs &dialogs, const QString &logPath,
                 bool alwaysReport = false);

// One line in the log, nothing shown: for failures the user need not act on
// at once (a daily backup that could not be made).
void LogError(const QString &message, const QString &logPath);
