#include "schema.h"

#include <QSet>

namespace Schema {

QString numColumn(int index) { return QStringLiteral("Num%1").arg(index); }
QString imColumn(int index) { return QStringLiteral("Im%1").arg(index); }
QString quarterColumn(int q) { return QStringLiteral("Quarter%1").arg(q); }

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

bool isBooleanColumn(const QString &name) { return kBooleans.contains(name); }

bool isColumn(const QString &name)
{
    static const QSet<QString> names(allColumns().cbegin(), allColumns().cend());
    return names.contains(name);
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
