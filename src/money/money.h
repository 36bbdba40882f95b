#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reading and writing amounts of money in the user's locale, and the
// arithmetic of the figures the window shows. Kept apart from the widgets so
// the rules can be checked directly.
namespace Money {

// The user's locale for money; the C/POSIX locale counts as United States
// English, so a machine without a locale still shows "$250.00".
QLocale userLocale();

// Reads a number as the user types it or as the program wrote it: in the
// user's locale first (its currency symbol or code, digit grouping, a
// leading minus or surrounding parentheses accepted; "$000.00" reads as zero
// everywhere), then as an amount the program wrote under another locale
// ("250,00 €" under en_US), which must read back exactly as it was written.
std::optional<double> read(const QString &text, const QLocale &locale = userLocale());

// The "Currency" format of the locale, cents included.
QString currency(double value, const QLocale &locale = userLocale());

// Figures are counted in whole cents, rounded from the exact decimal value a
// number was typed as (not from its binary approximation), halves away from
// zero: 62.525 is 6253 cents, 1.005 is 101.
qint64 toCents(double value);
// A share of an amount: cents / parts, rounded the same way.
qint64 share(qint64 cents, int parts);
// An amount times a decimal factor (a count of squares such as 2.5).
qint64 times(qint64 cents, double factor);
QString currencyOfCents(qint64 cents, const QLocale &locale = userLocale());

// A pool amount: a number of 0 or more. A negative amount is no pool, like
// a text that is no number.
std::optional<double> poolAmount(const QString &text, const QLocale &locale = userLocale());
// The pool in cents; what is no pool amount counts as none.
qint64 poolCents(const QString &text, const QLocale &locale = userLocale());
// What one winner takes: a quarter of the pool when every quarter pays, half
// of it when every half does, else the whole pool at the end of the game.
qint64 payout(qint64 pool, bool perQuarter, bool perHalf);

// The pool amount of a cleared board: "$000.00" where amounts are dollars
// written the United States way, else the locale's own zero ("0,00 €").
QString clearedAmount(const QLocale &locale = userLocale());
// "250 or 1,000.00" as the locale writes them, for messages.
QString examples(const QLocale &locale = userLocale());

} // namespace Money
