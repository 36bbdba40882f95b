#include "poolstore.h"

#include "schema.h"

#include <QCoreApplication>
#include <QDir>

PoolStore::PoolStore() = default;
PoolStore::~PoolStore()
{
    m_records.reset();
    m_database.close();
}

QString PoolStore::poolFilePath(const QString &dataDir)
{
    return QDir(dataDir).filePath(Schema::kFileName);
}

void PoolStore::OpenDB(const QString &dataDir)
{
    m_records.reset();
    m_database.open(poolFilePath(dataDir));
}

bool PoolStore::OpenRecordSet(const PoolQuery &query)
{
    if (!m_database.isOpen())
        return false;
    try {
        m_records = std::make_unique<PoolRecords>(m_database, query);
        return true;
    } catch (const PoolError &) {
        return false;
    }
}

void PoolStore::OpenAllPoolsAt(qint64 id)
{
    if (!m_database.isOpen())
        throw noCurrentRecord();
    auto records = std::make_unique<PoolRecords>(m_database, PoolQuery::all());
    if (!records->MoveTo(id))
        throw noCurrentRecord();
    m_records = std::move(records);
}
