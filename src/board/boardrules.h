#pragma once

#include <QStringList>

#include <functional>
#include <optional>

class QString;
class RandomSource;

// The rules of the board that need no window: which squares are taken, what a
// header box says, how Quick Pick and the number draw choose at random, and
// which square wins a quarter. The window's handlers read their controls into
// plain texts and call these, so each rule can be checked on its own.
namespace BoardRules {

constexpr int kSquares = 100;
constexpr int kDigits = 10;

// A square holds a name when its text is not empty; blanks are a name.
bool isTaken(const QString &square);
int countTaken(const QStringList &squares);

// The digit 0 to 9 a header box holds: its text, blanks trimmed, read as a
// number equal to that digit (" 7 " and "07" hold 7). Anything else holds none.
std::optional<int> headerDigit(const QString &header);
bool holdsDigit(const QString &header, int digit);

// The first of the headers that holds the digit, by position.
std::optional<int> findHeader(const QStringList &headers, int digit);

// The leading number of a counter caption ("000" is 0, " 42 " is 42); a
// caption that does not start with a number reads as 0.
double leadingNumber(const QString &caption);

// How many squares Quick Pick places for the count asked: one for every
// whole k with k <= count - 1, so 2.5 gives 2 and anything below 1 gives 0.
int pickCount(double count);

// Draws candidates int(100 r) until isTaken says no. Drawing over the whole
// board and rejecting taken squares keeps every free square equally likely.
// Gives nothing, without drawing, when no square is free.
std::optional<int> drawFreeSquare(RandomSource &random, const std::function<bool(int)> &isTaken);

// Draws candidates int(10 r) until isUsed says no; nothing when every digit
// is used, so the redraw cannot run for ever.
std::optional<int> drawDigit(RandomSource &random, const std::function<bool(int)> &isUsed);

// What is wrong with the twenty header boxes (the columns', then the
// rows'), as the user is told it: a box that holds no digit, or an axis
// where a digit stands twice and so another is missing. Empty while any
// box is empty (the digits are not drawn yet) and when each axis holds
// every digit once.
QString digitsProblem(const QStringList &headers);

// The score's last digit: its last character when that is a digit.
std::optional<int> lastDigit(const QString &score);

// The square that wins: the row whose header holds the first score's last
// digit crossed with the column whose header holds the second's. Nothing when
// a score or a header box is empty, a score does not end in a digit, or no
// header of an axis holds the digit asked for.
std::optional<int> winningSquare(const QStringList &columnHeaders, const QStringList &rowHeaders,
                                 const QString &firstScore, const QString &secondScore);

} // namespace BoardRules
