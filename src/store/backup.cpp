#include "backup.h"

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
    if (QFileInfo::exists(target))
        return;
    m_thread = QThread::create([this, poolFile, folder, target] {
        if (!QDir().mkpath(folder)) {
            m_error = QStringLiteral("The backup folder '%1' could not be made.").arg(folder);
            return;
        }
        m_error = copy(poolFile, target, m_cancel);
        if (m_error.isEmpty())
            prune(folder);
    });
    // The thread's finished signal arrives on the window's thread.
    connect(m_thread, &QThread::finished, this, [this] {
        if (!m_cancel)
            emit finished(m_error);
    });
    m_thread->start(QThread::LowPriority);
}

QString DailyBackup::copy(const QString &poolFile, const QString &target,
                          const std::atomic<bool> &cancel)
{
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    sqlite3 *source = nullptr;
    sqlite3 *copy = nullptr;
    QString error;
    if (sqlite3_open_v2(QFile::encodeName(poolFile).constData(), &source, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        error = engineError(source, QStringLiteral("The pool file could not be read"));
    } else if (sqlite3_open_v2(QFile::encodeName(partial).constData(), &copy,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        error = engineError(copy, QStringLiteral("The backup could not be written"));
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
            error = QStringLiteral("The backup was stopped.");
        else if (rc != SQLITE_DONE)
            error = engineError(copy, QStringLiteral("The backup could not be made"));
    } else {
        error = engineError(copy, QStringLiteral("The backup could not be started"));
    }
    sqlite3_close(source);
    if (sqlite3_close(copy) != SQLITE_OK && error.isEmpty())
        error = QStringLiteral("The backup could not be closed.");
    if (error.isEmpty() && !QFile::rename(partial, target))
        error = QStringLiteral("The backup '%1' could not be named.").arg(target);
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
    while (names.size() > kKept)
        QFile::remove(dir.filePath(names.takeFirst()));
}
