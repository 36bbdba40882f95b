// A disk that fails in the middle of a save: full, or broken for one write.
// Every write, sync and growth of the file of each save fails in turn; the
// user is told what went wrong, nothing typed is lost, the pool file stays
// whole at its old version, and the same command succeeds once the disk is
// well again.
#include "saves.h"
#include "support/diskshim.h"

#include <QTest>
#include <QtWidgets>

#include <sqlite3.h>

class TestIoFaults : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        DiskShim::heal();
        m_window.reset();
        m_data.reset();
    }

    void everyFailingWriteIsToldAndLosesNothing_data()
    {
        QTest::addColumn<Save>("save");
        QTest::addColumn<DiskShim::Point>("point");
        QTest::addColumn<int>("error");
        const std::pair<const char *, DiskShim::Point> points[] = {
            {"write", DiskShim::Point::Write},
            {"sync", DiskShim::Point::Sync},
            {"growth", DiskShim::Point::Grow}};
        for (const auto &[saveName, save] : kSaves)
            for (const auto &[pointName, point] : points) {
                // A full disk stays full; a broken write is broken once.
                QTest::addRow("%s, %s, disk full", saveName, pointName)
                    << save << point << SQLITE_FULL;
                QTest::addRow("%s, %s, I/O error", saveName, pointName)
                    << save << point << SQLITE_IOERR;
            }
    }
    void everyFailingWriteIsToldAndLosesNothing()
    {
        QFETCH(Save, save);
        QFETCH(DiskShim::Point, point);
        QFETCH(int, error);
        const QString told = error == SQLITE_FULL ? "is full" : "could not be written";
        const SaveOutcome sound = soundSave(save);
        int failures = 0;
        for (int nth = 1;; ++nth) {
            setUp(save);
            DiskShim::failAt(point, nth, error, error == SQLITE_FULL);
            act(save);
            if (!DiskShim::failed()) {
                DiskShim::heal();
                expectSaved(save, sound); // past the last write point of this save
                break;
            }
            ++failures;
            const QString at = u"the fault at call %1"_s.arg(nth);
            QVERIFY2(messages().size() == 1 && messages().first().contains(told),
                     qPrintable(at + ": " + messages().join(" | ")));
            expectUnchangedWindow(save, sound.before);
            DiskShim::heal();
            QString integrity;
            QVERIFY2(m_data->allPools(&integrity) == sound.before, qPrintable(at));
            QCOMPARE(integrity, u"ok"_s);
            m_window->dialogs.clearShown();
            retry(save);
            expectSaved(save, sound);
            QVERIFY(nth < 100);
        }
        QVERIFY(failures > 0);
    }

private:
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }

    void setUp(Save save)
    {
        m_window.reset();
        m_data = std::make_unique<TestData>();
        m_window = prepareSave(*m_data, save);
    }
    void act(Save save) { performSave(w(), save); }
    // What the user does again: the lock asks for the password twice.
    void retry(Save save)
    {
        if (save == Save::Lock)
            w().Text1->setText("new");
        act(save);
    }

    void expectUnchangedWindow(Save save, const QMap<qint64, PoolValues> &before)
    {
        switch (save) {
        case Save::EditedPool:
        case Save::NewPool:
            QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible());
            QVERIFY(!w().cmdNext->isEnabled());
            QCOMPARE(w().mbAddNewFlag, save == Save::NewPool);
            QCOMPARE(w().Imput[7]->text() + w().Imput[93]->text(), u"typedtyped too"_s);
            QCOMPARE(w().Combo1[1]->currentText(), u"Typed Team"_s);
            break;
        case Save::Delete:
            QCOMPARE(w().txtID->text(), u"1"_s);
            QCOMPARE(boardMismatch(w(), before.value(1)), QString());
            break;
        case Save::Lock:
            QVERIFY(!w().Locked && !w().lblLocked->isVisible());
            QCOMPARE(w().Text2->text(), u"new"_s);
            break;
        case Save::Unlock:
            QVERIFY(w().Locked && w().lblLocked->isVisible());
            QCOMPARE(w().txtID->text(), u"2"_s);
            break;
        }
    }

    // Stored as on a sound disk, and the window back in browsing: after a
    // delete it shows the locked pool that followed.
    void expectSaved(Save save, const SaveOutcome &sound)
    {
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(" | ")));
        QString integrity;
        QVERIFY(m_data->allPools(&integrity) == sound.after);
        QCOMPARE(integrity, u"ok"_s);
        QVERIFY(w().cmdEdit->isVisible());
        QCOMPARE(w().Locked, save == Save::Lock || save == Save::Delete);
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestIoFaults)
#include "test_iofaults.moc"
