#include "handleerror.h"

#include "dialogs.h"
#include "errorreport.h"
#include "store/poolerror.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

void HandleError(const PoolError &error, Dialogs &dialogs, const QString &logPath,
                 bool alwaysReport)
{
    if (ErrorReport::isSilent(error.number()) && !alwaysReport)
        return;
    const QString message =
        ErrorReport::message(error.number(), error.source(), error.description());
    dialogs.message(message, QCoreApplication::translate("Quadrix", "Error"));
    LogError(message, logPath);
}

void LogError(const QString &message, const QString &logPath)
{
    // A log that cannot be written must not turn one failure into two. The
    // line goes to the per-user data folder instead, or at least to
    // standard error.
    const QString line = ErrorReport::logLine(QDateTime::currentDateTime(), message);
    if (!ErrorReport::appendToLog(logPath, line) &&
        !ErrorReport::appendToLog(ErrorReport::userLogPath(), line))
        std::fprintf(stderr, "%s\n", qPrintable(line));
}
