// A process killed at any moment of a save leaves a sound pool file in which
// every pool is either its previous or its new version, whole.
#include "support/testwindow.h"

#include "versioned.h"

#include <QTest>
#include <QtCore>

#include <csignal>

class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedSavesLoseNothing()
    {
        const int kills = qEnvironmentVariableIntValue("QUADRIX_LONG") ? 2000 : 200;
        const int pools = 5;
        const QStringList columns = versionedColumns();
        TestData data;
        PoolValues first;
        for (const QString &c : columns)
            first.insert(c, u"v0"_s);
        for (int i = 0; i < pools; ++i)
            data.addPool(first);
        const QString saver =
            QDir(QCoreApplication::applicationDirPath()).filePath("quadrix_saver");
        QRandomGenerator random(20261206);
        QList<long> saved(pools, 0); // the version of each pool last known to be in the file
        for (int run = 0; run < kills; ++run) {
            QProcess child;
            child.start(saver, {data.dir(), QString::number(pools)});
            QVERIFY(child.waitForStarted());
            QByteArray out;
            while (!out.contains("ready\n") && child.waitForReadyRead(10000))
                out += child.readAllStandardOutput();
            QVERIFY2(out.contains("ready\n"), out.constData());
            QTest::qSleep(int(random.bounded(1, 60)));
            ::kill(pid_t(child.processId()), SIGKILL);
            child.waitForFinished();
            out += child.readAllStandardOutput();

            // A commit the kill cut short may be in the file or not, even
            // when it was begun and not reported done.
            QList<long> begun(pools, -1);
            for (const QByteArray &line : out.split('\n')) {
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() == 3)
                    (parts[0] == "done" ? saved : begun)[parts[1].toInt() - 1] = parts[2].toLong();
            }
            QString integrity;
            const QMap<qint64, PoolValues> file = data.allPools(&integrity);
            QCOMPARE(integrity, u"ok"_s);
            QCOMPARE(file.size(), pools);
            for (auto it = file.cbegin(); it != file.cend(); ++it) {
                const QString version = it->value(u"Im0"_s).toString();
                for (const QString &column : columns)
                    QVERIFY2(it->value(column).toString() == version,
                             qPrintable(u"pool %1 is torn at %2"_s.arg(it.key()).arg(column)));
                const long stored = version.mid(1).toLong();
                long &expected = saved[it.key() - 1];
                QVERIFY2(stored == expected || stored == begun[it.key() - 1],
                         qPrintable(u"pool %1: stored v%2, expected v%3 or v%4"_s.arg(it.key())
                                        .arg(stored)
                                        .arg(expected)
                                        .arg(begun[it.key() - 1])));
                expected = stored;
            }
        }
        QVERIFY2(saved != QList<long>(pools, 0), "no save was ever made");
    }
};

QTEST_GUILESS_MAIN(TestCrash)
#include "test_crash.moc"
