#include "floors.h"

#include <QFile>

#include "app/frmScore/frmScore.h"
#include "store/pooldatabase.h"
#include "store/schema.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>

#include <sqlite3.h>

#include <stdexcept>

namespace {

const char *const kNames[] = {"Ann",  "Bob",  "Cy",   "Dee", "Ed",  "Flo", "Gus",
                              "Hal",  "Ivy",  "Jo",   "Kim", "Lou", "Max", "Ned",
                              "Olga", "Pete", "Quin", "Roz", "Sal", "Tess"};

void check(int rc, sqlite3 *db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

// Columns written by a save, in the order the window writes them.
QStringList savedColumns(bool withDate)
{
    QStringList columns;
    if (withDate)
        columns << Schema::kDate;
    for (const QString &c : Schema::allColumns())
        if (c != Schema::kId && c != Schema::kDate && c != Schema::kPassword)
            columns << c;
    return columns;
}

void bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    sqlite3_bind_text(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

void bindPool(sqlite3_stmt *statement, const QStringList &columns, int seed)
{
    for (int i = 0; i < columns.size(); ++i) {
        const QString &column = columns[i];
        QString value;
        if (column == Schema::kDate)
            value = Floors::dateOf(seed);
        else if (column.startsWith(QLatin1String("Num")))
            value = QString::number((column.mid(3).toInt() * 7 + seed) % 10);
        else if (column.startsWith(QLatin1String("Im")))
            // Players differ from pool to pool, as they do in real pools.
            value = QStringLiteral("%1 %2")
                        .arg(QLatin1String(kNames[(column.mid(2).toInt() + seed) % 20]))
                        .arg(seed % 997);
        else if (column == QLatin1String("PoolAmount"))
            value = QStringLiteral("$%1.00").arg(100 + seed % 900);
        else if (Schema::isBooleanColumn(column)) {
            sqlite3_bind_int(statement, i + 1, column == QLatin1String("Quarter") ? 1 : 0);
            continue;
        } else if (column.startsWith(QLatin1String("Team")))
            value = QStringLiteral("Team %1").arg(seed % 32);
        else if (column.startsWith(QLatin1String("Score")))
            value = QString::number(seed % 45);
        else
            value = QLatin1String(kNames[seed % 20]);
        bindText(statement, i + 1, value);
    }
}

QString insertSql(const QStringList &columns)
{
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO Football (%1) VALUES (%2)")
        .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

} // namespace

QString Floors::dateOf(int index)
{
    return QDate(1990, 1, 1).addDays(index / 3).toString(QStringLiteral("MM/dd/yyyy"));
}

void Floors::generate(const QString &poolFile, int n)
{
    PoolDatabase::create(poolFile);
    sqlite3 *db = nullptr;
    check(sqlite3_open(poolFile.toUtf8().constData(), &db), db);
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    const QStringList columns = savedColumns(true);
    sqlite3_stmt *insert = nullptr;
    check(sqlite3_prepare_v2(db, insertSql(columns).toUtf8().constData(), -1, &insert, nullptr),
          db);
    for (int i = 0; i < n; ++i) {
        bindPool(insert, columns, i);
        check(sqlite3_step(insert), db);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
    sqlite3_close(db);
}

Floors::Floors(const QString &poolFile)
{
    check(sqlite3_open_v2(poolFile.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr),
          m_db);
    // The program's durability: the journal's deletion reaches the disk too.
    exec("PRAGMA synchronous = EXTRA");
    m_next = prepare("SELECT * FROM Football WHERE ID > ? ORDER BY ID LIMIT 1");
    m_byId = prepare("SELECT * FROM Football WHERE ID = ?");
    m_byDate = prepare("SELECT ID FROM Football WHERE Date = ? ORDER BY ID LIMIT 1");
    QStringList sets;
    for (const QString &c : savedColumns(false))
        sets << c + QStringLiteral(" = ?");
    m_update =
        prepare(QStringLiteral("UPDATE Football SET %1 WHERE ID = ?").arg(sets.join(',')).toUtf8());
    m_insert = prepare(insertSql(savedColumns(true)).toUtf8());
    m_delete = prepare("DELETE FROM Football WHERE ID = ?");
    m_password = prepare("UPDATE Football SET Password = ? WHERE ID = ?");
}

Floors::~Floors()
{
    for (sqlite3_stmt *s : {m_next, m_byId, m_byDate, m_update, m_insert, m_delete, m_password})
        sqlite3_finalize(s);
    sqlite3_close(m_db);
}

sqlite3_stmt *Floors::prepare(const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    check(sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr), m_db);
    return statement;
}

void Floors::exec(const char *sql)
{
    check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), m_db);
}

qint64 Floors::firstId()
{
    sqlite3_bind_int64(m_next, 1, 0);
    qint64 id = 0;
    if (sqlite3_step(m_next) == SQLITE_ROW)
        id = sqlite3_column_int64(m_next, 0);
    sqlite3_reset(m_next);
    return id;
}

void Floors::showRow(sqlite3_stmt *row, frmScore &w)
{
    auto text = [row](int column) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, column)),
                                 sqlite3_column_bytes(row, column));
    };
    // Column order of the table: ID, Date, Num0.., Im0.., PoolAmount, Quarter,
    // Game, Half, Quarter1..4, Team1, Team2, Score1, Score2, ProCollage, Password.
    int c = 0;
    w.txtID->setText(text(c++));
    w.txtGameDate->setText(text(c++));
    for (QLineEdit *header : w.Number)
        header->setText(text(c++));
    for (SquareBox *square : w.Imput)
        square->setText(text(c++));
    w.txtPoolAmount->setText(text(c++));
    c += 3;
    for (QLineEdit *winner : w.Who)
        winner->setText(text(c++));
    w.Combo1[1]->setEditText(text(c));
    w.TeamScore[0]->setText(text(c++));
    w.Combo1[2]->setEditText(text(c));
    w.TeamScore[1]->setText(text(c++));
    w.Score[0]->setText(text(c++));
    w.Score[1]->setText(text(c++));
}

