#include "printseam.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>

PrintSeam::~PrintSeam() = default;

std::unique_ptr<QPrinter> PrintSeam::printer()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
}

QPixmap PrintSeam::capture(QWidget *window)
{
    const QRect outer = window->frameGeometry();
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    QPixmap picture;
    if (screen && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        const QRect onScreen = outer.translated(-screen->geometry().topLeft());
        picture = screen->grabWindow(0, onScreen.x(), onScreen.y(), outer.width(), outer.height());
    }
    // A screen copy comes in device pixels; on a scaled screen its size in
    // device-independent pixels is the one to compare.
    if (picture.isNull() || picture.deviceIndependentSize().toSize() != outer.size()) {
        // No screen copy here: render the window itself, frame excluded,
        // onto a picture of the outer size.
        QPixmap own(outer.size());
        own.fill(Qt::white);
        const QPixmap inner = window->grab();
        QPainter painter(&own);
        painter.drawPixmap(window->geometry().topLeft() - outer.topLeft(), inner);
        painter.end();
        picture = own;
    }
    return picture;
}
