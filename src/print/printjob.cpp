#include "printjob.h"

#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QSizeF>
#include <QString>

#include <cmath>

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

} // namespace PrintJob
