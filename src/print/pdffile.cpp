#include "pdffile.h"

#include "app/dialogs.h"
#include "printjob.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace PdfFile {

bool offeredInstead(Dialogs &dialogs, What what, const QString &title)
{
    const QString question =
        what == What::Board
            ? QCoreApplication::translate(
                  "PdfFile", "No printer is available. Save the board as a PDF file instead?")
            : QCoreApplication::translate(
                  "PdfFile", "No printer is available. Save the ledger as a PDF file instead?");
    return dialogs.question(question, title, Dialogs::Icon::None, Dialogs::Answer::Yes) ==
           Dialogs::Answer::Yes;
}

void save(Dialogs &dialogs, const QString &title, const QString &suggestedName, What what,
          const std::function<bool(QPrinter &)> &render)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        dialogs.saveFile(title, QDir(folder).filePath(suggestedName),
                         QCoreApplication::translate("PdfFile", "PDF files (*.pdf)"));
    if (path.isEmpty() || PrintJob::writePdf(path, render))
        return;
    const QString failure =
        what == What::Board
            ? QCoreApplication::translate(
                  "PdfFile", "The board could not be saved as %1. Check that the folder exists, "
                             "that you may write in it and that the disk is not full.")
            : QCoreApplication::translate(
                  "PdfFile", "The ledger could not be saved as %1. Check that the folder exists, "
                             "that you may write in it and that the disk is not full.");
    dialogs.message(failure.arg(QDir::toNativeSeparators(path)));
}

} // namespace PdfFile
