#include "ledger.h"

#include "store/pooldatabase.h"
#include "store/schema.h"

#include <QHash>
#include <QSqlQuery>

#include <algorithm>

namespace Ledger {

QString keyOf(const QString &name)
{
    // A square of blanks is sold on the board, so its buyer is in the
    // ledger too, known by those blanks.
    const QString trimmed = name.trimmed();
    return trimmed.isEmpty() ? name : trimmed.toCaseFolded();
}

QString nameOf(const QString &square)
{
    const QString trimmed = square.trimmed();
    return trimmed.isEmpty() ? square : trimmed;
}

QList<Player> playersOf(const QStringList &squares)
{
    QList<Player> players;
    QHash<QString, qsizetype> byKey;
    for (int square = 0; square < squares.size(); ++square) {
        const QString key = keyOf(squares[square]);
        if (key.isEmpty())
            continue;
        auto found = byKey.constFind(key);
        if (found == byKey.cend()) {
            found = byKey.insert(key, players.size());
            players.append({nameOf(squares[square]), {}});
        }
        players[*found].squares.append(square);
    }
    std::sort(players.begin(), players.end(), [](const Player &a, const Player &b) {
        return QString::localeAwareCompare(keyOf(a.name), keyOf(b.name)) < 0;
    });
    return players;
}

QStringList regularsOf(PoolDatabase &db, int latestPools)
{
    static const QString sql = [] {
        QStringList columns;
        for (int k = 0; k < Schema::kSquareCount; ++k)
            columns << Schema::imColumn(k);
        return QStringLiteral("SELECT %1 FROM Football ORDER BY ID DESC LIMIT ?")
            .arg(columns.join(QStringLiteral(", ")));
    }();
    QSqlQuery &query = db.prepared(sql);
    query.bindValue(0, latestPools);
    db.run(query);
    QHash<QString, QString> latest; // key to spelling
    while (query.next())
        for (int k = 0; k < Schema::kSquareCount; ++k) {
            const QString name = query.value(k).toString();
            const QString key = keyOf(name);
            if (!name.trimmed().isEmpty() && !latest.contains(key))
                latest.insert(key, name.trimmed());
        }
    query.finish();
    QStringList names = latest.values();
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    return names;
}

} // namespace Ledger
