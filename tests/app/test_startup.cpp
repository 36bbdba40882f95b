// Start-up and shutdown: what happens when the pool file cannot be opened,
// and how the window's placement comes back.
#include "app/appmain.h"
#include "app/errorreport.h"
#include "app/options.h"
#include "app/placement.h"
#include "store/pooldatabase.h"
#include "support/testwindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

QByteArray checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList logLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "make");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase("make");
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs.setScripted(true);
        m_dialogs.clearShown();
        m_settings =
            std::make_unique<QSettings>(m_dir->filePath("settings.ini"), QSettings::IniFormat);
    }
    void cleanup()
    {
        m_settings.reset();
        m_dir.reset();
    }

    void brokenPoolFilesAreReportedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("missing") << "missing" << 3024 << "Could not find the pool file '%1'.";
        QTest::newRow("empty file") << "empty" << 3078
                                    << "The file '%1' has no table 'Football', so it is not a "
                                       "pool file.";
        QTest::newRow("text file")
            << "text" << 3343 << "'%1' is not a pool file: it is not a database.";
        QTest::newRow("random bytes")
            << "random" << 3343 << "'%1' is not a pool file: it is not a database.";
        QTest::newRow("other table") << "other table" << 3078
                                     << "The file '%1' has no table 'Football', so it is not a "
                                        "pool file.";
        QTest::newRow("column missing") << "column missing" << 3265
                                        << "The table 'Football' in '%1' has no column "
                                           "'Password', so it is not a pool file.";
        QTest::newRow("folder") << "folder" << 3343 << "'%1' is a folder, not a pool file.";
    }
    void brokenPoolFilesAreReportedAndLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(int, number);
        QFETCH(QString, description);
        const QString path = m_dir->filePath("QDX_DB.mdb");
        if (kind == "empty" || kind == "text" || kind == "random") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == "text")
                file.write("Team,Score\nDallas,21\n");
            if (kind == "random")
                for (int i = 0; i < 4096; ++i)
                    file.putChar(char((i * 7919 + 13) % 251));
        } else if (kind == "other table") {
            runSql(path, {"CREATE TABLE Baseball (ID INTEGER)"});
        } else if (kind == "column missing") {
            PoolDatabase::create(path);
            runSql(path, {"ALTER TABLE Football DROP COLUMN Password"});
        } else if (kind == "folder") {
            QVERIFY(QDir(m_dir->path()).mkdir("QDX_DB.mdb"));
        }
        const QByteArray before = checksum(path);

        const auto window = start(m_dir->path());
        QVERIFY(!window);
        const QString expected = ErrorReport::message(number, QStringLiteral("Quadrix pool store"),
                                                      description.arg(path));
        QCOMPARE(m_dialogs.shownTexts(), QStringList{expected});
        QCOMPARE(m_dialogs.shown().first().title, QStringLiteral("Error"));
        const QStringList log = logLines(m_dir->filePath("Quadrix.log"));
        QCOMPARE(log.size(), 1);
        QVERIFY(log.first().endsWith(QStringLiteral(" : ") + expected));
        QCOMPARE(checksum(path), before);
        QCOMPARE(QFileInfo::exists(path), kind != "missing");
    }

    void unreadablePoolFileIsReported()
    {
        const QString path = m_dir->filePath("QDX_DB.mdb");
        PoolDatabase::create(path);
        QFile::setPermissions(path, QFileDevice::Permissions());
        if (QFileInfo(path).isReadable())
            QSKIP("this user may read unreadable files (root)");
        const auto window = start(m_dir->path());
        QVERIFY(!window);
        QCOMPARE(m_dialogs.shown().size(), 1);
        QVERIFY(m_dialogs.shownTexts().first().contains(QStringLiteral("cannot read")));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void reportTextHasTheFixedShape()
    {
        QCOMPARE(ErrorReport::message(3024, "Engine", "Gone."),
                 QStringLiteral("    You Have Error #  3024 was generated by Engine\rGone."));
        QCOMPARE(ErrorReport::message(-5, "E", "D"),
                 QStringLiteral("    You Have Error # -5 was generated by E\rD"));
        QVERIFY(ErrorReport::isSilent(0) && ErrorReport::isSilent(13));
        QVERIFY(ErrorReport::isSilent(3044) && ErrorReport::isSilent(3260));
        QVERIFY(!ErrorReport::isSilent(3024));
    }

    void invalidPathIsReportedToo()
    {
        const QString missingFolder = m_dir->filePath("no/such/folder");
        const auto window = start(missingFolder);
        QVERIFY(!window);
        QCOMPARE(m_dialogs.shown().size(), 1);
        QVERIFY(m_dialogs.shownTexts().first().contains(QStringLiteral("#  3044 ")));
        QVERIFY(!QFileInfo::exists(missingFolder));
    }

    void unwritableLogStillShowsTheReport()
    {
        QVERIFY(QDir(m_dir->path()).mkdir("Quadrix.log")); // a folder where the log should be
        const auto window = start(m_dir->path());
        QVERIFY(!window);
        QCOMPARE(m_dialogs.shown().size(), 1);
    }

    void aGoodPoolFileOpensTheWindow()
    {
        PoolDatabase::create(m_dir->filePath("QDX_DB.mdb"));
        const auto window = start(m_dir->path());
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(m_dialogs.shown().isEmpty());
        QCOMPARE(window->windowTitle(), QStringLiteral("Quadrix"));
        QVERIFY(!QFileInfo::exists(m_dir->filePath("Quadrix.log")));
    }

    void aReadOnlyPoolFileOpensAndRefusesSaves()
    {
        const QString path = m_dir->filePath("QDX_DB.mdb");
        PoolDatabase::create(path);
        runSql(path, {"INSERT INTO Football (Date, Im0) VALUES ('01/01/2025', 'kept')"});
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(path).isWritable()) {
            QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
            QSKIP("this user may write read-only files (root)");
        }
        const QByteArray before = checksum(path);
        {
            auto window = start(m_dir->path());
            QVERIFY(window);
            window->cmdEdit_Click();
            window->Imput[0]->setText(QStringLiteral("changed"));
            window->cmdUpdate_Click();
            QCOMPARE(m_dialogs.shown().size(), 1);
            QVERIFY(m_dialogs.shownTexts().first().contains(QStringLiteral("read-only")));
            QVERIFY(window->cmdUpdate->isVisibleTo(window.get()));
        }
        QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
        QCOMPARE(checksum(path), before);
    }

    void createDatabaseNeverOverwrites()
    {
        const QString path = m_dir->filePath("QDX_DB.mdb");
        PoolDatabase::create(path);
        runSql(path, {"INSERT INTO Football (Im0) VALUES ('kept')"});
        const QByteArray before = checksum(path);
        QVERIFY_THROWS_EXCEPTION(PoolError, PoolDatabase::create(path));
        QCOMPARE(checksum(path), before);

        StartOptions options =
            StartOptions::parse({"quadrix", "--create-database", "--data-dir", m_dir->path()});
        QVERIFY(options.error.isEmpty());
        QCOMPARE(CreateDatabase(options), 1);
        QCOMPARE(checksum(path), before);
        QCOMPARE(StartOptions::parse({"quadrix", "--data-dir"}).error.isEmpty(), false);
        QCOMPARE(StartOptions::parse({"quadrix", "--bogus"}).error.isEmpty(), false);
    }

    void placementIsRestored_data()
    {
        QTest::addColumn<QStringList>("stored"); // left, top, width, height; "" = absent
        QTest::addColumn<QRect>("expected");     // pixels
        QTest::newRow("first run") << QStringList{"", "", "", ""} << QRect(30, 4, 908, 743);
        QTest::newRow("stored") << QStringList{"1500", "750", "12000", "9000"}
                                << QRect(100, 50, 800, 600);
        QTest::newRow("garbage falls back per key")
            << QStringList{"abc", "750", "", "1e400"} << QRect(30, 50, 908, 743);
        QTest::newRow("off every screen")
            << QStringList{"-300000", "-300000", "12000", "9000"} << QRect(0, 0, 800, 600);
    }
    void placementIsRestored()
    {
        QFETCH(QStringList, stored);
        QFETCH(QRect, expected);
        m_settings->beginGroup("Settings");
        for (int i = 0; i < 4; ++i)
            if (!stored[i].isEmpty())
                m_settings->setValue(QLatin1String(Placement::kKeys[i].name), stored[i]);
        m_settings->endGroup();
        PoolDatabase::create(m_dir->filePath("QDX_DB.mdb"));
        auto window = start(m_dir->path());
        QVERIFY(window);
        QRect wanted = expected;
        if (QTest::currentDataTag() == QLatin1String("off every screen"))
            wanted.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
        QCOMPARE(window->restoredPlacement(), wanted);
        QCOMPARE(window->frameGeometry().size(), wanted.size());
    }

    void placementIsSavedUnlessMinimized()
    {
        PoolDatabase::create(m_dir->filePath("QDX_DB.mdb"));
        auto window = start(m_dir->path());
        QVERIFY(window);
        window->setGeometry(QRect(60, 40, 700, 500));
        const QRect outer = window->frameGeometry();
        window->close();
        const auto saved = Placement::load(*m_settings);
        QCOMPARE(saved[0], outer.x() * 15.0);
        QCOMPARE(saved[1], outer.y() * 15.0);
        QCOMPARE(saved[2], outer.width() * 15.0);
        QCOMPARE(saved[3], outer.height() * 15.0);
        QCOMPARE(m_settings->value("Settings/ScoreLeft").toString(),
                 QString::number(outer.x() * 15));

        window = start(m_dir->path());
        QCOMPARE(window->restoredPlacement(), outer);
        QCOMPARE(window->frameGeometry(), outer);
        window->setGeometry(QRect(10, 10, 300, 300));
        window->showMinimized();
        window->close();
        QCOMPARE(Placement::load(*m_settings)[2], outer.width() * 15.0);
    }

private:
    std::unique_ptr<frmScore> start(const QString &dataDir)
    {
        m_store = std::make_unique<PoolStore>();
        frmScoreServices services;
        services.store = m_store.get();
        services.dialogs = &m_dialogs;
        services.random = &m_random;
        services.print = &m_print;
        services.urls = &m_urls;
        services.settings = m_settings.get();
        services.dataDir = dataDir;
        services.programDir = dataDir;
        return OpenMainWindow(services);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<PoolStore> m_store;
    Dialogs m_dialogs;
    RandomSource m_random{1};
    PrintSeam m_print;
    RecordingOpener m_urls;
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
