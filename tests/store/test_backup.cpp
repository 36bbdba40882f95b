// The daily backup: a sound copy with every pool, one a day, seven kept (a
// damaged file's never among them), beside a window that goes on working.
#include "store/backup.h"
#include "support/testwindow.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QtWidgets>

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_data = std::make_unique<TestData>(); }

    void oneSoundCopyADaySevenKept()
    {
        m_data->addPool({{"Date", "01/02/2026"}, {"Im0", "Ann"}, {"Password", "pw"}});
        m_data->addPool({{"Date", "01/03/2026"}, {"Im99", "Bob"}});
        const QDate first(2026, 12, 1);
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(QFile(QDir(folder()).filePath("notes.txt")).open(QIODevice::WriteOnly));

        QCOMPARE(backUp(first), QString());
        const QString copy = QDir(folder()).filePath("QDX_DB-2026-12-01.mdb");
        QString integrity;
        QCOMPARE(m_data->allPools(&integrity, copy), m_data->allPools());
        QCOMPARE(integrity, u"ok"_s);
        PoolDatabase().open(copy); // the copy is a pool file the program opens

        // A second start the same day copies nothing, even after a change.
        m_data->addPool({{"Date", "01/04/2026"}});
        DailyBackup again;
        again.start(m_data->poolFile(), m_data->dir(), first);
        QVERIFY(!again.isRunning());
        QCOMPARE(m_data->allPools(nullptr, copy).size(), 2);

        for (int day = 1; day < 8; ++day)
            QCOMPARE(backUp(first.addDays(day)), QString());
        QStringList kept = QDir(folder()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(kept.size(), 8);
        QCOMPARE(kept.first(), u"QDX_DB-2026-12-02.mdb"_s);
        QCOMPARE(kept.at(6), u"QDX_DB-2026-12-08.mdb"_s);
        QCOMPARE(kept.last(), u"notes.txt"_s); // not a backup: never removed
        QCOMPARE(m_data->allPools(nullptr, QDir(folder()).filePath(kept.at(6))).size(), 3);

        // A damaged page is copied as it is: such a copy never replaces or
        // prunes a sound backup. The first is kept apart and the user told;
        // later ones are only logged.
        QFile file(m_data->poolFile());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4096) && // the pools' page
                file.write(QByteArray(16, '\x7f')) == 16 && file.flush());
        kept.insert(7, u"QDX_DB-2026-12-09-suspect.mdb"_s);
        for (const bool report : {true, false}) {
            const auto done = backUpSpy(first.addDays(9 - report));
            QVERIFY(done.first().first().toString().contains("The pool file is damaged"));
            QCOMPARE(done.first().last().toBool(), report);
            QCOMPARE(QDir(folder()).entryList(QDir::Files, QDir::Name), kept);
        }
    }

    void aFailedBackupIsReportedAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"no pool file", "not a database", "backups folder is a file",
                                 "disk full", "a write fails", "a sync fails"})
            QTest::newRow(kind) << QString(kind);
    }
    void aFailedBackupIsReportedAndLeavesNothing()
    {
        QFETCH(QString, kind);
        if (kind == "no pool file")
            QVERIFY(QFile::remove(m_data->poolFile()));
        if (kind == "not a database") {
            QFile file(m_data->poolFile());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(8192, 'x'));
        }
        if (kind.startsWith("backups"))
            QVERIFY(QFile(folder()).open(QIODevice::WriteOnly));
        if (kind == "disk full")
            DiskShim::failAt(DiskShim::Point::Grow, 1, SQLITE_FULL, true);
        if (kind.endsWith("fails"))
            DiskShim::failAt(kind.contains("write") ? DiskShim::Point::Write
                                                    : DiskShim::Point::Sync,
                             1, SQLITE_IOERR, true);
        QVERIFY(!backUp(QDate(2026, 12, 1)).isEmpty());
        QVERIFY(QDir(folder()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    }

    // Another program holding the pool file: the copy waits for it to let
    // go, then holds what it committed.
    void aBusyPoolFileIsCopiedOnceFree()
    {
        OtherProgram other(m_data->poolFile(), true);
        other.exec("INSERT INTO Football (Date) VALUES ('01/05/2026')");
        DailyBackup backup;
        QSignalSpy done(&backup, &DailyBackup::finished);
        backup.start(m_data->poolFile(), m_data->dir(), QDate(2026, 12, 1));
        QVERIFY(!done.wait(300));
        other.exec("COMMIT");
        QVERIFY(done.wait(10000));
        QCOMPARE(done.first().first().toString(), QString());
        const QString copy = QDir(folder()).filePath("QDX_DB-2026-12-01.mdb");
        QCOMPARE(m_data->allPools(nullptr, copy), m_data->allPools());
    }

    // A big pool file: a save of the window goes through while it is copied
    // on its own thread, and a copy stopped half-way leaves nothing. (How
    // long the window waits meanwhile is measured by the benchmark.)
    void aBigPoolFileIsCopiedBesideTheWindow()
    {
        const int pools = 100000;
        // Pools with every square sold, as a full season of office pools.
        QStringList names{"Date", "Team1", "Team2"};
        QStringList values{"printf('01/%02d/2026', 1 + p % 28)", "'Dallas Cowboys'",
                           "'Green Bay Packers'"};
        for (int i = 0; i < 100; ++i) {
            names << u"Im%1"_s.arg(i);
            values << u"'Player ' || ((p + %1) % 37)"_s.arg(i);
        }
        OtherProgram(m_data->poolFile())
            .exec(u"WITH RECURSIVE n(p) AS (SELECT 0 UNION ALL SELECT p + 1 FROM n WHERE p < %1) "
                  "INSERT INTO Football (%2) SELECT %3 FROM n"_s.arg(pools - 1)
                      .arg(names.join(','), values.join(',')));
        {
            DailyBackup stopped;
            stopped.start(m_data->poolFile(), m_data->dir(), QDate(2026, 11, 30));
            QVERIFY(stopped.isRunning());
        }
        QVERIFY(QDir(folder()).entryList(QDir::Files).isEmpty());

        TestWindow window(*m_data);
        DailyBackup backup;
        QSignalSpy done(&backup, &DailyBackup::finished);
        backup.start(m_data->poolFile(), m_data->dir(), QDate(2026, 12, 1));
        QVERIFY(backup.isRunning());
        window->cmdEdit->click();
        window->Imput[5]->setText("during");
        window->cmdUpdate->click();
        QVERIFY(done.wait(120000));
        QCOMPARE(done.first().first().toString(), QString());
        QVERIFY(window.messages().isEmpty());
        QCOMPARE(m_data->stored(1, "Im5"), QVariant("during"));
        OtherProgram copy(QDir(folder()).filePath("QDX_DB-2026-12-01.mdb"));
        QSqlQuery query(copy.db());
        QVERIFY(query.exec("SELECT COUNT(*) FROM Football") && query.next());
        QCOMPARE(query.value(0).toInt(), pools);
        QVERIFY(query.exec("PRAGMA quick_check") && query.next());
        QCOMPARE(query.value(0).toString(), u"ok"_s);
    }

private:
    QString folder() const { return DailyBackup::folderOf(m_data->dir()); }

    // The arguments of the finished signal of a day's backup.
    QList<QVariantList> backUpSpy(const QDate &day)
    {
        DailyBackup backup;
        QSignalSpy done(&backup, &DailyBackup::finished);
        backup.start(m_data->poolFile(), m_data->dir(), day);
        return done.wait(10000) ? done : QList<QVariantList>{{u"<no end>"_s, false}};
    }
    QString backUp(const QDate &day) { return backUpSpy(day).first().first().toString(); }

    std::unique_ptr<TestData> m_data;
};

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
