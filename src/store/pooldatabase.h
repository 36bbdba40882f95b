#pragma once

#include "poolerror.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

class QSqlError;
class QSqlRecord;
struct sqlite3;

// The open pool file. Opening never creates anything: a missing, foreign or
// broken file is refused with a PoolError that names it, so start-up can tell
// the user exactly what is wrong. Creating an empty pool file is a separate,
// explicit step that never touches an existing file.
class PoolDatabase
{
public:
    // Each instance has a connection of its own, so two stores (a test's
    // second copy of the program, say) never share one.
    explicit PoolDatabase(QString connectionName = QString());
    ~PoolDatabase();
    PoolDatabase(const PoolDatabase &) = delete;
    PoolDatabase &operator=(const PoolDatabase &) = delete;

    // Opens an existing pool file and checks that it holds the pool table
    // with every column. Throws PoolError.
    void open(const QString &filePath);
    void close();
    bool isOpen() const;
    QString filePath() const { return m_filePath; }
    QString connectionName() const { return m_connectionName; }

    // Writes an empty pool file at filePath, creating its folder when needed.
    // Throws PoolError when a file or folder of that name exists.
    static void create(const QString &filePath);

    // A statement prepared once and reused; the text must be built from
    // schema names only.
    QSqlQuery &prepared(const QString &sql);

    // Executes a prepared statement; on failure finishes it and throws.
    void run(QSqlQuery &query);

    // Runs a statement without values (transaction control). Throws.
    void execute(const QString &sql);

    // Runs one change inside its own transaction: committed whole, or rolled
    // back whole when any step fails (the failure is passed on).
    template <typename Change> void inTransaction(Change change)
    {
        execute(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            change();
            execute(QStringLiteral("COMMIT"));
        } catch (...) {
            try {
                execute(QStringLiteral("ROLLBACK"));
            } catch (const PoolError &) {
                // The engine rolls back by itself when a statement failed hard.
            }
            throw;
        }
    }

    // The longest text of a pool that is shown: a name in a square or a box
    // is a few dozen characters, and a text of millions takes the window
    // minutes and gigabytes to lay out.
    static constexpr qsizetype kMaxText = 65536;
    // Refuses a loaded row of the pool table that holds a longer text, and
    // such a text to be stored (it could not be shown again). Throw PoolError.
    static void checkSizes(const QSqlRecord &row, qint64 id, const QString &path);
    static void checkSize(const QString &column, const QVariant &value);

    // Turns a failure of the engine into the error users are shown.
    static PoolError errorFrom(const QSqlError &error, const QString &path);

    // The engine's own connection, for what Qt's driver does not offer (the
    // backup); null when closed.
    sqlite3 *handle() const;

private:
    void applySafeSettings();
    void checkSchema();

    QString m_connectionName;
    QString m_filePath;
    QSqlDatabase m_db;
    QHash<QString, QSqlQuery> m_statements;
};
