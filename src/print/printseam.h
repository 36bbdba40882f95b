#pragma once

#include <QPixmap>

#include <memory>

class QPrinter;
class QWidget;

// The printer and the screen copy, behind one seam so that tests can print
// into a PDF file and hand in a picture of their own.
class PrintSeam
{
public:
    virtual ~PrintSeam();

    // The default printer, ready for a document, or null when the machine
    // has none.
    virtual std::unique_ptr<QPrinter> printer();

    // The window's outer rectangle as the screen shows it; where the
    // platform gives no screen copy (offscreen, some Wayland sessions), the
    // window's own rendering.
    virtual QPixmap capture(QWidget *window);
};
