#include "boardrules.h"

#include "randomsource.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace BoardRules {

namespace {

// int(n r) for a uniform r, 0 <= r < 1; kept inside 0..n-1 should a source
// ever hand out 1.
int scaled(RandomSource &random, int n)
{
    return std::clamp(int(n * random.next()), 0, n - 1);
}

} // namespace

bool isTaken(const QString &square)
{
    return !square.isEmpty();
}

int countTaken(const QStringList &squares)
{
    int taken = 0;
    for (const QString &square : squares)
        if (isTaken(square))
            ++taken;
    return taken;
}

std::optional<int> headerDigit(const QString &header)
{
    const QString text = header.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // Digits typed by hand may follow the user's locale; the program writes
    // plain ones.
    bool ok = false;
    double value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        value = QLocale().toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    for (int digit = 0; digit < kDigits; ++digit)
        if (value == digit)
            return digit;
    return std::nullopt;
}

bool holdsDigit(const QString &header, int digit)
{
    return headerDigit(header) == digit;
}

std::optional<int> findHeader(const QStringList &headers, int digit)
{
    for (int i = 0; i < headers.size(); ++i)
        if (holdsDigit(headers[i], digit))
            return i;
    return std::nullopt;
}

QString digitsProblem(const QStringList &headers)
{
    for (const QString &header : headers)
        if (header.isEmpty())
            return {};
    for (int axis = 0; axis < 2; ++axis) {
        const QString side = axis == 0
                                 ? QCoreApplication::translate("BoardRules", "The column digits")
                                 : QCoreApplication::translate("BoardRules", "The row digits");
        std::array<int, kDigits> count{};
        for (int i = axis * kDigits; i < (axis + 1) * kDigits && i < headers.size(); ++i) {
            const std::optional<int> digit = headerDigit(headers[i]);
            if (!digit)
                return QCoreApplication::translate("BoardRules",
                                                   "%1 hold \"%2\", which is no digit from 0 to 9.")
                    .arg(side, headers[i]);
            ++count[size_t(*digit)];
        }
        const auto twice = std::find_if(count.begin(), count.end(), [](int n) { return n > 1; });
        const auto missing = std::find(count.begin(), count.end(), 0);
        if (twice != count.end())
            return QCoreApplication::translate(
                       "BoardRules",
                       "%1 hold %2 twice and lack %3: each digit from 0 to 9 must stand once on "
                       "each side before a winner can be found.")
                .arg(side)
                .arg(twice - count.begin())
                .arg(missing - count.begin());
    }
    return {};
}

double leadingNumber(const QString &caption)
{
    const QString text = caption.trimmed();
    int end = 0;
    if (end < text.size() && (text[end] == QLatin1Char('+') || text[end] == QLatin1Char('-')))
        ++end;
    const int digitsFrom = end;
    while (end < text.size() && text[end].isDigit())
        ++end;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        ++end;
        while (end < text.size() && text[end].isDigit())
            ++end;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text.left(end), &ok);
    return ok && end > digitsFrom ? value : 0.0;
}

int pickCount(double count)
{
    if (!(count >= 1.0))
        return 0; // below one, and not a number at all
    if (count >= double(INT_MAX))
        return INT_MAX;
    return int(std::floor(count));
}

namespace {

// Draws candidates int(count r) until one is not used; nothing, without
// drawing, when every candidate is used, so the redraw cannot run for ever.
std::optional<int> drawUnused(RandomSource &random, int count,
                              const std::function<bool(int)> &isUsed)
{
    bool anyFree = false;
    for (int candidate = 0; candidate < count && !anyFree; ++candidate)
        anyFree = !isUsed(candidate);
    if (!anyFree)
        return std::nullopt;
    for (;;) {
        const int candidate = scaled(random, count);
        if (!isUsed(candidate))
            return candidate;
    }
}

} // namespace

std::optional<int> drawFreeSquare(RandomSource &random, const std::function<bool(int)> &isTaken)
{
    return drawUnused(random, kSquares, isTaken);
}

std::optional<int> drawDigit(RandomSource &random, const std::function<bool(int)> &isUsed)
{
    return drawUnused(random, kDigits, isUsed);
}

std::optional<int> lastDigit(const QString &score)
{
    if (score.isEmpty())
        return std::nullopt;
    const QChar last = score.back();
    if (!last.isDigit())
        return std::nullopt;
    return last.digitValue();
}

std::optional<int> winningSquare(const QStringList &columnHeaders, const QStringList &rowHeaders,
                                 const QString &firstScore, const QString &secondScore)
{
    if (firstScore.isEmpty() || secondScore.isEmpty())
        return std::nullopt;
    if (columnHeaders.size() != kDigits || rowHeaders.size() != kDigits)
        return std::nullopt;
    for (const QStringList *axis : {&columnHeaders, &rowHeaders})
        for (const QString &header : *axis)
            if (header.isEmpty())
                return std::nullopt; // the numbers have not been drawn yet
    const std::optional<int> down = lastDigit(firstScore);
    const std::optional<int> across = lastDigit(secondScore);
    if (!down || !across)
        return std::nullopt;
    // Digits typed by hand may stand twice: no square wins on such a board.
    if (!digitsProblem(columnHeaders + rowHeaders).isEmpty())
        return std::nullopt;
    const std::optional<int> row = findHeader(rowHeaders, *down);
    const std::optional<int> column = findHeader(columnHeaders, *across);
    if (!row || !column)
        return std::nullopt;
    return kDigits * *row + *column;
}

} // namespace BoardRules
