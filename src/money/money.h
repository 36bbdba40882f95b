#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reading and writing amounts of money in the user's locale. Kept apart from
// the widgets so the rules can be checked directly.
namespace Money {

// The user's locale for money; the C/POSIX locale counts as United States
// English, so a machine without a locale still shows "$250.00".
QLocale userLocale();

// Reads a number as the user types or the program shows it: the locale's
// currency symbol or code, digit grouping, a leading minus or surrounding
// parentheses are accepted; "$000.00" reads as zero in every locale.
std::optional<double> read(const QString &text, const QLocale &locale = userLocale());

// The "Currency" format of the locale, cents included.
QString currency(double value, const QLocale &locale = userLocale());

// The "0.00" pattern: two decimals, no symbol, no grouping.
QString plain(double value, const QLocale &locale = userLocale());

} // namespace Money
