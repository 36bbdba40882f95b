#include "payments.h"

#include "store/pooldatabase.h"

#include <QSqlQuery>
#include <QVariant>

namespace Payments {
namespace {

const QString kCreate = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Payments (PoolID INTEGER NOT NULL, Player TEXT NOT NULL, "
    "Paid INTEGER NOT NULL DEFAULT 0, Amount INTEGER, PRIMARY KEY (PoolID, Player))");
// Files of earlier versions have the table without the part payments.
const QString kHasAmount =
    QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('Payments') WHERE name = 'Amount'");
const QString kAddAmount = QStringLiteral("ALTER TABLE Payments ADD COLUMN Amount INTEGER");
const QString kPayments = QStringLiteral(
    "SELECT Player, Paid, Amount FROM Payments WHERE PoolID = ? AND (Paid <> 0 OR Amount > 0)");
const QString kTicks = QStringLiteral("SELECT Player, Paid, NULL FROM Payments WHERE PoolID = ? "
                                      "AND Paid <> 0");
const QString kSetPart =
    QStringLiteral("INSERT INTO Payments (PoolID, Player, Paid, Amount) VALUES (?, ?, 0, ?) "
                   "ON CONFLICT (PoolID, Player) DO UPDATE SET Paid = 0, Amount = excluded.Amount");
const QString kClearPart =
    QStringLiteral("UPDATE Payments SET Amount = NULL WHERE PoolID = ? AND Player = ?");
const QString kExists =
    QStringLiteral("SELECT COUNT(*) FROM sqlite_schema WHERE type = 'table' AND name = 'Payments'");
const QString kPaid = QStringLiteral("SELECT Player FROM Payments WHERE PoolID = ? AND Paid <> 0");
const QString kSet =
    QStringLiteral("INSERT INTO Payments (PoolID, Player, Paid) VALUES (?, ?, ?) "
                   "ON CONFLICT (PoolID, Player) DO UPDATE SET Paid = excluded.Paid");
const QString kPlayers = QStringLiteral("SELECT Player FROM Payments WHERE PoolID = ?");
const QString kDrop = QStringLiteral("DELETE FROM Payments WHERE PoolID = ? AND Player = ?");
const QString kCarry =
    QStringLiteral("UPDATE Payments SET Player = ? WHERE PoolID = ? AND Player = ?");
const QString kDropPool = QStringLiteral("DELETE FROM Payments WHERE PoolID = ?");

// Whether a schema question (a COUNT) finds anything.
bool found(PoolDatabase &db, const QString &sql)
{
    QSqlQuery &query = db.prepared(sql);
    db.run(query);
    const bool any = query.next() && query.value(0).toInt() > 0;
    query.finish();
    return any;
}
bool exists(PoolDatabase &db)
{
    return found(db, kExists);
}
bool hasAmount(PoolDatabase &db)
{
    return found(db, kHasAmount);
}

QStringList column(PoolDatabase &db, const QString &sql, qint64 pool)
{
    QStringList values;
    QSqlQuery &query = db.prepared(sql);
    query.bindValue(0, pool);
    db.run(query);
    while (query.next())
        values << query.value(0).toString();
    query.finish();
    return values;
}

} // namespace

QSet<QString> paidOf(PoolDatabase &db, qint64 pool)
{
    if (!exists(db))
        return {};
    const QStringList players = column(db, kPaid, pool);
    return QSet<QString>(players.begin(), players.end());
}

void setPaid(PoolDatabase &db, qint64 pool, const QString &player, bool paid)
{
    db.inTransaction([&] {
        db.execute(kCreate);
        QSqlQuery &query = db.prepared(kSet);
        query.bindValue(0, pool);
        query.bindValue(1, player);
        query.bindValue(2, paid ? 1 : 0);
        db.run(query);
        query.finish();
        if (hasAmount(db)) {
            QSqlQuery &clear = db.prepared(kClearPart);
            clear.bindValue(0, pool);
            clear.bindValue(1, player);
            db.run(clear);
            clear.finish();
        }
    });
}

QHash<QString, std::optional<qint64>> paymentsOf(PoolDatabase &db, qint64 pool)
{
    QHash<QString, std::optional<qint64>> paid;
    if (!exists(db))
        return paid;
    QSqlQuery &query = db.prepared(hasAmount(db) ? kPayments : kTicks);
    query.bindValue(0, pool);
    db.run(query);
    while (query.next())
        paid.insert(query.value(0).toString(), query.value(1).toInt() != 0
                                                   ? std::nullopt
                                                   : std::optional(query.value(2).toLongLong()));
    query.finish();
    return paid;
}

void setPart(PoolDatabase &db, qint64 pool, const QString &player, qint64 cents)
{
    db.inTransaction([&] {
        db.execute(kCreate);
        if (!hasAmount(db))
            db.execute(kAddAmount);
        QSqlQuery &query = db.prepared(kSetPart);
        query.bindValue(0, pool);
        query.bindValue(1, player);
        query.bindValue(2, cents > 0 ? QVariant(cents) : QVariant());
        db.run(query);
        query.finish();
    });
}

void keepOnly(PoolDatabase &db, qint64 pool, const QSet<QString> &players)
{
    if (!exists(db))
        return;
    QStringList gone;
    for (const QString &player : column(db, kPlayers, pool))
        if (!players.contains(player))
            gone << player;
    for (const QString &player : gone) {
        QSqlQuery &query = db.prepared(kDrop);
        query.bindValue(0, pool);
        query.bindValue(1, player);
        db.run(query);
        query.finish();
    }
}

void carry(PoolDatabase &db, qint64 pool, const QString &from, const QString &to)
{
    if (!exists(db))
        return;
    QSqlQuery &drop = db.prepared(kDrop);
    drop.bindValue(0, pool);
    drop.bindValue(1, to);
    db.run(drop);
    drop.finish();
    QSqlQuery &move = db.prepared(kCarry);
    move.bindValue(0, to);
    move.bindValue(1, pool);
    move.bindValue(2, from);
    db.run(move);
    move.finish();
}

void dropPool(PoolDatabase &db, qint64 pool)
{
    if (!exists(db))
        return;
    QSqlQuery &query = db.prepared(kDropPool);
    query.bindValue(0, pool);
    db.run(query);
    query.finish();
}

} // namespace Payments
