#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

class PoolDatabase;

// Who has paid for the squares of a pool, kept in a table of its own beside
// the pools, made the first time a payment is written: older pool files
// work unchanged and the pool table is never altered. Players are known by
// their ledger key. Every change is one transaction; failures throw
// PoolError.
namespace Payments {

// The keys of the players of the pool who have paid; none when the table
// does not exist yet.
QSet<QString> paidOf(PoolDatabase &db, qint64 pool);
// A tick: paid in full, or nothing paid; either way no part payment.
void setPaid(PoolDatabase &db, qint64 pool, const QString &player, bool paid);
// What each player who has paid anything paid: nullopt for in full (a tick,
// as every payment of older files reads), else the cents of a part payment.
QHash<QString, std::optional<qint64>> paymentsOf(PoolDatabase &db, qint64 pool);
// A part payment in cents, the tick taken off; 0 for nothing paid.
void setPart(PoolDatabase &db, qint64 pool, const QString &player, qint64 cents);
// Within the caller's transaction: moves a player's payment to another key
// (a spelling corrected on the board), replacing any row of that key.
void carry(PoolDatabase &db, qint64 pool, const QString &from, const QString &to);
// Within the caller's transaction: drops the payments of players no longer
// on the pool's board.
void keepOnly(PoolDatabase &db, qint64 pool, const QSet<QString> &players);
// Within the caller's transaction: the payments of a pool that goes.
void dropPool(PoolDatabase &db, qint64 pool);

} // namespace Payments
