#include "schema.h"

#include <QHash>
#include <QSet>

namespace Schema {

namespace {

// Names are asked for on every load and save; build each once.
QStringList numbered(const char *prefix, int first, int count)
{
    QStringList names;
    for (int i = first; i < first + count; ++i)
        names << QLatin1String(prefix) + QString::number(i);
    return names;
}

} // namespace

QString numColumn(int index)
{
    static const QStringList names = numbered("Num", 0, kHeaderCount);
    return names.value(index);
}

QString imColumn(int index)
{
    static const QStringList names = numbered("Im", 0, kSquareCount);
    return names.value(index);
}

QString quarterColumn(int q)
{
    static const QStringList names = numbered("Quarter", 1, 4);
    return names.value(q - 1);
}

static const QStringList kBooleans = {QStringLiteral("Quarter"), QStringLiteral("Game"),
                                      QStringLiteral("Half"), QStringLiteral("ProCollage")};

const QStringList &allColumns()
{
    static const QStringList columns = [] {
        QStringList c{kId, kDate};
        for (int i = 0; i < kHeaderCount; ++i)
            c << numColumn(i);
        for (int i = 0; i < kSquareCount; ++i)
            c << imColumn(i);
        c << QStringLiteral("PoolAmount") << QStringLiteral("Quarter") << QStringLiteral("Game")
          << QStringLiteral("Half");
        for (int q = 1; q <= 4; ++q)
            c << quarterColumn(q);
        c << QStringLiteral("Team1") << QStringLiteral("Team2") << QStringLiteral("Score1")
          << QStringLiteral("Score2") << QStringLiteral("ProCollage") << kPassword;
        return c;
    }();
    return columns;
}

bool isBooleanColumn(const QString &name)
{
    return kBooleans.contains(name);
}

bool isColumn(const QString &name)
{
    static const QSet<QString> names(allColumns().cbegin(), allColumns().cend());
    return names.contains(name);
}

QString canonicalColumn(const QString &name)
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> byLowerCase;
        for (const QString &column : allColumns())
            byLowerCase.insert(column.toLower(), column);
        return byLowerCase;
    }();
    return names.value(name.toLower());
}

const QStringList &createStatements()
{
    static const QStringList statements = [] {
        QStringList defs;
        for (const QString &column : allColumns()) {
            if (column == kId)
                defs << QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT");
            else if (isBooleanColumn(column))
                defs << column + QStringLiteral(" INTEGER");
            else
                defs << column + QStringLiteral(" TEXT");
        }
        return QStringList{
            QStringLiteral("CREATE TABLE Football (%1)").arg(defs.join(QStringLiteral(", "))),
            QStringLiteral("CREATE INDEX FootballDate ON Football (Date)")};
    }();
    return statements;
}

} // namespace Schema
