// Start-up and shutdown: what happens when the pool file cannot be opened,
// and how the window's placement comes back.
#include "app/appmain.h"
#include "app/errorreport.h"
#include "app/options.h"
#include "app/placement.h"
#include "store/pooldatabase.h"
#include "store/schema.h"
#include "support/diskshim.h"
#include "support/testwindow.h"

#include <QSqlQuery>
#include <QTest>
#include <QtWidgets>
#include <sqlite3.h>

#include <csignal>
#include <sys/resource.h>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    // Logs that the data folder cannot take go to the per-user data folder,
    // here one of the test's own.
    void initTestCase() { qputenv("XDG_DATA_HOME", m_home.path().toLocal8Bit()); }
    void init()
    {
        QFile::remove(userLog());
        m_settings.reset();                    // written before its folder goes
        m_data = std::make_unique<TestData>(); // a good pool file, no log
        m_dialogs.setScripted(true);
        m_dialogs.clearShown();
        m_settings =
            std::make_unique<QSettings>(m_data->dir() + "/settings.ini", QSettings::IniFormat);
    }

    void brokenPoolFilesAreReportedAndLeftAlone_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("reason"); // of the pool file '%1'
        // What other programs, or someone's malice, may have run on a pool file.
        QTest::addColumn<QStringList>("statements");
        const auto row = [](const char *tag, int number, const QString &reason,
                            const QStringList &statements = {}) {
            QTest::newRow(tag) << number << reason << statements;
        };
        const QString missing = "Could not find the pool file '%1'.";
        const QString noTable = "The file '%1' has no table 'Football', so it is not a pool file.";
        const QString notDb = "'%1' is not a pool file: it is not a database.";
        const QString triggers = "The table '%2' in '%1' has triggers, which Quadrix never "
                                 "makes, so it is not a pool file.";
        const QString view = "'%2' in '%1' is a view where Quadrix keeps a table, so the file is "
                             "not a pool file.";
        row("missing", 3024, missing);
        row("empty file", 3078, noTable);
        row("random bytes", 3343, notDb);
        row("other table", 3078, noTable, {"ALTER TABLE Football RENAME TO Baseball"});
        row("column missing", 3265,
            "The table 'Football' in '%1' has no column 'Password', so it is not a pool file.",
            {"ALTER TABLE Football DROP COLUMN Password"});
        row("folder", 3343, "'%1' is a folder, not a pool file.");
        row("trigger spelled in lower case", 3343, triggers.arg("%1", "Football"),
            {"CREATE TRIGGER t AFTER INSERT ON football BEGIN UPDATE football SET Im0 = ''; END"});
        row("trigger on the payments", 3343, triggers.arg("%1", "Payments"),
            {"CREATE TABLE Payments (PoolID INTEGER, Player TEXT, Paid INTEGER, PRIMARY KEY "
             "(PoolID, Player))",
             "CREATE TRIGGER t AFTER INSERT ON Payments BEGIN DELETE FROM Football; END"});
        row("view for the pools", 3343, view.arg("%1", "Football"),
            {"ALTER TABLE Football RENAME TO Pools",
             "CREATE VIEW Football AS SELECT * FROM Pools"});
        row("view for the payments", 3343, view.arg("%1", "payments"),
            {"CREATE VIEW payments AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
             "FROM n) SELECT i AS PoolID FROM n"});
        row("a text beyond any pool's", 3000,
            "The pool 1 in '%1' holds a text of 65537 characters in 'Im0', more than Quadrix "
            "shows (at most 65536). Shorten or remove it with another program.",
            {"UPDATE Football SET Im0 = printf('%65537s', '')"});
        row("engine error with a line break", 3000,
            "The pool store reported an error: malformed database schema (a\n1/1/2025 1:00:00 AM "
            ": forged)",
            {"PRAGMA writable_schema = ON",
             "INSERT INTO sqlite_schema VALUES ('table', 'a' || char(10) || '1/1/2025 1:00:00 AM "
             ": forged', 'x', 0, 'CREATE TABLE x (')"});
        row("unreadable", 3051,
            "Quadrix cannot read the pool file '%1'. Check that you may read and write it.");
        row("invalid path", 3044,
            "'%1' is not a valid path. Check that the folder exists and that the name is spelled "
            "correctly.");
        row("unwritable log", 3024, missing);
        row("held by another program", 3260,
            "The pool file '%1' is in use by another program. Try again when that program has "
            "finished with it.");
    }
    void brokenPoolFilesAreReportedAndLeftAlone()
    {
        QFETCH(int, number);
        QFETCH(QString, reason);
        QFETCH(QStringList, statements);
        const QString kind = QTest::currentDataTag();
        const QString dir = m_data->dir() + (kind == "invalid path" ? "/no/such/folder" : "");
        const QString path = QDir(dir).filePath("QDX_DB.mdb");
        if (kind == "missing" || kind == "folder" || kind == "unwritable log")
            QVERIFY(QFile::remove(path));
        if (kind == "empty file" || kind == "random bytes") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 0; kind == "random bytes" && i < 4096; ++i)
                file.putChar(char((i * 7919 + 13) % 251));
        } else if (!statements.isEmpty()) {
            m_data->addPool({{"Im0", "kept"}});
            OtherProgram other(path);
            for (const QString &statement : statements)
                other.exec(statement);
        } else if (kind == "unreadable") {
            QFile::setPermissions(path, QFileDevice::Permissions());
            if (QFileInfo(path).isReadable())
                QSKIP("this user may read unreadable files (root)");
        } else if (kind == "folder" || kind == "unwritable log") {
            QVERIFY(QDir().mkdir(kind == "folder" ? path : m_data->logFile()));
        }
        const QByteArray before = contents(path);
        std::optional<OtherProgram> holder;
        if (kind == "held by another program")
            holder.emplace(path, true);
        QVERIFY(!start(dir));
        holder.reset();
        const QString expected =
            u"    You Have Error #  %1 was generated by Quadrix pool store\r"_s.arg(number) +
            reason.replace("%1", path);
        QCOMPARE(m_dialogs.shownTexts(), QStringList{expected});
        QCOMPARE(m_dialogs.shown().first().title, u"Error"_s);
        // Logged in the data folder, or in the per-user one when the data
        // folder cannot take it; on one line, whatever the texts hold.
        const bool elsewhere = kind == "invalid path" || kind == "unwritable log";
        const QString log = QString::fromUtf8(contents(elsewhere ? userLog() : m_data->logFile()));
        QVERIFY(log.count('\n') == 1 && log.endsWith('\n') && !log.contains('\r'));
        QVERIFY(log.chopped(1).endsWith(
            " : " + QString(expected).replace('\r', "\\r").replace('\n', "\\n")));
        QCOMPARE(QFileInfo::exists(userLog()), elsewhere);
        QCOMPARE(contents(path), before);
        QCOMPARE(QFileInfo::exists(path), number != 3024 && number != 3044);
        QCOMPARE(QFileInfo::exists(dir), number != 3044);
    }

    // Other programs may keep tables and indexes of their own in a pool file,
    // and SQLite's names ignore case, so the check of a stored file does too.
    // The engine is guarded against what such a file may hold.
    void poolFilesMadeElsewhereOpen()
    {
        QVERIFY(QFile::remove(m_data->poolFile()));
        QString table = Schema::createStatements().first();
        for (const QString column : {"Date", "Im5", "ProCollage", "Password"})
            table.replace(column + " ", column.toLower() + " ");
        for (const QString &statement : {table, u"CREATE TABLE Notes (Text TEXT)"_s,
                                         u"CREATE INDEX ByDate ON Football (Date)"_s})
            OtherProgram(m_data->poolFile()).exec(statement);
        m_data->addPool({{"Date", "01/02/2025"}, {"Im5", "Ann"}, {"ProCollage", 0}});
        auto window = start();
        QVERIFY(window && m_dialogs.shown().isEmpty());
        QCOMPARE(window->Imput[5]->text() + window->txtGameDate->text(), "Ann01/02/2025");
        QCOMPARE(window->Combo1[0]->currentText(), u"COLLAGE"_s);
        PoolDatabase database;
        database.open(m_data->poolFile());
        int defensive = 0;
        sqlite3_db_config(database.handle(), SQLITE_DBCONFIG_DEFENSIVE, -1, &defensive);
        QCOMPARE(defensive, 1);
        QSqlQuery query(QSqlDatabase::database(database.connectionName()));
        QVERIFY(query.exec("PRAGMA trusted_schema") && query.next());
        QCOMPARE(query.value(0).toInt(), 0);
        QVERIFY(query.exec("PRAGMA synchronous") && query.next());
        QCOMPARE(query.value(0).toInt(), 3); // EXTRA: a commit's journal deletion is synced too
    }

    // A pool file already there is never overwritten, and a read-only one
    // opens but refuses saves. As root the mode would not stop the writes, so
    // the shim opens the file read-only, as the engine does for other users.
    void anExistingPoolFileIsNeverOverwrittenAndMayBeReadOnly()
    {
        m_data->addPool({{"Date", "01/01/2025"}, {"Im0", "kept"}});
        const QString path = m_data->poolFile();
        const QByteArray before = contents(path);
        QCOMPARE(CreateDatabase(StartOptions::parse(
                     {"quadrix", "--create-database", "--data-dir", m_data->dir()})),
                 1);
        using P = QFileDevice;
        const auto writable = qScopeGuard([&] {
            DiskShim::setReadOnly({});
            QFile::setPermissions(m_data->dir(), P::ReadOwner | P::WriteOwner | P::ExeOwner);
        });
        // The file, or the folder, where the journal of a save cannot be made.
        const QString told = "The %1 is read-only, so the change could not be saved.";
        for (const QString &readOnly : {path, m_data->dir()}) {
            const bool file = readOnly == path;
            QFile::setPermissions(path, file ? P::ReadOwner : P::ReadOwner | P::WriteOwner);
            QFile::setPermissions(readOnly, file ? P::ReadOwner : P::ReadOwner | P::ExeOwner);
            DiskShim::setReadOnly(QFileInfo(readOnly).canonicalFilePath().toStdString());
            auto window = start();
            QVERIFY(window);
            window->cmdEdit_Click();
            window->Imput[0]->setText("changed");
            window->cmdUpdate_Click();
            const QString what = file ? "pool file '%1'" : "folder '%1' of the pool file";
            QCOMPARE(m_dialogs.shownTexts(), QStringList{told.arg(what.arg(readOnly))});
            QVERIFY(window->cmdUpdate->isVisibleTo(window.get()));
            QCOMPARE(window->Imput[0]->text(), u"changed"_s);
            QCOMPARE(contents(path), before);
            m_dialogs.clearShown();
        }
    }

    void placementIsRestored_data()
    {
        QTest::addColumn<QStringList>("stored"); // left, top, width, height; "" = absent
        QTest::addColumn<QRect>("expected");     // pixels
        const auto row = [](const char *tag, const QStringList &stored, const QRect &expected) {
            QTest::newRow(tag) << stored << expected;
        };
        row("stored", {"1500", "750", "12000", "9000"}, {100, 50, 800, 600});
        row("garbage falls back per key", {"abc", "750", "", "1e400"}, {30, 50, 908, 743});
        row("off every screen", {"-300000", "-300000", "12000", "9000"}, {0, 0, 800, 600});
        row("no size", {"", "", "0", "-15"}, {30, 4, 908, 743});
        row("too small to use", {"", "", "1485", "9000"}, {30, 4, 908, 600});
    }
    void placementIsRestored()
    {
        QFETCH(QStringList, stored);
        QFETCH(QRect, expected);
        for (int i = 0; i < 4; ++i)
            if (!stored[i].isEmpty())
                m_settings->setValue(QString("Settings/%1").arg(Placement::kKeys[i].name),
                                     stored[i]);
        if (QTest::currentDataTag() == QLatin1String("off every screen"))
            expected.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
        auto window = start();
        QVERIFY(window && window->isVisible() && m_dialogs.shown().isEmpty());
        QVERIFY(window->windowTitle() == u"Quadrix"_s && !QFileInfo::exists(m_data->logFile()));
        QCOMPARE(window->restoredPlacement(), expected);
        QTRY_COMPARE(window->frameGeometry().size(), expected.size());
    }

    // Start and close: the outer rectangle stays exactly, also where a window
    // manager tells the frame's size only after the window is mapped (this
    // runs again under X11 with a window manager); the one the user gives
    // too, in twips; a minimized window's is not kept.
    void placementHoldsOverStarts()
    {
        QRect outer(30, 4, 908, 743);
        for (int round = 0; round < 5; ++round) {
            auto window = start();
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                QTRY_VERIFY(window->frameGeometry().height() > window->geometry().height());
            QTRY_COMPARE(window->frameGeometry(), outer);
            if (round == 2) {
                window->setGeometry(QRect(60, 40, 700, 500));
                QTRY_COMPARE(window->geometry(), QRect(60, 40, 700, 500));
                outer = window->frameGeometry();
            } else if (round == 3) {
                window->setGeometry(QRect(10, 10, 300, 300));
                window->showMinimized();
                QTRY_VERIFY(window->isMinimized());
            }
            window->close();
        }
        QCOMPARE(Placement::load(*m_settings),
                 (std::array<double, 4>{outer.x() * 15.0, outer.y() * 15.0, outer.width() * 15.0,
                                        outer.height() * 15.0}));
    }

    // The time has seconds and the whole year; a disk that takes no byte (a
    // file size limit of none stands in) leaves no empty log behind.
    void logLines()
    {
        const QDateTime when(QDate(2026, 12, 6), QTime(19, 43, 5));
        const auto shown = [&](const char *locale) {
            return ErrorReport::generalDateTime(when, QLocale(locale)).replace(u'\u202f', u' ');
        };
        QCOMPARE(shown("en_US"), u"12/6/2026 7:43:05 PM"_s);
        QCOMPARE(shown("de_DE"), u"06.12.2026 19:43:05"_s);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit none{0, limit.rlim_max}; // a hard limit lowered could not be raised again
        QVERIFY(setrlimit(RLIMIT_FSIZE, &none) == 0);
        const bool written = ErrorReport::appendToLog(m_data->logFile(), "full");
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY(!written && !QFileInfo::exists(m_data->logFile()));
    }

private:
    QString userLog() const { return m_home.path() + "/Quadrix/Quadrix.log"; }
    std::unique_ptr<frmScore> start(QString dataDir = {})
    {
        m_store = std::make_unique<PoolStore>();
        const QString dir = dataDir.isEmpty() ? m_data->dir() : dataDir;
        return OpenMainWindow(
            {m_store.get(), &m_dialogs, &m_random, &m_print, &m_urls, m_settings.get(), dir, dir});
    }

    QTemporaryDir m_home;
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<PoolStore> m_store;
    Dialogs m_dialogs;
    RandomSource m_random{1};
    PrintSeam m_print;
    RecordingOpener m_urls;
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
