#pragma once

#include "pooldatabase.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

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

// The one record set the window works through: the pools a query selected,
// in key order, with a current position that may also stand before the first
// (BOF) or after the last pool (EOF). It holds only the key of the current
// pool and reads the neighbours through the table's index, so a move costs
// the same with a hundred pools as with a hundred thousand. A change is
// collected column by column and committed as one statement in one
// transaction: a pool is stored whole or not at all.
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

    // The column's value in the current pool; a null QVariant for Null.
    QVariant Fields(const QString &name);
    // Makes the next Fields read the current pool afresh from the file.
    void Refresh() { m_rowLoaded = false; }

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

    void Edit();
    void AddNew();
    void setField(const QString &name, const QVariant &value);
    // Commits the pending change or new pool; returns its key.
    qint64 Update();
    void Cancel();
    void Delete();

private:
    enum class State
    {
        Empty,
        Bof,
        Row,
        Eof,
        Deleted
    };
    enum class Pending
    {
        None,
        Edit,
        AddNew
    };

    // Runs "SELECT what" over the set's pools, narrowed by condition and
    // limited to the first in order when one is given; throws on failure.
    QSqlQuery &select(const QString &what, const QString &condition, const QString &order,
                      bool withCurrent);
    bool seek(const QString &condition, const QString &order, bool withCurrent);
    void loadRow();
    void requireCurrent() const;

    PoolDatabase &m_db;
    PoolQuery m_query;
    State m_state = State::Empty;
    qint64 m_currentId = 0;
    int m_count = -1;
    bool m_rowLoaded = false;
    QSqlRecord m_row;
    QHash<QString, int> m_columnIndex; // of m_row, built once per record set
    Pending m_pending = Pending::None;
    QList<QPair<QString, QVariant>> m_writes;
    QHash<QString, int> m_writeIndex; // column -> its place in m_writes
};