qint64 Floors::moveAndShow(qint64 after, frmScore &window)
{
    sqlite3_bind_int64(m_next, 1, after);
    qint64 id = after;
    if (sqlite3_step(m_next) == SQLITE_ROW) {
        id = sqlite3_column_int64(m_next, 0);
        showRow(m_next, window);
    }
    sqlite3_reset(m_next);
    return id;
}

void Floors::saveEdited(qint64 id, const QString &square)
{
    exec("BEGIN IMMEDIATE");
    const QStringList columns = savedColumns(false);
    bindPool(m_update, columns, int(id));
    bindText(m_update, 1 + int(columns.indexOf(QStringLiteral("Im0"))), square);
    sqlite3_bind_int64(m_update, int(columns.size()) + 1, id);
    check(sqlite3_step(m_update), m_db);
    sqlite3_reset(m_update);
    exec("COMMIT");
}

qint64 Floors::addNew()
{
    exec("BEGIN IMMEDIATE");
    bindPool(m_insert, savedColumns(true), 7);
    check(sqlite3_step(m_insert), m_db);
    sqlite3_reset(m_insert);
    exec("COMMIT");
    return sqlite3_last_insert_rowid(m_db);
}

void Floors::searchAndShow(const QString &date, frmScore &window)
{
    bindText(m_byDate, 1, date);
    qint64 id = 0;
    if (sqlite3_step(m_byDate) == SQLITE_ROW)
        id = sqlite3_column_int64(m_byDate, 0);
    sqlite3_reset(m_byDate);
    sqlite3_bind_int64(m_byId, 1, id);
    if (sqlite3_step(m_byId) == SQLITE_ROW)
        showRow(m_byId, window);
    sqlite3_reset(m_byId);
}

void Floors::remove(qint64 id)
{
    exec("BEGIN IMMEDIATE");
    sqlite3_bind_int64(m_delete, 1, id);
    check(sqlite3_step(m_delete), m_db);
    sqlite3_reset(m_delete);
    exec("COMMIT");
}

void Floors::backUp(const QString &target)
{
    QFile::remove(target);
    sqlite3 *copy = nullptr;
    check(sqlite3_open(QFile::encodeName(target).constData(), &copy), copy);
    sqlite3_backup *backup = sqlite3_backup_init(copy, "main", m_db, "main");
    sqlite3_backup_step(backup, -1);
    check(sqlite3_backup_finish(backup), copy);
    sqlite3_close(copy);
    QFile::remove(target);
}

void Floors::lockAndUnlock(qint64 id)
{
    for (const char *password : {"secret", ""}) {
        exec("BEGIN IMMEDIATE");
        sqlite3_bind_text(m_password, 1, password, -1, SQLITE_STATIC);
        sqlite3_bind_int64(m_password, 2, id);
        check(sqlite3_step(m_password), m_db);
        sqlite3_reset(m_password);
        exec("COMMIT");
    }
}

std::vector<qint64> Floors::listKeys()
{
    sqlite3_stmt *keys = prepare("SELECT ID FROM Football ORDER BY substr(Date, 7, 4) || "
                                 "substr(Date, 1, 2) || substr(Date, 4, 2), ID");
    std::vector<qint64> ids;
    while (sqlite3_step(keys) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(keys, 0));
    sqlite3_finalize(keys);
    return ids;
}

void Floors::readListPage(const std::vector<qint64> &keys, size_t first)
{
    QStringList columns{"ID", "Date", "Team1", "Team2", "PoolAmount", "Password"};
    for (int q = 1; q <= 4; ++q)
        columns << Schema::quarterColumn(q);
    for (int i = 0; i < Schema::kSquareCount; ++i)
        columns << Schema::imColumn(i);
    const QString sql = QStringLiteral("SELECT %1 FROM Football WHERE ID IN (%2)")
                            .arg(columns.join(','), QStringLiteral("?,").repeated(99) + '?');
    sqlite3_stmt *page = prepare(sql.toUtf8().constData());
    for (int i = 0; i < 100; ++i)
        sqlite3_bind_int64(page, i + 1, first + i < keys.size() ? keys[first + i] : -1);
    volatile size_t bytes = 0;
    while (sqlite3_step(page) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(page); ++c)
            bytes = bytes + size_t(sqlite3_column_bytes(page, c));
    sqlite3_finalize(page);
}

int Floors::keysNamed(const QString &name)
{
    QStringList any{"Team1 LIKE ?1", "Team2 LIKE ?1"};
    for (int i = 0; i < Schema::kSquareCount; ++i)
        any << Schema::imColumn(i) + QStringLiteral(" LIKE ?1");
    const QString sql = QStringLiteral("SELECT ID FROM Football WHERE ") + any.join(" OR ");
    sqlite3_stmt *named = prepare(sql.toUtf8().constData());
    bindText(named, 1, '%' + name + '%');
    int count = 0;
    while (sqlite3_step(named) == SQLITE_ROW)
        ++count;
    sqlite3_finalize(named);
    return count;
}
