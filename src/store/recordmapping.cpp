#include "recordmapping.h"

#include <QSet>

namespace RecordMapping {

bool isTrue(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return false;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok && number != 0;
}

bool isProGame(const QString &selectorText)
{
    return selectorText.compare(QLatin1String("Pro"), Qt::CaseInsensitive) == 0;
}

QString selectorText(const QVariant &proCollage)
{
    return isTrue(proCollage) ? QStringLiteral("Pro") : QStringLiteral("COLLAGE");
}

QString isolated(const QString &text)
{
    return QChar(0x2068) + text + QChar(0x2069);
}

QString gameLine(const QVariant &date, const QVariant &team1, const QVariant &team2)
{
    auto text = [](const QVariant &v) { return v.isNull() ? QString() : isolated(v.toString()); };
    return text(date) + QStringLiteral("  ") + text(team1) + QStringLiteral(" VS ") + text(team2);
}

bool isWholeDate(const QString &text)
{
    return text.size() == 10 && QDate::fromString(text, QStringLiteral("MM/dd/yyyy")).isValid();
}

bool isInOtherOrder(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return false;
    bool monthRead = false, dayRead = false;
    const int month = parts[0].toInt(&monthRead);
    const int day = parts[1].toInt(&dayRead);
    return (monthRead && month > 12) || (dayRead && day > 31);
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

bool isProgressStep(const QString &column)
{
    static const QSet<QString> steps = {QStringLiteral("Num2"), QStringLiteral("Num13"),
                                        QStringLiteral("Im10"), QStringLiteral("Im27"),
                                        QStringLiteral("Im48"), QStringLiteral("Im72"),
                                        QStringLiteral("Im85"), QStringLiteral("Im96")};
    return steps.contains(column);
}

} // namespace RecordMapping
