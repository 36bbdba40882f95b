#include "money.h"

namespace Money {

QLocale userLocale()
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

namespace {

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
    // The locale's group separator may be a blank the user left out.
    QLocale lenient = locale;
    lenient.setNumberOptions(QLocale::DefaultNumberOptions);
    value = lenient.toDouble(text, &ok);
    if (ok)
        return value;
    // "$000.00" and other texts the program itself wrote in United States
    // English read back in every locale.
    value = QLocale::c().toDouble(text, &ok);
    if (ok)
        return value;
    return std::nullopt;
}

} // namespace

std::optional<double> read(const QString &text, const QLocale &locale)
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

QString currency(double value, const QLocale &locale)
{
    return locale.toCurrencyString(value, QString(), 2);
}

QString plain(double value, const QLocale &locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'f', 2);
}

} // namespace Money
