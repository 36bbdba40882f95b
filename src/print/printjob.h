#pragma once

#include <QRectF>

#include <functional>
#include <optional>

class QLocale;
class QPixmap;
class QPrinter;
class QSizeF;
class QString;

// One print of the board: the picture of the main window on one landscape
// page, as many copies as asked for. Kept apart from the window so the
// arithmetic of copies and placement can be checked without a printer.
namespace PrintJob {

// The number of copies an answer to the copies prompt asks for: a number in
// the user's locale rounded to the nearest whole number, halves to the even
// neighbour ("3", " 3 ", "2.5" is 2), from 1 to 32767; nothing for any other
// answer.
std::optional<int> copiesFrom(const QString &answer, const QLocale &locale);

// Where a picture of the given size in screen pixels (device-independent)
// lands on the page: at the top-left corner of the printable area, as large
// as it is on the screen, converted through the two resolutions.
QRectF placement(const QSizeF &screenSize, double screenDpiX, double screenDpiY, double printerDpiX,
                 double printerDpiY);

// Prints the picture in landscape with the given number of copies. Where
// the printer cannot make copies itself (PDF output, some drivers), the
// page is drawn that many times. False when the printer would not start
// the document.
bool print(QPrinter &printer, const QPixmap &picture, int copies, double screenDpiX,
           double screenDpiY);

// The file name a PDF of the board gets at first: the game date and the two
// teams ("09-14-2025 Dallas vs Denver.pdf"), without characters that a file
// name cannot hold.
QString pdfFileName(const QString &date, const QString &team1, const QString &team2);

// Writes the pages the renderer draws on the PDF printer it is given as a
// PDF file at path, whole or not at all: the document is written beside it
// under another name and takes its name only once complete. False when it
// could not be written.
bool writePdf(const QString &path, const std::function<bool(QPrinter &)> &render);

} // namespace PrintJob
