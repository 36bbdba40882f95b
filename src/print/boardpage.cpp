#include "boardpage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

constexpr int kGrid = 11; // the digits' row and column, then ten squares

// Draws a text from the pool (never markup) centred in the cell, as large
// as the cell takes it, wrapped at blanks and elided when even the smallest
// size does not fit.
void drawName(QPainter &painter, const QRectF &cell, const QString &name, double largest)
{
    if (name.trimmed().isEmpty())
        return;
    const QRectF inner = cell.adjusted(2, 2, -2, -2);
    QFont font = painter.font();
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (double size = largest; size >= 4.0; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font, painter.device());
        // A word is broken only when the smallest size cannot hold it.
        const bool wordsFit = std::all_of(words.cbegin(), words.cend(), [&](const QString &word) {
            return metrics.horizontalAdvance(word) <= inner.width();
        });
        const QRectF needed = metrics.boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, name);
        if (wordsFit && needed.width() <= inner.width() && needed.height() <= inner.height())
            break;
    }
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QRectF needed = metrics.boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, name);
    if (needed.width() <= inner.width() && needed.height() <= inner.height())
        painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, name);
    else
        painter.drawText(inner, Qt::AlignCenter,
                         metrics.elidedText(name.simplified(), Qt::ElideRight, inner.width()));
    painter.restore();
}

// Lines of text from the top of the area down; returns the height used.
double drawLines(QPainter &painter, const QRectF &area, const QStringList &lines)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    double y = area.top();
    for (const QString &line : lines) {
        painter.drawText(QRectF(area.left(), y, area.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(line, Qt::ElideRight, area.width()));
        y += metrics.lineSpacing();
    }
    return y - area.top();
}

} // namespace

namespace BoardPage {

void draw(QPainter &painter, const QRectF &area, const Content &content)
{
    painter.save();
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPointSizeF(10);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());

    QFont title = font;
    title.setPointSizeF(16);
    title.setBold(true);
    painter.setFont(title);
    const QString game = QCoreApplication::translate("BoardPage", "%1  %2 VS %3")
                             .arg(content.date, content.team1, content.team2)
                             .trimmed();
    double top = area.top() + drawLines(painter, area, {game});
    painter.setFont(font);
    top += drawLines(painter, QRectF(area.left(), top, area.width(), area.height()),
                     {content.figures.join(QStringLiteral("     "))});
    top += metrics.lineSpacing() / 2;

    // Below the grid: the winners and the draws, as many of the latest
    // draws as leave the grid two thirds of the page; beside it, the teams.
    const int room = std::max(1, int(area.height() / 3 / metrics.lineSpacing()));
    QStringList footer = content.winners;
    const qsizetype drawsShown =
        content.draws.isEmpty()
            ? 0
            : std::clamp<qsizetype>(room - footer.size() - 1, 1, content.draws.size());
    if (drawsShown < content.draws.size())
        footer << QCoreApplication::translate("BoardPage",
                                              "%1 earlier draws are kept with the pool.")
                      .arg(content.draws.size() - drawsShown);
    footer << content.draws.mid(content.draws.size() - drawsShown);
    const double footerHeight = metrics.lineSpacing() * (footer.size() + 0.5);
    const double band = metrics.lineSpacing() * 1.6; // a team's name
    // Cells as wide as the page allows, at most twice as wide as high.
    const double cellHeight = (area.bottom() - top - footerHeight - band) / kGrid;
    const double cellWidth = std::min((area.width() - band) / kGrid, 2 * cellHeight);
    const QRectF grid(area.left() + band, top + band, cellWidth * kGrid, cellHeight * kGrid);

    QFont teamFont = font;
    teamFont.setBold(true);
    teamFont.setPointSizeF(12);
    painter.setFont(teamFont);
    const QFontMetricsF teamMetrics(teamFont, painter.device());
    const QRectF columnsBand(grid.left() + cellWidth, top, grid.width() - cellWidth, band);
    painter.drawText(columnsBand, Qt::AlignCenter,
                     teamMetrics.elidedText(content.team2, Qt::ElideRight, columnsBand.width()));
    painter.save();
    painter.translate(area.left(), grid.bottom());
    painter.rotate(-90);
    const QRectF rowsBand(0, 0, grid.height() - cellHeight, band);
    painter.drawText(rowsBand, Qt::AlignCenter,
                     teamMetrics.elidedText(content.team1, Qt::ElideRight, rowsBand.width()));
    painter.restore();

    const auto cellAt = [&](int row, int column) {
        return QRectF(grid.left() + column * cellWidth, grid.top() + row * cellHeight, cellWidth,
                      cellHeight);
    };
    for (int square : content.winningSquares)
        if (square >= 0 && square < 100)
            painter.fillRect(cellAt(1 + square / 10, 1 + square % 10), QColor(220, 220, 220));
    QFont digitFont = font;
    digitFont.setBold(true);
    for (int i = 0; i < 10; ++i) {
        painter.setFont(digitFont);
        drawName(painter, cellAt(0, 1 + i), content.columnDigits.value(i), 14);
        drawName(painter, cellAt(1 + i, 0), content.rowDigits.value(i), 14);
    }
    painter.setFont(font);
    for (int square = 0; square < 100; ++square)
        drawName(painter, cellAt(1 + square / 10, 1 + square % 10), content.squares.value(square),
                 9);
    QPen pen(Qt::black);
    pen.setWidthF(std::max(0.5, cellHeight / 100));
    painter.setPen(pen);
    // No lines round the empty corner cell.
    for (int line = 0; line <= kGrid; ++line) {
        const double x = grid.left() + line * cellWidth, y = grid.top() + line * cellHeight;
        painter.drawLine(QPointF(x, line == 0 ? grid.top() + cellHeight : grid.top()),
                         QPointF(x, grid.bottom()));
        painter.drawLine(QPointF(line == 0 ? grid.left() + cellWidth : grid.left(), y),
                         QPointF(grid.right(), y));
    }
    painter.setPen(Qt::black);
    drawLines(
        painter,
        QRectF(area.left(), grid.bottom() + metrics.lineSpacing() / 2, area.width(), footerHeight),
        footer);
    painter.restore();
}

bool print(QPrinter &printer, const Content &content)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's corner; the fonts take
    // their size in points from the printer's resolution.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    draw(painter, QRectF(0, 0, page.width(), page.height()), content);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace BoardPage
