// Power lost in the middle of a save: whatever the disk had not yet been told
// to keep is gone or torn. At every file operation of each save, with many
// ways of tearing, the pool file comes back sound and every pool in it is
// whole at its old version or its new one, never a mixture.
#include "saves.h"
#include "support/diskshim.h"

#include <QTest>
#include <QtWidgets>

class TestPowerLoss : public QObject
{
    Q_OBJECT

private slots:
    void everyCutLeavesTheOldOrTheNewFile()
    {
        const int cuts = qEnvironmentVariableIntValue("QUADRIX_LONG") ? 10000 : 500;
        QMap<Save, SaveOutcome> outcomes;
        for (const auto &[name, save] : kSaves)
            outcomes[save] = soundSave(save);

        int lostSaves = 0;
        for (int cut = 0; cut < cuts; ++cut) {
            const auto &[name, save] = kSaves[cut % std::size(kSaves)];
            const SaveOutcome &outcome = outcomes[save];
            const int count = outcome.operations;
            // Every operation of the save in turn, each with other tearing,
            // and once just after the save was done.
            const int nth = 1 + (cut / int(std::size(kSaves))) % (count + 1);
            const bool done = nth > count;
            TestData data;
            auto window = prepareSave(data, save);
            DiskShim::cutPowerAt(nth);
            performSave(window->w(), save);
            const QString at = u"%1, power cut at operation %2 of %3, seed %4"_s.arg(
                name, QString::number(nth), QString::number(count), QString::number(cut));
            // The user is told of a save that was cut; one that was done is
            // done for good.
            QVERIFY2(DiskShim::powerCut() != done, qPrintable(at));
            QVERIFY2(window->messages().isEmpty() == done, qPrintable(at));
            DiskShim::reboot(unsigned(cut));
            window.reset();

            QString integrity;
            const QMap<qint64, PoolValues> pools = data.allPools(&integrity);
            QVERIFY2(integrity == "ok", qPrintable(at + ": " + integrity));
            QVERIFY2(pools == outcome.after || (!done && pools == outcome.before), qPrintable(at));
            lostSaves += pools == outcome.before;
        }
        qInfo("%d power cuts; %d saves lost whole, %d kept whole", cuts, lostSaves,
              cuts - lostSaves);
    }
};

QTEST_MAIN(TestPowerLoss)
#include "test_powerloss.moc"
