#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class frmScore;
struct sqlite3;
struct sqlite3_stmt;

// The least each measured operation costs when done directly: the same
// SQLite statements through the C API with the same durability, and the
// same texts written straight into the same widgets.
class Floors
{
public:
    explicit Floors(const QString &poolFile);
    ~Floors();
    Floors(const Floors &) = delete;
    Floors &operator=(const Floors &) = delete;

    // Fills a pool file with n realistic pools; every date is shared by
    // exactly three of them.
    static void generate(const QString &poolFile, int n);
    static QString dateOf(int index);

    qint64 firstId();
    // Reads the pool after `after` and writes its texts into the window.
    qint64 moveAndShow(qint64 after, frmScore &window);
    void saveEdited(qint64 id, const QString &square);
    qint64 addNew();
    void searchAndShow(const QString &date, frmScore &window);
    void remove(qint64 id);
    void lockAndUnlock(qint64 id);
    // The list of pools: every key in date order, one page of rows read,
    // and the keys of the pools with a name.
    std::vector<qint64> listKeys();
    void readListPage(const std::vector<qint64> &keys, size_t first);
    int keysNamed(const QString &name);
    // The whole file copied into target in one step.
    void backUp(const QString &target);

private:
    void exec(const char *sql);
    sqlite3_stmt *prepare(const char *sql);
    void showRow(sqlite3_stmt *row, frmScore &window);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_next = nullptr;
    sqlite3_stmt *m_byId = nullptr;
    sqlite3_stmt *m_byDate = nullptr;
    sqlite3_stmt *m_update = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    sqlite3_stmt *m_delete = nullptr;
    sqlite3_stmt *m_password = nullptr;
};
