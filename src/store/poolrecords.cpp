#include "poolrecords.h"

#include "players/payments.h"
#include "schema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

PoolError noCurrentRecord()
{
    return PoolError(ErrorNumber::NoCurrentRecord, kStoreSource,
                     QStringLiteral("No current record."));
}

} // namespace

PoolRecords::PoolRecords(PoolDatabase &database, PoolQuery query)
    : m_db(database), m_query(std::move(query))
{
    m_state = State::Bof;
    if (!seek(QString(), QStringLiteral("ID"), false))
        m_state = State::Empty;
}

QSqlQuery &PoolRecords::select(const QString &what, const QString &condition, const QString &order,
                               bool withCurrent)
{
    QStringList where;
    if (m_query.kind == PoolQuery::Kind::ByDate)
        where << QStringLiteral("Date = :criterion");
    if (!condition.isEmpty())
        where << condition;
    QString sql = QStringLiteral("SELECT %1 FROM Football").arg(what);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order + QStringLiteral(" LIMIT 1");

    QSqlQuery &query = m_db.prepared(sql);
    if (m_query.kind != PoolQuery::Kind::All)
        query.bindValue(QStringLiteral(":criterion"), m_query.value);
    if (withCurrent)
        query.bindValue(QStringLiteral(":current"), m_currentId);
    m_db.run(query);
    return query;
}

bool PoolRecords::seek(const QString &condition, const QString &order, bool withCurrent)
{
    QSqlQuery &query = select(QStringLiteral("ID"), condition, order, withCurrent);
    const bool found = query.next();
    if (found) {
        m_currentId = query.value(0).toLongLong();
        m_state = State::Row;
        m_rowLoaded = false;
    }
    query.finish();
    return found;
}

int PoolRecords::RecordCount()
{
    if (m_count < 0) {
        QSqlQuery &query = select(QStringLiteral("COUNT(*)"), QString(), QString(), false);
        query.next();
        m_count = query.value(0).toInt();
        query.finish();
    }
    return m_count;
}

bool PoolRecords::isEmpty()
{
    if (m_state == State::Row)
        return false;
    if (m_state == State::Empty)
        return true;
    if (m_count >= 0)
        return m_count == 0;
    QSqlQuery &query = select(QStringLiteral("ID"), QString(), QStringLiteral("ID"), false);
    const bool empty = !query.next();
    query.finish();
    return empty;
}

void PoolRecords::requireCurrent() const
{
    if (m_state != State::Row)
        throw noCurrentRecord();
}

void PoolRecords::loadRow()
{
    if (m_rowLoaded)
        return;
    QSqlQuery &query = m_db.prepared(QStringLiteral("SELECT * FROM Football WHERE ID = :id"));
    query.bindValue(QStringLiteral(":id"), m_currentId);
    m_db.run(query);
    if (!query.next()) {
        // Another program removed the pool under us.
        query.finish();
        throw noCurrentRecord();
    }
    m_row = query.record();
    query.finish();
    PoolDatabase::checkSizes(m_row, m_currentId, m_db.filePath());
    m_rowLoaded = true;
}

QVariant PoolRecords::Fields(const QString &name)
{
    requireCurrent();
    loadRow();
    if (m_columnIndex.isEmpty()) {
        // Keyed by the schema's spelling, whatever case the file uses.
        for (int i = 0; i < m_row.count(); ++i)
            m_columnIndex.insert(Schema::canonicalColumn(m_row.fieldName(i)), i);
    }
    const int index = m_columnIndex.value(name, -1);
    if (index < 0)
        throw PoolError(ErrorNumber::MissingColumn, kStoreSource,
                        QStringLiteral("Item not found in this collection: %1.").arg(name));
    return m_row.value(index);
}

void PoolRecords::MoveFirst()
{
    if (m_state == State::Empty || !seek(QString(), QStringLiteral("ID"), false)) {
        m_state = State::Empty;
        throw noCurrentRecord();
    }
}

void PoolRecords::MoveLast()
{
    if (m_state == State::Empty || !seek(QString(), QStringLiteral("ID DESC"), false)) {
        m_state = State::Empty;
        throw noCurrentRecord();
    }
}

void PoolRecords::MoveNext()
{
    switch (m_state) {
    case State::Empty:
    case State::Eof:
        throw noCurrentRecord();
    case State::Bof:
        if (!seek(QString(), QStringLiteral("ID"), false))
            m_state = State::Eof;
        return;
    case State::Row:
    case State::Deleted:
        if (!seek(QStringLiteral("ID > :current"), QStringLiteral("ID"), true))
            m_state = State::Eof;
        return;
    }
}

