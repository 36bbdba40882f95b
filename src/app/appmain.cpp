#include "appmain.h"

#include "board/randomsource.h"
#include "dialogs.h"
#include "errorreport.h"
#include "frmScore/frmScore.h"
#include "handleerror.h"
#include "options.h"
#include "print/printseam.h"
#include "store/poolstore.h"
#include "urlopener.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

QString dataFolder(const StartOptions &options)
{
    if (!options.dataDir.isEmpty())
        return QDir(options.dataDir).absolutePath();
    return QCoreApplication::applicationDirPath();
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
    PoolStore store;
    RandomSource random;
    PrintSeam print;
    UrlOpener urls;
    QSettings settings(QStringLiteral("Quadrix"), QStringLiteral("Quadrix"));

    const frmScoreServices services{&store,
                                    &dialogs,
                                    &random,
                                    &print,
                                    &urls,
                                    &settings,
                                    dataFolder(options),
                                    QCoreApplication::applicationDirPath()};
    const std::unique_ptr<frmScore> window = OpenMainWindow(services);
    if (!window)
        return 1;
    if (options.exitWhenShown) {
        QTimer::singleShot(0, &app, [&app] {
            std::printf("shown %ld\n", residentKiB());
            std::fflush(stdout);
            app.quit();
        });
    }
    return app.exec();
}
