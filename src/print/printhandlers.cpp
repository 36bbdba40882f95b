// Printing a picture of the main window.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "money/money.h"
#include "printjob.h"
#include "printseam.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>

void frmScore::cmdPrint_Click()
{
    Dialogs &dialogs = *m_services.dialogs;
    PrintCopies = dialogs.input(QStringLiteral("How many Copies Do You Want?"),
                                QStringLiteral("How many Copies?"), QString());
    if (PrintCopies.isEmpty())
        return;
    PrintSeam *seam = m_services.print;
    std::unique_ptr<QPrinter> printer = seam ? seam->printer() : nullptr;
    if (!printer) {
        dialogs.message(QStringLiteral("No printer is available, so nothing was printed."));
        return;
    }
    const std::optional<int> copies = PrintJob::copiesFrom(PrintCopies, Money::userLocale());
    if (!copies) {
        dialogs.message(QStringLiteral("Please enter a number of copies from 1 to 32767."));
        return;
    }
    // Let the window repaint where the input box was before its picture is
    // taken; user input waits so that nothing changes the board meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QPixmap picture = seam->capture(this);
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    const double dpiX = shownOn ? shownOn->logicalDotsPerInchX() : 96.0;
    const double dpiY = shownOn ? shownOn->logicalDotsPerInchY() : 96.0;
    if (!PrintJob::print(*printer, picture, *copies, dpiX, dpiY))
        dialogs.message(QStringLiteral("The printer did not accept the board, so nothing was "
                                       "printed."));
}
