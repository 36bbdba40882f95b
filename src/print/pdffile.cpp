#include "pdffile.h"

#include "app/dialogs.h"
#include "printjob.h"

#include <QDir>
#include <QStandardPaths>

namespace PdfFile {

bool offeredInstead(Dialogs &dialogs, const QString &what, const QString &title)
{
    return dialogs.question(
               QStringLiteral("No printer is available. Save the %1 as a PDF file instead?")
                   .arg(what),
               title, Dialogs::Icon::None, Dialogs::Answer::Yes) == Dialogs::Answer::Yes;
}

void save(Dialogs &dialogs, const QString &title, const QString &suggestedName, const QString &what,
          const std::function<bool(QPrinter &)> &render)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = dialogs.saveFile(title, QDir(folder).filePath(suggestedName),
                                          QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty() && !PrintJob::writePdf(path, render))
        dialogs.message(
            QStringLiteral("The %1 could not be saved as %2. Check that the folder exists, "
                           "that you may write in it and that the disk is not full.")
                .arg(what, QDir::toNativeSeparators(path)));
}

} // namespace PdfFile
