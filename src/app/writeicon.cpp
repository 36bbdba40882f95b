// Writes the program's icon as a PNG of the given size, for the install's
// hicolor theme: quadrix_writeicon SIZE FILE.
#include "frmScore/artwork.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const int size = arguments.value(1).toInt();
    if (arguments.size() != 3 || size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: quadrix_writeicon SIZE FILE\n");
        return 2;
    }
    if (!Artwork::iconPixmap(size).save(arguments.at(2), "PNG")) {
        std::fprintf(stderr, "quadrix_writeicon: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
