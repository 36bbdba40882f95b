#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>

// A copy of the pool file a day, so that a pool deleted or overwritten by
// mistake can be had back. The copy is taken through the engine's online
// backup, page by page on a thread of its own: the window never waits for
// it, and a pool saved meanwhile is copied consistently (the copy starts
// over). A failure never stops the program; it is only logged.
class DailyBackup : public QObject
{
    Q_OBJECT

public:
    static constexpr int kKept = 7;

    explicit DailyBackup(QObject *parent = nullptr);
    // Stops a copy still running; what it wrote is removed.
    ~DailyBackup() override;

    // "QDX_DB-2026-12-06.mdb"
    static QString fileName(const QDate &day);
    // The backups folder of a data folder.
    static QString folderOf(const QString &dataFolder);

    // Copies the pool file into the backups folder of the data folder when
    // that folder has no copy of the day yet. Returns at once.
    void start(const QString &poolFile, const QString &dataFolder, const QDate &today);
    bool isRunning() const;

    // The copy itself, on the calling thread: to a temporary name first, so
    // that a half-made copy is never taken for a backup, and checked by the
    // engine before it takes the name. Returns the error, or an empty text.
    // Stops early, removing what it wrote, once cancel is set. A copy that
    // fails the check is kept under suspectName() when the folder keeps no
    // such copy yet (firstSuspect is then set), and removed otherwise.
    static QString copy(const QString &poolFile, const QString &target,
                        const std::atomic<bool> &cancel, bool *firstSuspect = nullptr);
    // "QDX_DB-2026-12-06-suspect.mdb" beside the target's name.
    static QString suspectName(const QString &target);
    // Removes all but the newest kKept backups of the folder.
    static void prune(const QString &folder);

signals:
    // The copy of the day has ended; error is empty on success. report: the
    // user is to be told, the first time the pool file was found damaged.
    void finished(const QString &error, bool report);

private:
    QThread *m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
    QString m_error;
    bool m_report = false;
};
