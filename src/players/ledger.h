#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PoolDatabase;

// Who bought which squares, from the names on a board: the rules of the
// players' ledger that need no widget.
namespace Ledger {

struct Player
{
    QString name;       // as first written on the board
    QList<int> squares; // 0 to 99, in the board's order
};

// The key a player is known by: the name without surrounding blanks and
// without regard to letter case; a name of blanks only is its blanks. Empty
// for an empty square.
QString keyOf(const QString &name);

// A name as the ledger shows it: without surrounding blanks, or its blanks
// when it has nothing else.
QString nameOf(const QString &square);

// One entry per player on the board (the hundred squares' texts), sorted
// by name; empty squares are nobody's.
QList<Player> playersOf(const QStringList &squares);

// The players of the latest pools (by key), each in its latest spelling,
// sorted: the regulars a new board is offered. Throws PoolError.
QStringList regularsOf(PoolDatabase &db, int latestPools = 52);

} // namespace Ledger