void PoolRecords::MovePrevious()
{
    switch (m_state) {
    case State::Empty:
    case State::Bof:
        throw noCurrentRecord();
    case State::Eof:
        if (!seek(QString(), QStringLiteral("ID DESC"), false))
            m_state = State::Bof;
        return;
    case State::Row:
    case State::Deleted:
        if (!seek(QStringLiteral("ID < :current"), QStringLiteral("ID DESC"), true))
            m_state = State::Bof;
        return;
    }
}

bool PoolRecords::MoveTo(qint64 id)
{
    const qint64 previous = m_currentId;
    const State previousState = m_state;
    m_currentId = id;
    if (seek(QStringLiteral("ID = :current"), QStringLiteral("ID"), true))
        return true;
    m_currentId = previous;
    m_state = previousState;
    return false;
}

void PoolRecords::Edit()
{
    requireCurrent();
    m_pending = Pending::Edit;
    m_writes.clear();
    m_writeIndex.clear();
}

void PoolRecords::AddNew()
{
    m_pending = Pending::AddNew;
    m_writes.clear();
    m_writeIndex.clear();
}

void PoolRecords::setField(const QString &name, const QVariant &value)
{
    if (m_pending == Pending::None)
        throw PoolError(ErrorNumber::StoreFailure, kStoreSource,
                        QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    if (!Schema::isColumn(name) || name == Schema::kId)
        throw PoolError(ErrorNumber::MissingColumn, kStoreSource,
                        QStringLiteral("Item not found in this collection: %1.").arg(name));
    // An empty text is stored as the empty text, never as Null: Null means
    // "no value" to the loader, which would leave the control as it was.
    QVariant stored = value;
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        stored = QVariant(QString::fromLatin1(""));
    PoolDatabase::checkSize(name, stored);
    const auto known = m_writeIndex.constFind(name);
    if (known != m_writeIndex.cend()) {
        m_writes[known.value()].second = stored;
        return;
    }
    m_writeIndex.insert(name, int(m_writes.size()));
    m_writes.append({name, stored});
}

qint64 PoolRecords::Update()
{
    if (m_pending == Pending::None)
        throw PoolError(ErrorNumber::StoreFailure, kStoreSource,
                        QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    if (m_pending == Pending::Edit)
        requireCurrent();

    QStringList names;
    for (const auto &write : m_writes)
        names << write.first;
    QString sql;
    if (m_pending == Pending::AddNew) {
        if (names.isEmpty()) {
            sql = QStringLiteral("INSERT INTO Football DEFAULT VALUES");
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO Football (%1) VALUES (%2)")
                      .arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
    } else {
        QStringList sets;
        for (const QString &name : names)
            sets << name + QStringLiteral(" = ?");
        if (sets.isEmpty())
            sets << QStringLiteral("ID = ID");
        sql = QStringLiteral("UPDATE Football SET %1 WHERE ID = ?")
                  .arg(sets.join(QStringLiteral(", ")));
    }

    qint64 id = m_currentId;
    m_db.inTransaction([&] {
        QSqlQuery &query = m_db.prepared(sql);
        int position = 0;
        for (const auto &write : m_writes)
            query.bindValue(position++, write.second);
        if (m_pending == Pending::Edit)
            query.bindValue(position, m_currentId);
        m_db.run(query);
        if (m_pending == Pending::AddNew)
            id = query.lastInsertId().toLongLong();
        else if (query.numRowsAffected() != 1) {
            query.finish();
            throw noCurrentRecord();
        }
        query.finish();
    });
    if (m_pending == Pending::AddNew && m_count >= 0)
        ++m_count;
    Cancel();
    m_rowLoaded = false;
    return id;
}

void PoolRecords::Cancel()
{
    m_pending = Pending::None;
    m_writes.clear();
    m_writeIndex.clear();
}

void PoolRecords::Delete()
{
    requireCurrent();
    m_db.inTransaction([this] {
        QSqlQuery &query = m_db.prepared(QStringLiteral("DELETE FROM Football WHERE ID = :id"));
        query.bindValue(QStringLiteral(":id"), m_currentId);
        m_db.run(query);
        query.finish();
        Payments::dropPool(m_db, m_currentId); // who paid goes with the pool
    });
    m_state = State::Deleted;
    m_rowLoaded = false;
    if (m_count > 0)
        --m_count;
}
