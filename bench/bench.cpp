// Measures the program's operations on pool files of growing size, each
// beside the least the same work costs done directly, and prints one table
// (also written as CSV) so that runs can be compared across commits.
#include "floors.h"

#include "app/dialogs.h"
#include "app/frmScore/frmScore.h"
#include "app/urlopener.h"
#include "board/randomsource.h"
#include "print/printseam.h"
#include "store/backup.h"
#include "store/poollist.h"
#include "store/poollistdialog.h"
#include "store/poolstore.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Row
{
    QString operation;
    int pools;
    double median, p95, floor;
    QString unit = QStringLiteral("ms");
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

double median(const std::vector<double> &values)
{
    return percentile(values, 0.5);
}

// The longest the event loop waited between two turns while the work ran.
double longestWait(const std::function<void()> &work)
{
    QElapsedTimer sinceTick;
    double longest = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1.0e6);
        sinceTick.restart();
    });
    ticker.start();
    sinceTick.start();
    work();
    return std::max(longest, double(sinceTick.nsecsElapsed()) / 1.0e6);
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1.0e6;
}

// The window over one data folder, as the program builds it, with nothing
// that would wait for a person.
struct Session
{
    explicit Session(const QString &dataDir)
        : settings(QDir(dataDir).filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
    {
        dialogs.setScripted(true);
        store.OpenDB(dataDir);
        const frmScoreServices services{&store, &dialogs,  &random, &print,
                                        &urls,  &settings, dataDir, dataDir};
        window = std::make_unique<frmScore>(services);
        window->Form_Load();
        window->show();
        QCoreApplication::processEvents();
    }
    Dialogs dialogs;
    PoolStore store;
    RandomSource random{1};
    PrintSeam print;
    UrlOpener urls;
    QSettings settings;
    std::unique_ptr<frmScore> window;
};

struct StartUp
{
    std::vector<double> ms;
    long residentKiB = 0;
};

StartUp measureStartUp(const QString &program, const QString &dataDir, int runs)
{
    StartUp result;
    // The first start also warms the disk cache and the dynamic loader;
    // it is run but not counted.
    for (int i = -1; i < runs; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        child.start(program,
                    {QStringLiteral("--data-dir"), dataDir, QStringLiteral("--exit-when-shown")});
        QByteArray out;
        while (!out.contains('\n') && child.waitForReadyRead(20000))
            out += child.readAllStandardOutput();
        if (i >= 0)
            result.ms.push_back(double(timer.nsecsElapsed()) / 1.0e6);
        child.waitForFinished(20000);
        if (out.startsWith("shown "))
            result.residentKiB = out.mid(6).trimmed().toLong();
    }
    return result;
}

void writeTeamList(const QString &path, int entries)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (int i = 0; i < entries; ++i)
        file.write(QStringLiteral("Team number %1\n").arg(i).toUtf8());
}

