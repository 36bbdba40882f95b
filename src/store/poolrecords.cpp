#include "poolrecords.h"

#include "schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

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

bool PoolRecords::MoveNear(qint64 id)
{
    m_count = -1; // the pools may have changed under the set
    m_currentId = id;
    m_state = State::Row;
    if (seek(QStringLiteral("ID > :current"), QStringLiteral("ID"), true) ||
        seek(QStringLiteral("ID < :current"), QStringLiteral("ID DESC"), true))
        return true;
    m_state = State::Empty;
    return false;
}
