#include "poolrepository.h"

#include "payoutdata.h"
#include "players/payments.h"
#include "pooldatabase.h"
#include "recordmapping.h"
#include "schema.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// The pool's value of each column but ID, in the schema's order; the
// flags as numbers, a missing text as Null.
QVariantList columnValues(const Pool &pool)
{
    const auto text = [](const Pool::Text &value) {
        if (!value)
            return QVariant(QMetaType::fromType<QString>());
        // An empty text is stored as the empty text: Null means "no value".
        return QVariant(value->isNull() ? QString::fromLatin1("") : *value);
    };
    const auto flag = [](bool set) { return QVariant(set ? 1 : 0); };
    QVariantList values{text(pool.date)};
    for (const Pool::Text &header : pool.headers)
        values << text(header);
    for (const Pool::Text &square : pool.squares)
        values << text(square);
    values << text(pool.amount) << flag(pool.perQuarter) << flag(pool.perGame)
           << flag(pool.perHalf);
    for (const Pool::Text &winner : pool.winners)
        values << text(winner);
    values << text(pool.team1) << text(pool.team2) << text(pool.score1) << text(pool.score2)
           << flag(pool.pro) << text(pool.password);
    return values;
}

// The schema's place of each field of a row, worked out once per shape of
// row: a file from another tool may order or spell its columns its own way.
const QList<int> &placesOf(const QSqlRecord &row)
{
    static QStringList names;
    static QList<int> places;
    bool same = names.size() == row.count();
    for (int i = 0; same && i < row.count(); ++i)
        same = names[i] == row.fieldName(i);
    if (!same) {
        names.clear();
        places.clear();
        for (int i = 0; i < row.count(); ++i) {
            names << row.fieldName(i);
            places << int(Schema::allColumns().indexOf(Schema::canonicalColumn(names.last())));
        }
    }
    return places;
}

Pool poolFrom(const QSqlRecord &row)
{
    // By the schema's order: ID, Date, Num0..19, Im0..99, PoolAmount,
    // Quarter, Game, Half, Quarter1..4, Team1, Team2, Score1, Score2,
    // ProCollage, Password.
    std::array<QVariant, Schema::kColumnCount> values;
    const QList<int> &places = placesOf(row);
    for (int i = 0; i < row.count(); ++i)
        if (places[i] >= 0)
            values[size_t(places[i])] = row.value(i);
    int next = 0;
    const auto text = [&]() -> Pool::Text {
        const QVariant &value = values[size_t(next++)];
        return value.isNull() ? std::nullopt : Pool::Text(value.toString());
    };
    const auto flag = [&] { return RecordMapping::isTrue(values[size_t(next++)]); };
    Pool pool;
    pool.id = values[size_t(next++)].toLongLong();
    pool.date = text();
    for (Pool::Text &header : pool.headers)
        header = text();
    for (Pool::Text &square : pool.squares)
        square = text();
    pool.amount = text();
    pool.perQuarter = flag();
    pool.perGame = flag();
    pool.perHalf = flag();
    for (Pool::Text &winner : pool.winners)
        winner = text();
    pool.team1 = text();
    pool.team2 = text();
    pool.score1 = text();
    pool.score2 = text();
    pool.pro = flag();
    pool.password = text();
    return pool;
}

const QString &insertStatement()
{
    static const QString sql = [] {
        const QStringList columns = Schema::allColumns().mid(1);
        return QStringLiteral("INSERT INTO Football (%1) VALUES (%2)")
            .arg(columns.join(QStringLiteral(", ")),
                 QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    }();
    return sql;
}

const QString &updateStatement()
{
    static const QString sql = [] {
        QStringList sets;
        for (const QString &column : Schema::allColumns().mid(1))
            sets << column + QStringLiteral(" = ?");
        return QStringLiteral("UPDATE Football SET %1 WHERE ID = ?")
            .arg(sets.join(QStringLiteral(", ")));
    }();
    return sql;
}

// A file from another tool may hold one key twice; a change of one pool
// must then not reach the other.
PoolError sharedKey(qint64 id)
{
    return PoolError(ErrorNumber::StoreFailure, kStoreSource,
                     QCoreApplication::translate(
                         "PoolError", "More than one pool in the pool file has the number %1, so "
                                      "this pool cannot be changed or deleted alone. Nothing was "
                                      "changed.")
                         .arg(id));
}

} // namespace

