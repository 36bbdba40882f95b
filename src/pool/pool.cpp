#include "pool.h"

#include "money/money.h"
#include "players/ledger.h"
#include "store/recordmapping.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>

QStringList Pool::squareTexts() const
{
    QStringList texts;
    texts.reserve(int(squares.size()));
    for (const Text &square : squares)
        texts << text(square);
    return texts;
}

QStringList Pool::headerTexts() const
{
    QStringList texts;
    for (const Text &header : headers)
        texts << text(header);
    return texts;
}

QSet<QString> Pool::players() const
{
    QSet<QString> keys;
    for (const Text &square : squares) {
        const QString key = Ledger::keyOf(text(square));
        if (!key.isEmpty())
            keys.insert(key);
    }
    return keys;
}

QString Pool::problem(const Pool &stored) const
{
    const QString day = text(date);
    if (!RecordMapping::isWholeDate(day)) {
        if (RecordMapping::isInOtherOrder(day))
            return QCoreApplication::translate(
                "Pool", "Type the game date as month/day/year, for example 12/28/2025.");
        // Every digit typed, and still no day of the calendar (02/30/2026).
        if (day.size() == 10 && day.count(QLatin1Char('/')) == 2 && !day.contains(QLatin1Char(' ')))
            return QCoreApplication::translate(
                       "Pool", "%1 is not a date. Type the game date as month/day/year, for "
                               "example 12/28/2025.")
                .arg(day);
        return QCoreApplication::translate("Pool", " Game Date Has To Have A Date");
    }
    if (amount != stored.amount && !Money::poolAmount(text(amount)))
        return QCoreApplication::translate(
                   "Pool", "The pool amount must be a number of 0 or more, such as %1.")
            .arg(Money::examples());
    return {};
}

QString Pool::Draw::line() const
{
    const QDateTime when = QDateTime::fromString(at, Qt::ISODate);
    return QCoreApplication::translate("Pool", "Digits drawn %1 (columns %2, rows %3)")
        .arg(when.isValid() ? when.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")) : at,
             digits.section(QLatin1Char('/'), 0, 0), digits.section(QLatin1Char('/'), 1));
}

bool Pool::differsOnlyInHeaders(const Pool &other) const
{
    Pool same = other;
    same.headers = headers;
    same.draws = draws; // a draw's record goes with its digits
    return same == *this;
}
