// A process killed at any moment of a save leaves a sound pool file in which
// every pool is either its previous or its new version, whole.
#include "support/testwindow.h"

#include "versioned.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>

namespace {

constexpr int kPools = 5;

// The version each pool holds, in key order; or what is wrong with the file.
QString inspect(TestData &data, QList<long> &versions)
{
    QString integrity;
    const QMap<qint64, PoolValues> pools = data.allPools(&integrity);
    if (integrity != QLatin1String("ok"))
        return integrity;
    versions.clear();
    for (auto it = pools.cbegin(); it != pools.cend(); ++it) {
        const QString version = it->value(u"Im0"_s).toString();
        for (const QString &column : versionedColumns())
            if (it->value(column).toString() != version)
                return u"pool %1 is torn at %2"_s.arg(it.key()).arg(column);
        versions << version.mid(1).toLong();
    }
    return {};
}

} // namespace

class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedSavesLoseNothing()
    {
        const int kills = qEnvironmentVariableIntValue("QUADRIX_LONG") ? 2000 : 200;
        TestData data;
        for (int i = 0; i < kPools; ++i) {
            PoolValues pool;
            for (const QString &c : versionedColumns())
                pool.insert(c, u"v0"_s);
            data.addPool(pool);
        }
        const QString saver =
            QDir(QCoreApplication::applicationDirPath()).filePath("quadrix_saver");
        QRandomGenerator random(20261206);
        QList<long> expected(kPools, 0);
        int commitsSeen = 0;
        int killedInFlight = 0;
        for (int run = 0; run < kills; ++run) {
            QProcess child;
            child.start(saver, {data.dir(), QString::number(kPools)});
            QVERIFY(child.waitForStarted());
            QByteArray out;
            while (!out.contains("ready\n") && child.waitForReadyRead(10000))
                out += child.readAllStandardOutput();
            QVERIFY2(out.contains("ready\n"), out.constData());
            QTest::qSleep(int(random.bounded(1, 60)));
            ::kill(pid_t(child.processId()), SIGKILL);
            child.waitForFinished();
            out += child.readAllStandardOutput();

            QList<long> begun(kPools, -1);
            for (const QByteArray &line : out.split('\n')) {
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() != 3)
                    continue;
                const int index = parts[1].toInt() - 1;
                if (parts[0] == "begin") {
                    begun[index] = parts[2].toLong();
                } else if (parts[0] == "done") {
                    expected[index] = parts[2].toLong();
                    begun[index] = -1;
                    ++commitsSeen;
                }
            }
            QList<long> versions;
            const QString problem = inspect(data, versions);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            QCOMPARE(versions.size(), kPools);
            for (int i = 0; i < kPools; ++i) {
                const long stored = versions[i];
                if (stored == begun[i]) {
                    ++killedInFlight; // committed, but killed before it could say so
                    expected[i] = stored;
                }
                QVERIFY2(stored == expected[i],
                         qPrintable(u"pool %1: stored v%2, expected v%3 or v%4"_s.arg(i + 1)
                                        .arg(stored)
                                        .arg(expected[i])
                                        .arg(begun[i])));
            }
        }
        qInfo("kills survived: %d, commits seen: %d, commits whose report the kill cut: %d", kills,
              commitsSeen, killedInFlight);
    }
};

QTEST_GUILESS_MAIN(TestCrash)
#include "test_crash.moc"
