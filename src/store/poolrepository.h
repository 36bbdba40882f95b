#pragma once

#include "pool/pool.h"

class PoolDatabase;

// Pools in and out of the pool file, each whole: a load reads the row and
// the pool's side data, a save writes them in one transaction, so a pool is
// never half stored and nothing of another pool is touched. Failures throw
// PoolError, with the file left as it was.
class PoolRepository
{
public:
    explicit PoolRepository(PoolDatabase &db) : m_db(db) {}

    // The pool with this key; 3021 when the file holds none.
    Pool load(qint64 id);
    // Stores a pool with no key as a new one, else changes exactly the row
    // of its key; returns the key. Payments of players no longer on its
    // board go with the same commit.
    // carried: payments to move to a new key (old key to new) before the
    // payments of players gone from the board are dropped.
    qint64 save(const Pool &pool, const QHash<QString, QString> &carried = {});
    // Removes exactly the row of this key and its side data, or refuses.
    void remove(qint64 id);
    // The password alone, as LOCK and UNLOCK store and read it: the rest
    // of a pool on show is what the file holds already.
    void setPassword(qint64 id, const QString &password);
    Pool::Text password(qint64 id);
    // A tick in the ledger, stored at once.
    void setPaid(qint64 id, const QString &player, bool paid);

private:
    PoolDatabase &m_db;
};
