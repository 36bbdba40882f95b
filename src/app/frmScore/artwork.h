#pragma once

class QIcon;
class QPixmap;

// The window's pictures, drawn by the program itself so that nothing binary
// has to be shipped.
namespace Artwork {

QIcon programIcon();
// The program's icon at one size; the same drawing as the scalable icon
// the install ships.
QPixmap iconPixmap(int size);
// The decorative picture of the left panel, 104 x 153 pixels.
QPixmap decorativePicture();
// A 16 x 16 arrow of the move buttons: "first", "previous", "next", "last".
QPixmap moveArrow(const char *which);

} // namespace Artwork
