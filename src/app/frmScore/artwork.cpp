#include "artwork.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include <cstring>

namespace Artwork {

namespace {

void drawBoard(QPainter &p, const QRectF &area)
{
    p.fillRect(area, QColor(0x2e, 0x7d, 0x32));
    p.setPen(QPen(Qt::white, area.width() / 64.0));
    for (int i = 0; i <= 10; ++i) {
        const double x = area.left() + area.width() * i / 10.0;
        const double y = area.top() + area.height() * i / 10.0;
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
}

void drawBall(QPainter &p, const QPointF &centre, double length)
{
    p.save();
    p.translate(centre);
    p.rotate(-30);
    const QRectF ball(-length / 2, -length / 3.2, length, length / 1.6);
    p.setPen(QPen(QColor(0x3e, 0x27, 0x23), length / 30.0));
    p.setBrush(QColor(0x8d, 0x4e, 0x2a));
    p.drawEllipse(ball);
    p.setPen(QPen(Qt::white, length / 25.0));
    p.drawLine(QPointF(-length / 5, 0), QPointF(length / 5, 0));
    for (int i = -2; i <= 2; ++i) {
        const double x = i * length / 12.0;
        p.drawLine(QPointF(x, -length / 14), QPointF(x, length / 14));
    }
    p.restore();
}

} // namespace

QPixmap iconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double edge = size / 64.0;
    drawBoard(p, QRectF(edge, edge, size - 2 * edge, size - 2 * edge));
    drawBall(p, QPointF(size / 2.0, size / 2.0), size * 0.7);
    p.end();
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(iconPixmap(size));
    return icon;
}

QPixmap decorativePicture()
{
    QPixmap pixmap(104, 153);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(pixmap.rect(), QColor(0x1b, 0x5e, 0x20));
    p.setPen(QPen(QColor(255, 255, 255, 170), 2));
    for (int y = 10; y < 153; y += 20)
        p.drawLine(0, y, 104, y);
    p.setPen(QPen(Qt::yellow, 4));
    p.drawLine(52, 150, 52, 95);
    p.drawLine(22, 95, 82, 95);
    p.drawLine(22, 95, 22, 40);
    p.drawLine(82, 95, 82, 40);
    drawBall(p, QPointF(52, 62), 54);
    p.end();
    return pixmap;
}

QPixmap moveArrow(const char *which)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const bool left = std::strcmp(which, "first") == 0 || std::strcmp(which, "previous") == 0;
    const QPolygon leftTriangle({QPoint(10, 3), QPoint(10, 13), QPoint(5, 8)});
    const QPolygon rightTriangle({QPoint(6, 3), QPoint(6, 13), QPoint(11, 8)});
    p.drawPolygon(left ? leftTriangle : rightTriangle);
    if (std::strcmp(which, "first") == 0)
        p.drawRect(3, 3, 2, 11);
    if (std::strcmp(which, "last") == 0)
        p.drawRect(11, 3, 2, 11);
    p.end();
    return pixmap;
}

} // namespace Artwork
