#include "pooldatabase.h"

#include "schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

#include <sqlite3.h>

#include <atomic>

namespace {

// SQLite's primary result codes that users meet in practice.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoErr = 10;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADb = 26;
// The extended codes of a failed read, as against a failed write or sync.
constexpr int kSqliteIoErrRead = 266;
constexpr int kSqliteIoErrShortRead = 522;
// A journal that may not be made: the folder, not the file, is read-only.
constexpr int kSqliteReadOnlyDirectory = 1544;

QString uriFor(const QString &path, const char *mode)
{
    QString uri =
        QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    return uri + QStringLiteral("?mode=") + QLatin1String(mode);
}

QSqlDatabase connect(const QString &name, const QString &path, const char *mode)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(uriFor(path, mode));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
    return db;
}

PoolError invalidPath(const QString &path)
{
    return PoolError(ErrorNumber::InvalidPath, kStoreSource,
                     QCoreApplication::translate(
                         "PoolError", "'%1' is not a valid path. Check that the folder exists and "
                                      "that the name is spelled correctly.")
                         .arg(path));
}

} // namespace

PoolDatabase::PoolDatabase(QString connectionName) : m_connectionName(std::move(connectionName))
{
    static std::atomic<int> instances{0};
    if (m_connectionName.isEmpty())
        m_connectionName = QStringLiteral("quadrix-%1").arg(instances++);
}

PoolDatabase::~PoolDatabase()
{
    close();
}

