#pragma once

#include <QSet>
#include <QStringList>

class QPainter;
class QPrinter;
class QRectF;

// The board as a page the program draws itself, in text and lines rather
// than as a picture of the window: its PDF prints sharp at any size, and
// its names and digits can be searched, copied and read aloud.
namespace BoardPage {

struct Content
{
    QString date, team1, team2;
    QStringList columnDigits, rowDigits; // ten each, as the boxes hold them
    QStringList squares;                 // the hundred, row by row
    QStringList figures;                 // "Pool amount $250.00", ...
    QStringList winners;                 // "First quarter: Ann (14 - 7)", ...
    QSet<int> winningSquares;
    QStringList draws; // when the digits were drawn
};

// Draws the board into the rectangle: the game, the figures, the grid with
// the columns' digits (the second team's score) along the top and the rows'
// (the first team's) down the side, then the winners and the draws.
void draw(QPainter &painter, const QRectF &area, const Content &content);

// The board on one landscape page, Letter where the locale measures in
// inches and A4 elsewhere. False when the printer would not start.
bool print(QPrinter &printer, const Content &content);

} // namespace BoardPage
