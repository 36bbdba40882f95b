#pragma once

#include "pooldatabase.h"
#include "poolrecords.h"

#include <memory>

// Owns the open pool file and the one record set every command works
// through, for the life of the program.
class PoolStore
{
public:
    PoolStore();
    ~PoolStore();

    static QString poolFilePath(const QString &dataDir);

    // Opens the pool file of the data folder. Throws PoolError.
    void OpenDB(const QString &dataDir);

    // Replaces the record set by one on the given query. A failure leaves
    // the record set as it was and is only returned, never reported.
    bool OpenRecordSet(const PoolQuery &query);

    // Re-opens the record set on all pools, standing on the pool with this
    // key, so that the moves reach every pool again from the one on show.
    // Throws the store's error, or 3021 when no pool has the key; on any
    // failure the record set stays as it was, never standing elsewhere.
    void OpenAllPoolsAt(qint64 id);

    // Drops the record set, so that no command can act on a pool that is not
    // the one on show.
    void CloseRecordSet() { m_records.reset(); }

    // The current record set; null until the first OpenRecordSet succeeds.
    PoolRecords *records() const { return m_records.get(); }
    PoolDatabase &database() { return m_database; }

private:
    PoolDatabase m_database;
    std::unique_ptr<PoolRecords> m_records;
};
