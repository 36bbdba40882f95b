#include "appmain.h"

#include "board/randomsource.h"
#include "dialogs.h"
#include "errorreport.h"
#include "frmScore/frmScore.h"
#include "handleerror.h"
#include "options.h"
#include "print/printseam.h"
#include "store/backup.h"
#include "store/poolstore.h"
#include "urlopener.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

QString shippedFolder()
{
    const QString own = QCoreApplication::applicationDirPath();
    const QDir installed(own + QStringLiteral("/../share/quadrix"));
    return installed.exists(QStringLiteral("help.html")) ? installed.canonicalPath() : own;
}

QString dataFolder(const StartOptions &options)
{
    if (!options.dataDir.isEmpty())
        return QDir(options.dataDir).absolutePath();
    // An installed program's own folder is shared by every user and seldom
    // writable; its pools live in each user's data folder.
    if (shippedFolder() != QCoreApplication::applicationDirPath())
        return ErrorReport::userDataFolder();
    return QCoreApplication::applicationDirPath();
}

void PrepareFirstStart(const QString &folder, const QString &shipped)
{
    // A folder that exists is left as it is: one without its pool file means
    // something went wrong, which the start-up reports.
    if (QFileInfo::exists(folder) || !QDir().mkpath(folder))
        return;
    for (const char *list : {"Pro.txt", "Collage.txt"})
        QFile::copy(QDir(shipped).filePath(QLatin1String(list)),
                    QDir(folder).filePath(QLatin1String(list)));
    PoolDatabase::create(PoolStore::poolFilePath(folder));
}

int CreateDatabase(const StartOptions &options)
{
    const QString path = PoolStore::poolFilePath(dataFolder(options));
    try {
        PoolDatabase::create(path);
    } catch (const PoolError &error) {
        std::fprintf(stderr, "quadrix: %s\n", qPrintable(error.description()));
        return 1;
    }
    std::printf("Created the empty pool file %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return 0;
}

std::unique_ptr<frmScore> OpenMainWindow(const frmScoreServices &services)
{
    const QString logPath = QDir(services.dataDir).filePath(ErrorReport::logFileName());
    std::unique_ptr<frmScore> window;
    try {
        services.store->OpenDB(services.dataDir);
        window = std::make_unique<frmScore>(services);
        services.dialogs->setParent(window.get());
        window->Form_Load();
        window->show();
    } catch (const PoolError &error) {
        services.dialogs->setParent(nullptr);
        window.reset();
        HandleError(error, *services.dialogs, logPath, true);
    }
    return window;
}

int Main(QApplication &app, const StartOptions &options)
{
    Dialogs dialogs;
    dialogs.setScripted(options.answerDialogs);
    dialogs.setEcho(options.answerDialogs);
    const QString folder = dataFolder(options);
    if (options.dataDir.isEmpty() && folder == ErrorReport::userDataFolder()) {
        try {
            PrepareFirstStart(folder, shippedFolder());
        } catch (const PoolError &error) {
            HandleError(error, dialogs, ErrorReport::userLogPath(), true);
            return 1;
        }
    }
    PoolStore store;
    RandomSource random;
    PrintSeam print;
    UrlOpener urls;
    QSettings settings(QStringLiteral("Quadrix"), QStringLiteral("Quadrix"));

    const frmScoreServices services{&store, &dialogs,  &random, &print,
                                    &urls,  &settings, folder,  shippedFolder()};
    const std::unique_ptr<frmScore> window = OpenMainWindow(services);
    if (!window)
        return 1;
    // Stopped, before the window goes, when the program ends first.
    DailyBackup backup;
    QObject::connect(
        &backup, &DailyBackup::finished, [folder, &dialogs](const QString &error, bool report) {
            if (error.isEmpty())
                return;
            const QString text = QCoreApplication::translate(
                                     "Quadrix", "The daily backup of the pool file failed: ") +
                                 error;
            LogError(text, QDir(folder).filePath(ErrorReport::logFileName()));
            if (report)
                dialogs.message(text, QStringLiteral("Quadrix"), Dialogs::Icon::Critical);
        });
    backup.start(PoolStore::poolFilePath(folder), folder, QDate::currentDate());
    if (options.exitWhenShown) {
        QTimer::singleShot(0, &app, [&app] {
            std::printf("shown %ld\n", residentKiB());
            std::fflush(stdout);
            app.quit();
        });
    }
    return app.exec();
}