Pool PoolRepository::load(qint64 id)
{
    QSqlQuery &query = m_db.prepared(QStringLiteral("SELECT * FROM Football WHERE ID = ?"));
    query.bindValue(0, id);
    m_db.run(query);
    if (!query.next()) {
        query.finish();
        throw noCurrentRecord();
    }
    const QSqlRecord row = query.record();
    query.finish();
    PoolDatabase::checkSizes(row, id, m_db.filePath());
    Pool pool = poolFrom(row);
    pool.paid = Payments::paidOf(m_db, id);
    PayoutData::load(m_db, pool);
    return pool;
}

qint64 PoolRepository::save(const Pool &pool, const QHash<QString, QString> &carried)
{
    qint64 id = pool.id;
    // A text too long to be shown again is not stored: the pool would no
    // longer load.
    const QVariantList values = columnValues(pool);
    for (int i = 0; i < values.size(); ++i)
        PoolDatabase::checkSize(Schema::allColumns()[i + 1], values[i]);
    m_db.inTransaction([&] {
        QSqlQuery &query = m_db.prepared(id == 0 ? insertStatement() : updateStatement());
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (id != 0)
            query.bindValue(int(values.size()), id);
        m_db.run(query);
        const int changed = query.numRowsAffected();
        if (id == 0)
            id = query.lastInsertId().toLongLong();
        query.finish();
        if (changed == 0)
            throw noCurrentRecord(); // another program removed it
        if (changed > 1)
            throw sharedKey(id);
        // A name no longer on the board has no payment, unless the user
        // carried it to the name's new spelling.
        for (auto it = carried.cbegin(); it != carried.cend(); ++it)
            Payments::carry(m_db, id, it.key(), it.value());
        Payments::keepOnly(m_db, id, pool.players());
        PayoutData::store(m_db, id, pool);
    });
    return id;
}

void PoolRepository::remove(qint64 id)
{
    m_db.inTransaction([&] {
        QSqlQuery &query = m_db.prepared(QStringLiteral("DELETE FROM Football WHERE ID = ?"));
        query.bindValue(0, id);
        m_db.run(query);
        const int removed = query.numRowsAffected();
        query.finish();
        if (removed == 0)
            throw noCurrentRecord();
        if (removed > 1)
            throw sharedKey(id);
        Payments::dropPool(m_db, id); // who paid goes with the pool
        PayoutData::dropPool(m_db, id);
    });
}

void PoolRepository::setPassword(qint64 id, const QString &password)
{
    m_db.inTransaction([&] {
        QSqlQuery &query =
            m_db.prepared(QStringLiteral("UPDATE Football SET Password = ? WHERE ID = ?"));
        query.bindValue(0, password.isNull() ? QString::fromLatin1("") : password);
        query.bindValue(1, id);
        m_db.run(query);
        const int changed = query.numRowsAffected();
        query.finish();
        if (changed == 0)
            throw noCurrentRecord();
        if (changed > 1)
            throw sharedKey(id);
    });
}

Pool::Text PoolRepository::password(qint64 id)
{
    QSqlQuery &query = m_db.prepared(QStringLiteral("SELECT Password FROM Football WHERE ID = ?"));
    query.bindValue(0, id);
    m_db.run(query);
    if (!query.next()) {
        query.finish();
        throw noCurrentRecord();
    }
    const QVariant value = query.value(0);
    query.finish();
    return value.isNull() ? std::nullopt : Pool::Text(value.toString());
}

void PoolRepository::setPaid(qint64 id, const QString &player, bool paid)
{
    Payments::setPaid(m_db, id, player, paid);
}