void PoolDatabase::close()
{
    m_statements.clear();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool PoolDatabase::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

void PoolDatabase::open(const QString &filePath)
{
    close();
    const QFileInfo info(filePath);
    if (filePath.trimmed().isEmpty() || filePath.contains(QChar(0)) || !info.dir().exists())
        throw invalidPath(filePath);
    if (info.isDir())
        throw PoolError(
            ErrorNumber::NotADatabase, kStoreSource,
            QCoreApplication::translate("PoolError", "'%1' is a folder, not a pool file.")
                .arg(filePath));
    if (!info.exists())
        throw PoolError(
            ErrorNumber::FileNotFound, kStoreSource,
            QCoreApplication::translate("PoolError", "Could not find the pool file '%1'.")
                .arg(filePath));
    if (!info.isReadable())
        throw PoolError(ErrorNumber::CannotOpen, kStoreSource,
                        QCoreApplication::translate(
                            "PoolError", "Quadrix cannot read the pool file '%1'. Check that you "
                                         "may read and write it.")
                            .arg(filePath));

    m_filePath = filePath;
    m_db = connect(m_connectionName, filePath, "rw");
    if (!m_db.open()) {
        const PoolError error = errorFrom(m_db.lastError(), filePath);
        close();
        throw error;
    }
    try {
        applySafeSettings();
        checkSchema();
    } catch (...) {
        close();
        throw;
    }
}

sqlite3 *PoolDatabase::handle() const
{
    const QVariant value = m_db.driver()->handle();
    if (!value.isValid() || qstrcmp(value.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(value.constData());
}

void PoolDatabase::applySafeSettings()
{
    // Pool files come by e-mail and from shared folders: what the schema
    // holds must not run code or let a write damage the file's structure.
    sqlite3 *engine = handle();
    if (!engine || sqlite3_db_config(engine, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr) != SQLITE_OK)
        throw PoolError(ErrorNumber::CannotOpen, kStoreSource,
                        QCoreApplication::translate(
                            "PoolError", "Quadrix cannot open the pool file '%1' safely: the "
                                         "database engine refused its protective settings.")
                            .arg(m_filePath));
    // Read failures then say whether a read or a write went wrong.
    sqlite3_extended_result_codes(engine, 1);
    // A save the user was told is done must survive a power cut: every
    // commit waits until the disk has the journal and the file, and, since
    // a commit is the journal's deletion, until the folder no longer lists
    // the journal (FULL leaves that to the file system's whim: a journal
    // found again after a power cut rolls the done save back).
    QSqlQuery query(m_db);
    for (const char *setting : {"PRAGMA trusted_schema = OFF", "PRAGMA synchronous = EXTRA"}) {
        if (!query.exec(QLatin1String(setting)))
            throw errorFrom(query.lastError(), m_filePath);
    }
}

void PoolDatabase::checkSchema()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA table_info(Football)")))
        throw errorFrom(query.lastError(), m_filePath);
    QSet<QString> present; // as the schema spells them: SQLite's names ignore case
    bool hasTable = false;
    while (query.next()) {
        hasTable = true;
        present.insert(Schema::canonicalColumn(query.value(1).toString()));
    }
    query.finish();
    if (!hasTable)
        throw PoolError(ErrorNumber::NoTable, kStoreSource,
                        QCoreApplication::translate("PoolError",
                                                    "The file '%1' has no table "
                                                    "'Football', so it is not a pool file.")
                            .arg(m_filePath));
    for (const QString &column : Schema::allColumns()) {
        if (!present.contains(column))
            throw PoolError(ErrorNumber::MissingColumn, kStoreSource,
                            QCoreApplication::translate("PoolError",
                                                        "The table 'Football' in '%1' has no "
                                                        "column '%2', so it is not a pool file.")
                                .arg(m_filePath, column));
    }
    // Quadrix never makes a trigger, and one on any table would run on
    // Quadrix's own writes: it could rewrite or delete other pools.
    if (!query.exec(QStringLiteral("SELECT tbl_name FROM sqlite_schema WHERE type = 'trigger' "
                                   "ORDER BY tbl_name = 'Football' COLLATE NOCASE DESC")))
        throw errorFrom(query.lastError(), m_filePath);
    if (query.next()) {
        QString table = query.value(0).toString();
        query.finish();
        if (Schema::kTable.compare(table, Qt::CaseInsensitive) == 0)
            table = Schema::kTable;
        throw PoolError(ErrorNumber::NotADatabase, kStoreSource,
                        QCoreApplication::translate(
                            "PoolError", "The table '%1' in '%2' has triggers, which Quadrix never "
                                         "makes, so it is not a pool file.")
                            .arg(table, m_filePath));
    }
    query.finish();
    // A view under the name of a table Quadrix reads runs whatever query it
    // holds, at every read, however long that takes.
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'view' AND "
                                   "name COLLATE NOCASE IN ('Football', 'Payments', "
                                   "'PayoutPlans', 'PeriodScores', 'DigitDraws')")))
        throw errorFrom(query.lastError(), m_filePath);
    if (query.next()) {
        const QString view = query.value(0).toString();
        query.finish();
        throw PoolError(ErrorNumber::NotADatabase, kStoreSource,
                        QCoreApplication::translate(
                            "PoolError", "'%1' in '%2' is a view where Quadrix keeps a table, so "
                                         "the file is not a pool file.")
                            .arg(view, m_filePath));
    }
    query.finish();
}

void PoolDatabase::create(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (filePath.trimmed().isEmpty() || filePath.contains(QChar(0)))
        throw invalidPath(filePath);
    if (info.exists() || info.isSymLink())
        throw PoolError(ErrorNumber::StoreFailure, kStoreSource,
                        QCoreApplication::translate(
                            "PoolError", "'%1' exists already. Quadrix never overwrites a pool "
                                         "file; nothing was changed.")
                            .arg(filePath));
    if (!QDir().mkpath(info.absolutePath()))
        throw invalidPath(filePath);

    const QString name = QStringLiteral("quadrix-create");
    {
        QSqlDatabase db = connect(name, filePath, "rwc");
        bool ok = db.open();
        QSqlError failure = db.lastError();
        if (ok) {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
            for (const QString &statement : Schema::createStatements()) {
                if (!ok)
                    break;
                ok = query.exec(statement);
            }
            if (ok)
                ok = query.exec(QStringLiteral("COMMIT"));
            if (!ok)
                failure = query.lastError();
            query.finish();
        }
        db.close();
        if (!ok) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            QFile::remove(filePath);
            throw errorFrom(failure, filePath);
        }
    }
    QSqlDatabase::removeDatabase(name);
}

