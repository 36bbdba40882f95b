// Printing a picture of the main window.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "money/money.h"
#include "printjob.h"
#include "printseam.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>

namespace {

const QString kPdfTitle = QStringLiteral("Save the Board as PDF");

} // namespace

QPixmap frmScore::pictureOfTheWindow()
{
    // Let the window repaint where a dialog was before its picture is taken;
    // user input waits so that nothing changes the board meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return m_services.print ? m_services.print->capture(this) : grab();
}

QPointF frmScore::screenDpi() const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    return shownOn ? QPointF(shownOn->logicalDotsPerInchX(), shownOn->logicalDotsPerInchY())
                   : QPointF(96.0, 96.0);
}

void frmScore::savePdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(PrintJob::pdfFileName(
        txtGameDate->text(), Combo1[1]->currentText(), Combo1[2]->currentText()));
    const QString path =
        m_services.dialogs->saveFile(kPdfTitle, suggested, QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    const QPointF dpi = screenDpi();
    if (!PrintJob::writePdf(path, pictureOfTheWindow(), dpi.x(), dpi.y()))
        m_services.dialogs->message(
            QStringLiteral("The board could not be saved as %1. Check that the folder exists, "
                           "that you may write in it and that the disk is not full.")
                .arg(QDir::toNativeSeparators(path)));
}

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
        // Many users have no printer but want the board as a file to send.
        const Dialogs::Answer answer = dialogs.question(
            QStringLiteral("No printer is available. Save the board as a PDF file instead?"),
            QStringLiteral("Quadrix"), Dialogs::Icon::None, Dialogs::Answer::Yes);
        if (answer == Dialogs::Answer::Yes)
            savePdf();
        return;
    }
    const std::optional<int> copies = PrintJob::copiesFrom(PrintCopies, Money::userLocale());
    if (!copies) {
        dialogs.message(QStringLiteral("Please enter a number of copies from 1 to 32767."));
        return;
    }
    const QPixmap picture = pictureOfTheWindow();
    const QPointF dpi = screenDpi();
    if (!PrintJob::print(*printer, picture, *copies, dpi.x(), dpi.y()))
        dialogs.message(QStringLiteral("The printer did not accept the board, so nothing was "
                                       "printed."));
}
