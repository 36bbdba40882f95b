#include "handleerror.h"

#include "dialogs.h"
#include "errorreport.h"
#include "store/poolerror.h"

#include <QDateTime>

void HandleError(const PoolError &error, Dialogs &dialogs, const QString &logPath,
                 bool alwaysReport)
{
    if (ErrorReport::isSilent(error.number()) && !alwaysReport)
        return;
    const QString message =
        ErrorReport::message(error.number(), error.source(), error.description());
    dialogs.message(message, QStringLiteral("Error"));
    // A log that cannot be written must not turn one failure into two: the
    // user has seen the message already.
    ErrorReport::appendToLog(logPath, ErrorReport::logLine(QDateTime::currentDateTime(), message));
}
