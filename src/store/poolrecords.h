#pragma once

#include "pooldatabase.h"

#include <QSqlQuery>
#include <QString>

// Which pools a record set holds. The value of a date criterion is
// always bound as a parameter, never spliced into the statement.
struct PoolQuery
{
    enum class Kind
    {
        All,
        ByDate
    };
    Kind kind = Kind::All;
    QString value;

    static PoolQuery all() { return {}; }
    static PoolQuery byDate(const QString &date) { return {Kind::ByDate, date}; }
};

// The keys of the pools a query selected, in key order, with a current
// position that may also stand before the first (BOF) or after the last pool
// (EOF). It holds only the key of the current pool and reads the neighbours
// through the table's index, so a move costs the same with a hundred pools
// as with a hundred thousand. Pools themselves are loaded and saved whole by
// the repository.
class PoolRecords
{
public:
    PoolRecords(PoolDatabase &database, PoolQuery query);

    const PoolQuery &query() const { return m_query; }

    int RecordCount();
    // Whether the set holds no pool; cheaper than counting them.
    bool isEmpty();
    // BOF and EOF of the record set; EOF itself is a C library macro.
    bool atBOF() const { return m_state == State::Bof || m_state == State::Empty; }
    bool atEOF() const { return m_state == State::Eof || m_state == State::Empty; }
    bool hasCurrent() const { return m_state == State::Row; }
    qint64 currentId() const { return m_currentId; }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Stands on the pool with this key when the set holds it; returns
    // whether it does.
    bool MoveTo(qint64 id);
    // Stands on the first pool after the key, else on the last before it
    // (the neighbours of a pool just removed); false when the set is empty.
    bool MoveNear(qint64 id);

private:
    enum class State
    {
        Empty,
        Bof,
        Row,
        Eof
    };

    // Runs "SELECT what" over the set's pools, narrowed by condition and
    // limited to the first in order when one is given; throws on failure.
    QSqlQuery &select(const QString &what, const QString &condition, const QString &order,
                      bool withCurrent);
    bool seek(const QString &condition, const QString &order, bool withCurrent);

    PoolDatabase &m_db;
    PoolQuery m_query;
    State m_state = State::Empty;
    qint64 m_currentId = 0;
    int m_count = -1;
};
