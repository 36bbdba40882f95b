#include "backup.h"

#include "durable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// Pages copied in one step: small enough that a save by the window, which
// waits for the step to let go of the file, hardly notices it.
constexpr int kPagesPerStep = 64;
// How long a step waits for a save of the window to end before it tries
// again, and how many times.
constexpr int kBusyPauseMs = 20;
constexpr int kBusyTries = 500;

QString engineError(sqlite3 *db, const QString &what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromUtf8(sqlite3_errmsg(db)));
}

// The engine's quick check of a finished copy: empty when the copy is sound,
// else the first fault it names. The copy is made page by page, so a damaged
// page of the pool file comes along unnoticed.
QString faultOf(const QString &copyPath)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *check = nullptr;
    QString fault = QCoreApplication::translate("PoolError", "the copy could not be checked");
    if (sqlite3_open_v2(QFile::encodeName(copyPath).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK) {
        const int rc = sqlite3_step(check);
        fault =
            rc == SQLITE_ROW
                ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)))
                : QString::fromUtf8(sqlite3_errmsg(db));
        if (rc == SQLITE_ROW && fault == QLatin1String("ok"))
            fault.clear();
    }
    sqlite3_finalize(check);
    sqlite3_close(db);
    return fault;
}

// Copies that failed the check are kept under a name of their own, which
// never counts as one of the kept backups.
const QString kSuspectPattern = QStringLiteral("QDX_DB-*-suspect.mdb");

} // namespace

DailyBackup::DailyBackup(QObject *parent) : QObject(parent) {}

DailyBackup::~DailyBackup()
{
    m_cancel = true;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

QString DailyBackup::fileName(const QDate &day)
{
    return QStringLiteral("QDX_DB-%1.mdb").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

QString DailyBackup::folderOf(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("backups"));
}

bool DailyBackup::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void DailyBackup::start(const QString &poolFile, const QString &dataFolder, const QDate &today)
{
    if (m_thread)
        return;
    const QString folder = folderOf(dataFolder);
    const QString target = QDir(folder).filePath(fileName(today));
    if (QFileInfo::exists(target) || QFileInfo::exists(suspectName(target)))
        return;
    m_thread = QThread::create([this, poolFile, folder, target] {
        if (!QDir().mkpath(folder)) {
            m_error = QCoreApplication::translate("PoolError",
                                                  "The backup folder '%1' could not be made.")
                          .arg(folder);
            return;
        }
        m_error = copy(poolFile, target, m_cancel, &m_report);
        if (m_error.isEmpty())
            prune(folder);
    });
    // The thread's finished signal arrives on the window's thread.
    connect(m_thread, &QThread::finished, this, [this] {
        if (!m_cancel)
            emit finished(m_error, m_report);
    });
    m_thread->start(QThread::LowPriority);
}

QString DailyBackup::suspectName(const QString &target)
{
    QString name = target;
    return name.insert(name.size() - 4, QStringLiteral("-suspect"));
}

QString DailyBackup::copy(const QString &poolFile, const QString &target,
                          const std::atomic<bool> &cancel, bool *firstSuspect)
{
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    sqlite3 *source = nullptr;
    sqlite3 *copy = nullptr;
    QString error;
    if (sqlite3_open_v2(QFile::encodeName(poolFile).constData(), &source, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        error = engineError(
            source, QCoreApplication::translate("PoolError", "The pool file could not be read"));
    } else if (sqlite3_open_v2(QFile::encodeName(partial).constData(), &copy,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        error = engineError(
            copy, QCoreApplication::translate("PoolError", "The backup could not be written"));
    } else if (sqlite3_backup *backup = sqlite3_backup_init(copy, "main", source, "main")) {
        int rc = SQLITE_OK;
        int busy = 0;
        while (!cancel && (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED)) {
            rc = sqlite3_backup_step(backup, kPagesPerStep);
            if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
                if (++busy > kBusyTries)
                    break;
                sqlite3_sleep(kBusyPauseMs);
            }
        }
        sqlite3_backup_finish(backup);
        if (cancel)
            error = QCoreApplication::translate("PoolError", "The backup was stopped.");
        else if (rc != SQLITE_DONE)
            error = engineError(
                copy, QCoreApplication::translate("PoolError", "The backup could not be made"));
    } else {
        error = engineError(
            copy, QCoreApplication::translate("PoolError", "The backup could not be started"));
    }
    sqlite3_close(source);
    if (sqlite3_close(copy) != SQLITE_OK && error.isEmpty())
        error = QCoreApplication::translate("PoolError", "The backup could not be closed.");
    if (const QString fault = error.isEmpty() ? faultOf(partial) : QString(); !fault.isEmpty()) {
        // The pool file itself is damaged. Its copy must not take the place
        // of a sound backup; the first such copy is kept apart, as it may
        // still hold pools that a later one has lost.
        const QDir folder = QFileInfo(target).dir();
        const bool first = folder.entryList({kSuspectPattern}, QDir::Files).isEmpty() &&
                           QFile::rename(partial, suspectName(target));
        if (firstSuspect)
            *firstSuspect = first;
        error =
            QCoreApplication::translate("PoolError",
                                        "The pool file is damaged (%1); the help page tells how to "
                                        "restore a backup. Its copy replaced no backup: %2")
                .arg(fault,
                     first ? QCoreApplication::translate("PoolError", "the copy is kept as '%1'.")
                                 .arg(suspectName(target))
                           : QCoreApplication::translate("PoolError", "the copy was dropped."));
    } else if (error.isEmpty() && !QFile::rename(partial, target)) {
        error = QCoreApplication::translate("PoolError", "The backup '%1' could not be named.")
                    .arg(target);
    } else if (error.isEmpty() && !Durable::sync(QFileInfo(target).path())) {
        // Not yet safe on the disk: no older backup may make way for it.
        error = QCoreApplication::translate("PoolError",
                                            "The backup '%1' could not be written to the disk.")
                    .arg(target);
    }
    if (!error.isEmpty())
        QFile::remove(partial);
    return error;
}

void DailyBackup::prune(const QString &folder)
{
    const QDir dir(folder);
    // The dated names sort as the days do; the newest come last.
    QStringList names = dir.entryList(
        {QStringLiteral("QDX_DB-%1-%2-%2.mdb")
             .arg(QStringLiteral("[0-9]").repeated(4), QStringLiteral("[0-9]").repeated(2))},
        QDir::Files, QDir::Name);
    bool removed = false;
    while (names.size() > kKept)
        removed = QFile::remove(dir.filePath(names.takeFirst())) || removed;
    if (removed)
        Durable::sync(folder); // a removal that comes back at a power cut loses nothing
}
