#include "money.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace Money {

namespace {

// The C/POSIX locale has no currency: money is taken as United States English.
QLocale userLocaleFor(const QLocale &locale)
{
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : locale;
}

bool isBlank(QChar c)
{
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F);
}

QString withoutBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            out.append(c);
    return out;
}

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(text, &ok);
    if (ok)
        return value;
    // "$000.00" and other texts written in United States English read back
    // in every locale.
    value = QLocale::c().toDouble(text, &ok);
    if (ok)
        return value;
    return std::nullopt;
}

// The locale's own reading: what a user of that locale types.
std::optional<double> readIn(const QString &text, const QLocale &locale)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    for (const QString &mark :
         {locale.currencySymbol(QLocale::CurrencySymbol),
          locale.currencySymbol(QLocale::CurrencyIsoCode), QStringLiteral("$")}) {
        if (!mark.isEmpty())
            t.remove(mark);
    }
    t = withoutBlanks(t);
    // Whole euros or francs as they are written on price tags: "500,-".
    if (t.endsWith(QLatin1String(",-")) || t.endsWith(QLatin1String(".-")))
        t.chop(2);
    for (const QString &minus : {QStringLiteral("-"), locale.negativeSign()}) {
        if (!negative && !minus.isEmpty() && t.startsWith(minus)) {
            negative = true;
            t = t.mid(minus.size());
        } else if (!negative && !minus.isEmpty() && t.endsWith(minus)) {
            negative = true;
            t.chop(minus.size());
        }
    }
    if (t.isEmpty() || t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+')))
        return std::nullopt;
    const std::optional<double> value = readNumber(t, locale);
    if (!value || !qIsFinite(*value))
        return std::nullopt;
    return negative ? -*value : *value;
}

// The locales whose amounts a pool file shared between users may hold.
const QList<QLocale> &writers()
{
    static const QList<QLocale> locales{QLocale(QLocale::English, QLocale::UnitedStates),
                                        QLocale(QLocale::English, QLocale::UnitedKingdom),
                                        QLocale(QLocale::English, QLocale::India),
                                        QLocale(QLocale::German, QLocale::Germany),
                                        QLocale(QLocale::German, QLocale::Switzerland),
                                        QLocale(QLocale::French, QLocale::France),
                                        QLocale(QLocale::Swedish, QLocale::Sweden),
                                        QLocale(QLocale::Spanish, QLocale::Spain),
                                        QLocale(QLocale::Italian, QLocale::Italy),
                                        QLocale(QLocale::Dutch, QLocale::Netherlands),
                                        QLocale(QLocale::Portuguese, QLocale::Brazil),
                                        QLocale(QLocale::Japanese, QLocale::Japan)};
    return locales;
}

// Blanks of every width count alike, and so do the minus signs.
QString comparable(const QString &text)
{
    QString t = withoutBlanks(text);
    t.replace(QChar(0x2212), QLatin1Char('-'));
    return t;
}

} // namespace

QLocale userLocale()
{
    return userLocaleFor(QLocale());
}

std::optional<double> read(const QString &text, const QLocale &locale)
{
    const QLocale own = userLocaleFor(locale);
    if (const std::optional<double> value = readIn(text, own))
        return value;
    // An amount written under another locale is taken only when that
    // locale writes its value back exactly so: "1.000" is never guessed.
    const QString wanted = comparable(text);
    for (const QLocale &other : writers()) {
        if (other == own)
            continue;
        const std::optional<double> value = readIn(text, other);
        if (value && comparable(currency(*value, other)) == wanted)
            return value;
    }
    return std::nullopt;
}

QString currency(double value, const QLocale &locale)
{
    return userLocaleFor(locale).toCurrencyString(value, QString(), 2);
}

qint64 toCents(double value)
{
    constexpr double kLimit = 1.0e15; // cents, well inside what a double holds exactly
    if (!std::isfinite(value))
        return 0;
    if (std::fabs(value) * 100 >= kLimit)
        return qint64(std::copysign(kLimit, value));
    // The shortest digits that read back as this double are the decimal the
    // user typed: 62.525 rather than 62.52499999999999857891452847979962825775146484375.
    const QString digits = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    qint64 cents =
        whole.toLongLong() * 100 + (fraction + QStringLiteral("00")).left(2).toLongLong();
    if (fraction.size() > 2 && fraction.at(2) >= QLatin1Char('5'))
        ++cents; // the exact rest is at least half a cent
    return value < 0 ? -cents : cents;
}

qint64 share(qint64 cents, int parts)
{
    const qint64 magnitude = (2 * std::llabs(cents) + parts) / (2 * qint64(parts));
    return cents < 0 ? -magnitude : magnitude;
}

qint64 times(qint64 cents, double factor)
{
    if (!std::isfinite(factor))
        return 0;
    // The factor as the decimal it was typed as: digits m and k places, so
    // that cents * factor = cents * m / 10^k exactly before the rounding.
    const QString digits = QString::number(std::fabs(factor), 'f', QLocale::FloatingPointShortest);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const qsizetype places = point < 0 ? 0 : digits.size() - point - 1;
    bool ok = false;
    const qint64 m = QString(digits).remove(QLatin1Char('.')).toLongLong(&ok);
    if (!ok || places > 18)
        return toCents(double(cents) * factor / 100.0);
    __int128 scale = 1;
    for (qsizetype i = 0; i < places; ++i)
        scale *= 10;
    const __int128 product = __int128(std::llabs(cents)) * m;
    const __int128 limit = __int128(1'000'000'000'000'000'000);
    const __int128 magnitude = std::min((2 * product + scale) / (2 * scale), limit);
    const bool negative = (cents < 0) != (factor < 0);
    return negative ? -qint64(magnitude) : qint64(magnitude);
}

QString currencyOfCents(qint64 cents, const QLocale &locale)
{
    return currency(double(cents) / 100.0, locale);
}

std::optional<double> poolAmount(const QString &text, const QLocale &locale)
{
    const std::optional<double> amount = read(text, locale);
    return amount && *amount >= 0 ? amount : std::nullopt;
}

qint64 poolCents(const QString &text, const QLocale &locale)
{
    return toCents(poolAmount(text, locale).value_or(0.0));
}

qint64 payout(qint64 pool, bool perQuarter, bool perHalf)
{
    return perQuarter ? share(pool, 4) : perHalf ? share(pool, 2) : pool;
}

QString clearedAmount(const QLocale &locale)
{
    const QString zero = currencyOfCents(0, locale);
    return zero == QLatin1String("$0.00") ? QStringLiteral("$000.00") : zero;
}

QString examples(const QLocale &locale)
{
    const QLocale own = userLocaleFor(locale);
    return QCoreApplication::translate("Money", "%1 or %2")
        .arg(own.toString(250), own.toString(1000.0, 'f', 2));
}

} // namespace Money