QList<Row> measure(const QString &program, int pools, int reps)
{
    QList<Row> rows;
    QTemporaryDir dir;
    const QString poolFile = QDir(dir.path()).filePath(QStringLiteral("QDX_DB.mdb"));
    std::fprintf(stderr, "generating %d pools...\n", pools);
    Floors::generate(poolFile, pools);
    QTemporaryDir emptyDir;
    PoolDatabase::create(QDir(emptyDir.path()).filePath(QStringLiteral("QDX_DB.mdb")));

    const StartUp full = measureStartUp(program, dir.path(), std::max(5, reps / 20));
    const StartUp empty = measureStartUp(program, emptyDir.path(), std::max(5, reps / 20));
    rows << Row{QStringLiteral("start-up"), pools, median(full.ms), percentile(full.ms, 0.95),
                median(empty.ms)};
    rows << Row{QStringLiteral("memory after start-up"),
                pools,
                full.residentKiB / 1024.0,
                full.residentKiB / 1024.0,
                empty.residentKiB / 1024.0,
                QStringLiteral("MB")};

    Session session(dir.path());
    frmScore &w = *session.window;
    Floors floors(poolFile);

    // Next and Previous, alternating over a stretch of pools.
    std::vector<double> moves, moveFloors;
    for (int i = 0; i < reps; ++i)
        moves.push_back(timeMs([&] { (i % 40 < 20) ? w.cmdNext_Click() : w.cmdPrevious_Click(); }));
    qint64 id = floors.firstId();
    for (int i = 0; i < reps; ++i)
        moveFloors.push_back(
            timeMs([&] { id = floors.moveAndShow(i % 40 < 20 ? id : id - 2, w); }));
    rows << Row{QStringLiteral("Next / Previous"), pools, median(moves), percentile(moves, 0.95),
                median(moveFloors)};

    // Saving an edited pool.
    std::vector<double> saves, saveFloors;
    w.cmdFirst_Click();
    for (int i = 0; i < reps; ++i) {
        w.cmdEdit_Click();
        w.Imput[0]->setText(QStringLiteral("edit %1").arg(i));
        saves.push_back(timeMs([&] { w.cmdUpdate_Click(); }));
    }
    const qint64 first = floors.firstId();
    for (int i = 0; i < reps; ++i)
        saveFloors.push_back(
            timeMs([&] { floors.saveEdited(first, QStringLiteral("e%1").arg(i)); }));
    rows << Row{QStringLiteral("save an edited pool"), pools, median(saves),
                percentile(saves, 0.95), median(saveFloors)};

    // Adding and saving a new pool.
    std::vector<double> adds, addFloors;
    std::vector<qint64> added;
    for (int i = 0; i < reps / 4; ++i) {
        adds.push_back(timeMs([&] {
            w.cmdAdd_Click();
            w.txtGameDate->setText(QStringLiteral("12/25/2099"));
            w.cmdUpdate_Click();
        }));
    }
    for (int i = 0; i < reps / 4; ++i)
        addFloors.push_back(timeMs([&] { added.push_back(floors.addNew()); }));
    rows << Row{QStringLiteral("add and save a new pool"), pools, median(adds),
                percentile(adds, 0.95), median(addFloors)};

    // A date search that finds three pools.
    std::vector<double> searches, searchFloors;
    for (int i = 0; i < reps; ++i) {
        const QString date = Floors::dateOf((i * 7919) % pools);
        searches.push_back(timeMs([&] {
            w.txtSearch->setText(date);
            w.cmdFind_Click();
        }));
    }
    for (int i = 0; i < reps; ++i) {
        const QString date = Floors::dateOf((i * 7919 + 4) % pools);
        searchFloors.push_back(timeMs([&] { floors.searchAndShow(date, w); }));
    }
    rows << Row{QStringLiteral("date search finding 3 pools"), pools, median(searches),
                percentile(searches, 0.95), median(searchFloors)};

    // The list of all pools: opened and painted, scrolled to places all over
    // it, narrowed by a player's name, and a pool chosen in it shown.
    std::vector<double> opens, openFloors, scrolls, scrollFloors, narrows, narrowFloors, jumps,
        jumpFloors;
    for (int i = 0; i < reps / 10 + 1; ++i) {
        opens.push_back(timeMs([&] {
            w.cmdList_Click();
            w.poolListDialog()->show();
            QCoreApplication::processEvents();
        }));
        std::vector<qint64> keys;
        openFloors.push_back(timeMs([&] {
            keys = floors.listKeys();
            floors.readListPage(keys, 0);
        }));
        PoolListDialog &list = *w.poolListDialog();
        QScrollBar *bar = list.view()->verticalScrollBar();
        for (int k = 0; k < 10; ++k) {
            const int place = int((k * 7919 + i * 104729) % std::max(1, bar->maximum()));
            scrolls.push_back(timeMs([&] {
                bar->setValue(place);
                list.view()->viewport()->repaint();
            }));
            scrollFloors.push_back(timeMs([&] { floors.readListPage(keys, size_t(place)); }));
        }
        const int row = list.list()->rowCount() / 2;
        list.view()->setCurrentIndex(list.list()->index(row, 0));
        const qint64 chosen = list.chosenId();
        jumps.push_back(timeMs([&] { list.accept(); }));
        w.cmdFirst_Click(); // the floor writes the chosen pool over another one
        jumpFloors.push_back(timeMs([&] { floors.moveAndShow(chosen - 1, w); }));
        const QString name =
            QStringLiteral("%1 %2").arg(QLatin1String(i % 2 ? "Ann" : "Bob")).arg((i * 31) % 997);
        narrows.push_back(timeMs([&] {
            list.filterBox()->setText(name);
            list.applyFilter();
            QCoreApplication::processEvents();
        }));
        narrowFloors.push_back(timeMs([&] { floors.keysNamed(name); }));
    }
    rows << Row{QStringLiteral("open the list of pools"), pools, median(opens),
                percentile(opens, 0.95), median(openFloors)};
    rows << Row{QStringLiteral("scroll the list"), pools, median(scrolls),
                percentile(scrolls, 0.95), median(scrollFloors)};
    rows << Row{QStringLiteral("narrow the list to a player"), pools, median(narrows),
                percentile(narrows, 0.95), median(narrowFloors)};
    rows << Row{QStringLiteral("show a pool chosen in the list"), pools, median(jumps),
                percentile(jumps, 0.95), median(jumpFloors)};

    // Delete: the pools added above go again.
    std::vector<double> deletes, deleteFloors;
    w.txtSearch->setText(QStringLiteral("12/25/2099"));
    w.cmdFind_Click();
    for (int i = 0; i < reps / 4; ++i)
        deletes.push_back(timeMs([&] {
            session.dialogs.setNextAnswer(Dialogs::Answer::Yes); // "Delete the pool of ...?"
            w.cmdDelete_Click();
        }));
    for (qint64 key : added)
        deleteFloors.push_back(timeMs([&] { floors.remove(key); }));
    rows << Row{QStringLiteral("delete"), pools, median(deletes), percentile(deletes, 0.95),
                median(deleteFloors)};

    // LOCK followed by UNLOCK.
    std::vector<double> locks, lockFloors;
    session.store.OpenRecordSet(PoolQuery::all());
    w.cmdFirst_Click();
    for (int i = 0; i < reps / 2; ++i) {
        locks.push_back(timeMs([&] {
            w.Text2->setText(QStringLiteral("secret"));
            w.Text1->setText(QStringLiteral("secret"));
            w.cmdLock_Click();
            w.Text2->setText(QStringLiteral("secret"));
            w.cmdunlock_Click();
        }));
        lockFloors.push_back(timeMs([&] { floors.lockAndUnlock(first); }));
    }
    rows << Row{QStringLiteral("LOCK then UNLOCK"), pools, median(locks), percentile(locks, 0.95),
                median(lockFloors)};

    // A team list of 10,000 entries, with the longest wait of the event loop.
    writeTeamList(QDir(dir.path()).filePath(QStringLiteral("Pro.txt")), 10000);
    std::vector<double> loads, loadFloors, gaps;
    for (int i = 0; i < 5; ++i) {
        gaps.push_back(longestWait([&] { loads.push_back(timeMs([&] { w.ProFootball(); })); }));
        loadFloors.push_back(timeMs([&] {
            QFile file(QDir(dir.path()).filePath(QStringLiteral("Pro.txt")));
            file.open(QIODevice::ReadOnly);
            const QStringList names =
                QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
            for (int box : {1, 2}) {
                w.Combo1[box]->clear();
                w.Combo1[box]->addItems(names);
            }
        }));
    }
    rows << Row{QStringLiteral("team list of 10,000 entries"), pools, median(loads),
                percentile(loads, 0.95), median(loadFloors)};
    rows << Row{QStringLiteral("longest event-loop wait in that load"), pools, median(gaps),
                percentile(gaps, 0.95), 0};

    // The daily backup, on its thread, while the event loop turns; its floor
    // is the engine's backup in one step on the calling thread.
    std::vector<double> backups, backupFloors, backupGaps;
    for (int i = 0; i < 3; ++i) {
        backupGaps.push_back(longestWait([&] {
            QElapsedTimer clock;
            clock.start();
            DailyBackup backup;
            QEventLoop loop;
            QObject::connect(&backup, &DailyBackup::finished, &loop, &QEventLoop::quit);
            backup.start(session.store.database().filePath(), dir.path(), QDate(2026, 1, 1 + i));
            loop.exec();
            backups.push_back(double(clock.nsecsElapsed()) / 1.0e6);
        }));
        backupFloors.push_back(
            timeMs([&] { floors.backUp(dir.filePath(QStringLiteral("floor.mdb"))); }));
    }
    rows << Row{QStringLiteral("daily backup"), pools, median(backups), percentile(backups, 0.95),
                median(backupFloors)};
    rows << Row{QStringLiteral("longest event-loop wait in that backup"), pools, median(backupGaps),
                percentile(backupGaps, 0.95), 0};
    return rows;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quadrix speed benchmark"));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("pools"), QStringLiteral("Pool counts, comma-separated."),
                      QStringLiteral("list"), QStringLiteral("1000,100000")});
    parser.addOption({QStringLiteral("reps"), QStringLiteral("Repetitions per operation."),
                      QStringLiteral("n"), QStringLiteral("200")});
    parser.addOption({QStringLiteral("csv"), QStringLiteral("Where to write the CSV."),
                      QStringLiteral("file"), QStringLiteral("bench.csv")});
    parser.process(app);
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("quadrix");
    const int reps = std::max(8, parser.value(QStringLiteral("reps")).toInt());

    QList<Row> rows;
    for (const QString &count : parser.value(QStringLiteral("pools")).split(','))
        rows << measure(program, count.toInt(), reps);

    QFile csv(parser.value(QStringLiteral("csv")));
    csv.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    csv.write("operation,pools,median,p95,floor,ratio,unit\n");
    std::printf("%-38s %8s %10s %10s %10s %7s\n", "operation", "pools", "median", "p95", "floor",
                "ratio");
    for (const Row &row : rows) {
        const double ratio = row.floor > 0 ? row.median / row.floor : 0;
        std::printf("%-38s %8d %8.3f%-2s %8.3f%-2s %8.3f%-2s %7.2f\n", qPrintable(row.operation),
                    row.pools, row.median, qPrintable(row.unit), row.p95, qPrintable(row.unit),
                    row.floor, qPrintable(row.unit), ratio);
        csv.write(QStringLiteral("\"%1\",%2,%3,%4,%5,%6,%7\n")
                      .arg(row.operation)
                      .arg(row.pools)
                      .arg(row.median, 0, 'f', 4)
                      .arg(row.p95, 0, 'f', 4)
                      .arg(row.floor, 0, 'f', 4)
                      .arg(ratio, 0, 'f', 3)
                      .arg(row.unit)
                      .toUtf8());
    }
    return 0;
}