void PoolDatabase::checkSizes(const QSqlRecord &row, qint64 id, const QString &path)
{
    for (int i = 0; i < row.count(); ++i) {
        const qsizetype size = row.value(i).toString().size();
        if (size > kMaxText)
            throw PoolError(ErrorNumber::StoreFailure, kStoreSource,
                            QCoreApplication::translate(
                                "PoolError", "The pool %1 in '%2' holds a text of %3 characters in "
                                             "'%4', more than Quadrix shows (at most %5). Shorten "
                                             "or remove it with another program.")
                                .arg(QString::number(id), path, QString::number(size),
                                     row.fieldName(i), QString::number(kMaxText)));
    }
}

void PoolDatabase::checkSize(const QString &column, const QVariant &value)
{
    const qsizetype size = value.toString().size();
    if (size > kMaxText)
        throw PoolError(ErrorNumber::StoreFailure, kStoreSource,
                        QCoreApplication::translate(
                            "PoolError", "The text for '%1' has %2 characters, more than Quadrix "
                                         "keeps (at most %3), so the pool was not saved.")
                            .arg(column, QString::number(size), QString::number(kMaxText)));
}

QSqlQuery &PoolDatabase::prepared(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            throw errorFrom(query.lastError(), m_filePath);
        it = m_statements.insert(sql, query);
    }
    return it.value();
}

void PoolDatabase::run(QSqlQuery &query)
{
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        throw errorFrom(error, m_filePath);
    }
}

void PoolDatabase::execute(const QString &sql)
{
    QSqlQuery &query = prepared(sql);
    run(query);
    query.finish();
}

PoolError PoolDatabase::errorFrom(const QSqlError &error, const QString &path)
{
    const int extended = error.nativeErrorCode().toInt();
    const int code = extended & 0xff;
    const QString engine = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (code) {
    case kSqliteBusy:
    case kSqliteLocked:
        return PoolError(ErrorNumber::LockedByAnother, kStoreSource,
                         QCoreApplication::translate(
                             "PoolError", "The pool file '%1' is in use by another program. "
                                          "Try again when that program has finished with it.")
                             .arg(path));
    case kSqliteReadOnly:
        if (extended == kSqliteReadOnlyDirectory)
            return PoolError(
                ErrorNumber::ReadOnly, kStoreSource,
                QCoreApplication::translate("PoolError",
                                            "The folder '%1' of the pool file is read-only, so the "
                                            "change could not be saved.")
                    .arg(QFileInfo(path).absolutePath()));
        return PoolError(ErrorNumber::ReadOnly, kStoreSource,
                         QCoreApplication::translate(
                             "PoolError", "The pool file '%1' is read-only, so the change could "
                                          "not be saved.")
                             .arg(path));
    case kSqliteFull:
        return PoolError(ErrorNumber::DiskFull, kStoreSource,
                         QCoreApplication::translate(
                             "PoolError", "The disk that holds the pool file '%1' is full, so the "
                                          "change was not saved. Make room on the disk and try "
                                          "again.")
                             .arg(path));
    case kSqliteIoErr:
        if (extended == kSqliteIoErrRead || extended == kSqliteIoErrShortRead)
            return PoolError(ErrorNumber::DiskError, kStoreSource,
                             QCoreApplication::translate(
                                 "PoolError", "The pool file '%1' could not be read (a disk or "
                                              "network error).")
                                 .arg(path));
        return PoolError(ErrorNumber::DiskError, kStoreSource,
                         QCoreApplication::translate(
                             "PoolError", "The pool file '%1' could not be written (a disk or "
                                          "network error), so the change was not saved. Try "
                                          "again.")
                             .arg(path));
    case kSqliteCantOpen:
        return PoolError(
            ErrorNumber::CannotOpen, kStoreSource,
            QCoreApplication::translate("PoolError", "Quadrix cannot open the pool file '%1' (%2).")
                .arg(path, engine));
    case kSqliteNotADb:
        return PoolError(ErrorNumber::NotADatabase, kStoreSource,
                         QCoreApplication::translate(
                             "PoolError", "'%1' is not a pool file: it is not a database.")
                             .arg(path));
    default:
        return PoolError(
            ErrorNumber::StoreFailure, kStoreSource,
            QCoreApplication::translate("PoolError", "The pool store reported an error: %1")
                .arg(engine));
    }
}
