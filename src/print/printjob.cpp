#include "printjob.h"

#include "store/durable.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <cmath>

#include <stdio.h>

#include <sys/stat.h>

namespace PrintJob {

std::optional<int> copiesFrom(const QString &answer, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(answer.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // To the nearest whole number, a half to the even neighbour: 2.5 is 2.
    const double copies =
        value - std::floor(value) == 0.5 ? 2 * std::round(value / 2) : std::round(value);
    if (copies < 1 || copies > 32767)
        return std::nullopt;
    return int(copies);
}

QRectF placement(const QSizeF &screenSize, double screenDpiX, double screenDpiY, double printerDpiX,
                 double printerDpiY)
{
    if (screenDpiX <= 0 || screenDpiY <= 0)
        return QRectF(QPointF(0, 0), screenSize);
    return QRectF(0, 0, screenSize.width() * printerDpiX / screenDpiX,
                  screenSize.height() * printerDpiY / screenDpiY);
}

bool print(QPrinter &printer, const QPixmap &picture, int copies, double screenDpiX,
           double screenDpiY)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(copies);
    const int pages = printer.supportsMultipleCopies() ? 1 : copies;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF target = placement(picture.deviceIndependentSize(), screenDpiX, screenDpiY,
                                    printer.logicalDpiX(), printer.logicalDpiY());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        painter.drawPixmap(target, picture, QRectF(picture.rect()));
    }
    return painter.end();
}

QString pdfFileName(const QString &date, const QString &team1, const QString &team2)
{
    QStringList parts;
    const QString day = date.count(QLatin1Char('/')) == 2 && date.size() == 10 ? date : QString();
    for (const QString &part : {day, team1.trimmed() + QStringLiteral(" vs ") + team2.trimmed()})
        if (!part.trimmed().isEmpty() && part.trimmed() != QLatin1String("vs"))
            parts << part.trimmed();
    QString name = parts.join(QLatin1Char(' '));
    for (QChar &c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    return (name.isEmpty() ? QCoreApplication::translate("PdfFile", "Quadrix board")
                           : name.left(200)) +
           QStringLiteral(".pdf");
}

namespace {

// The process's file mode mask, read without changing it: umask() would
// change it for a moment, under the backup's thread too.
mode_t userMask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    return 022;
}

} // namespace

bool writePdf(const QString &path, const std::function<bool(QPrinter &)> &render)
{
    const QFileInfo target(path);
    QTemporaryFile part(target.absolutePath() + QStringLiteral("/.quadrix-XXXXXX.pdf"));
    if (!part.open())
        return false;
    part.close();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part.fileName());
    if (!render(printer))
        return false;
    // A document cut short (a full disk, say) lacks its end mark.
    QFile written(part.fileName());
    if (!written.open(QIODevice::ReadOnly) || written.size() < 16)
        return false;
    written.seek(written.size() - 16);
    if (!written.read(16).contains("%%EOF"))
        return false;
    written.close();
    // The temporary file is the owner's alone; the document gets the mode
    // any new file of the user gets (or keeps the one of the file it
    // replaces), so that it can be shared as the user's other files are.
    struct stat kept = {};
    const mode_t mode = ::stat(QFile::encodeName(path).constData(), &kept) == 0
                            ? kept.st_mode & 07777
                            : 0666 & ~userMask();
    if (::chmod(QFile::encodeName(part.fileName()).constData(), mode) != 0)
        return false;
    // On the disk before it takes the name, and given the name in one step
    // over any older file: a failure or a power cut leaves the older file or
    // the new one whole, never none or a part.
    if (!Durable::sync(part.fileName()) || ::rename(QFile::encodeName(part.fileName()).constData(),
                                                    QFile::encodeName(path).constData()) != 0)
        return false;
    part.setAutoRemove(false);
    return Durable::sync(target.absolutePath());
}

} // namespace PrintJob
