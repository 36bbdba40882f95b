#include "ledger.h"

#include <QHash>

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

} // namespace Ledger
