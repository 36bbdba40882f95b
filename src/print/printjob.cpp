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
    if (!ok || !std::isfinite(value) || value != std::floor(value) || value < 1 || value > 32767)
        return std::nullopt;
    return int(value);
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
