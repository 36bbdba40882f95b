#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// The rules for moving a pool between its record and the board that need no
// widget: how stored values read, what the status line says, which texts
// count as a game date.
namespace RecordMapping {

// A stored flag is set when it holds a number other than zero; Null is not set.
bool isTrue(const QVariant &value);

// The game type selector stores a professional game for "Pro" in any case.
bool isProGame(const QString &selectorText);

// The selector's text for a loaded pool.
QString selectorText(const QVariant &proCollage);

// A text from a pool in a line of other texts, between Unicode's first-strong
// isolate and its end: a right-to-left override in a name (or a name in
// Arabic) then cannot reorder the rest of the line. The marks are not drawn.
QString isolated(const QString &text);

// "date  team1 VS team2", each value isolated; a Null value contributes
// nothing.
QString gameLine(const QVariant &date, const QVariant &team1, const QVariant &team2);

// Whether the date box holds a whole calendar date "mm/dd/yyyy". The masked
// box reads "//" when nothing is typed and "12//" when partly filled.
bool isWholeDate(const QString &text);

// Whether a typed date is written in another order than month/day/year (a
// month over 12 or a day over 31, as "28/12/2025" from a German "28.12.2025").
bool isInOtherOrder(const QString &text);

// Today's date as the date box shows it.
QString dateText(const QDate &date);

// Whether the save's progress bar moves on after writing this column.
bool isProgressStep(const QString &column);

} // namespace RecordMapping
