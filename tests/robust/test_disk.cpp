// A disk that fails in a save: each write, sync and growth of the file in
// turn, full or broken once, or another program holds the file. The user is
// told, nothing typed is lost, the file stays whole and old, and the command
// works once the disk is well. Or the power goes, or the program is killed:
// the file comes back old or new, never mixed.
#include "players/playersdialog.h"
#include "support/diskshim.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

#include <sqlite3.h>

namespace {

// The commands that write the pool file, driven through the window exactly
// as users give them, for the tests that make the disk fail under them. The
// file holds three pools, the second locked with "pw"; in the first, Ann has
// paid (an edit types over her square, so her payment goes with that save)
// and Bob has not.
enum class Save
{
    EditedPool,
    NewPool,
    Delete,
    Lock,
    Unlock,
    Tick,
    Draw,
    Results
};

const std::pair<const char *, Save> kSaves[] = {{"update of an edited pool", Save::EditedPool},
                                                {"update of a new pool", Save::NewPool},
                                                {"delete", Save::Delete},
                                                {"lock", Save::Lock},
                                                {"unlock", Save::Unlock},
                                                {"payment tick", Save::Tick},
                                                {"draw on a locked pool", Save::Draw},
                                                {"payout plan and scores", Save::Results}};

// What the user is told, without the questions asked.
constexpr auto kMessage = Dialogs::Shown::Kind::Message;

// A fresh pool file and window, with everything typed that the save needs.
std::unique_ptr<TestWindow> prepareSave(TestData &data, Save save)
{
    PoolValues open = samplePool("01/01/2025", "Open", "X");
    open.insert({{"Im7", "Ann"}, {"Im8", "Bob"}});
    data.addPool(open);
    OtherProgram(data.poolFile())
        .exec("CREATE TABLE Payments (PoolID INTEGER NOT NULL, Player TEXT NOT NULL, Paid "
              "INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (PoolID, Player))");
    OtherProgram(data.poolFile()).exec("INSERT INTO Payments VALUES (1, 'ann', 1)");
    PoolValues locked = samplePool("02/02/2025", "Shut", "Y");
    locked.insert("Password", "pw");
    data.addPool(locked);
    data.addPool(samplePool("03/03/2025", "Last", "Z"));
    auto window = std::make_unique<TestWindow>(data);
    frmScore &w = window->w();
    if (save == Save::EditedPool || save == Save::NewPool) {
        (save == Save::NewPool ? w.cmdAdd : w.cmdEdit)->click();
        if (save == Save::NewPool)
            w.txtGameDate->setText("04/04/2025");
        w.Imput[7]->setText("typed");
        w.Imput[93]->setText("typed too");
        w.Combo1[1]->setEditText("Typed Team");
    }
    if (save == Save::Unlock || save == Save::Draw)
        w.cmdNext->click(); // to the locked pool
    if (save == Save::Lock || save == Save::Unlock)
        w.Text2->setText(save == Save::Lock ? "new" : "pw"),
            w.Text1->setText(save == Save::Lock ? "new" : "");
    if (save == Save::Tick)
        w.cmdPlayers->click();
    return window;
}

void performSave(TestWindow &window, Save save)
{
    frmScore &w = window.w();
    // Asked "Delete the pool of ...?", or about the unsold squares.
    if (save == Save::Delete || save == Save::Draw)
        window.dialogs.setNextAnswer(Dialogs::Answer::Yes);
    if (save == Save::Tick)
        return w.playersDialog()->table()->item(1, 4)->setCheckState(Qt::Checked);
    if (save == Save::Results) {
        Pool::Scores scores;
        scores[0] = {u"7"_s, u"3"_s};
        return void(w.storeResults(Payout::Plan{{1000, 2000, 3000, 4000}}, scores));
    }
    const std::map<Save, QAbstractButton *> buttons{
        {Save::EditedPool, w.cmdUpdate}, {Save::NewPool, w.cmdUpdate}, {Save::Delete, w.cmdDelete},
        {Save::Lock, w.cmdLock},         {Save::Unlock, w.cmdunlock},  {Save::Draw, w.Command3}};
    buttons.at(save)->click();
}

// The pool file before and after the save on a sound disk, and the file
// operations the save took.
struct SaveOutcome
{
    QMap<qint64, PoolValues> before, after;
    int operations = 0;
};
SaveOutcome soundSave(Save save)
{
    TestData data;
    auto window = prepareSave(data, save);
    SaveOutcome outcome{data.allPools(), {}};
    DiskShim::cutPowerAt(0);
    performSave(*window, save);
    outcome.operations = DiskShim::status().operations;
    if (!window->dialogs.shownTexts(kMessage).isEmpty())
        qFatal("a save on a sound disk failed: %s",
               qPrintable(window->dialogs.shownTexts(kMessage).join(' ')));
    outcome.after = data.allPools();
    return outcome;
}

} // namespace

class TestDiskFailures : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { DiskShim::heal(), m_window.reset(), m_data.reset(); }

    void everyFailingWriteIsToldAndLosesNothing_data()
    {
        QTest::addColumn<Save>("save");
        QTest::addColumn<DiskShim::Point>("point");
        QTest::addColumn<int>("error"); // SQLITE_BUSY: another program holds the file
        const std::pair<const char *, DiskShim::Point> points[] = {
            {"write", DiskShim::Point::Write},
            {"sync", DiskShim::Point::Sync},
            {"growth", DiskShim::Point::Grow}};
        for (const auto &[saveName, save] : kSaves) {
            for (const auto &[pointName, point] : points) {
                // A full disk stays full; a broken write is broken once.
                QTest::addRow("%s, %s, disk full", saveName, pointName)
                    << save << point << SQLITE_FULL;
                QTest::addRow("%s, %s, I/O error", saveName, pointName)
                    << save << point << SQLITE_IOERR;
            }
            QTest::addRow("%s, file in use", saveName) << save << DiskShim::Point{} << SQLITE_BUSY;
        }
    }
    // A file held by another program (a second copy of Quadrix, say) is
    // waited for through the busy time before the user is told.
    void everyFailingWriteIsToldAndLosesNothing()
    {
        QFETCH(Save, save);
        QFETCH(DiskShim::Point, point);
        QFETCH(int, error);
        const bool held = error == SQLITE_BUSY;
        const QString told = held                   ? "in use by another program"
                             : error == SQLITE_FULL ? "is full"
                                                    : "could not be written";
        const SaveOutcome sound = soundSave(save);
        int failures = 0;
        for (int nth = 1; nth == 1 || !held; ++nth) {
            setUp(save);
            std::optional<OtherProgram> holder;
            QElapsedTimer waited;
            waited.start();
            if (held)
                holder.emplace(m_data->poolFile(), true);
            else
                DiskShim::failAt(point, nth, error, error == SQLITE_FULL);
            performSave(*m_window, save);
            holder.reset();
            QVERIFY(!held || waited.elapsed() >= 2000);
            if (!held && !DiskShim::status().failed) {
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

    void everyCutLeavesTheOldOrTheNewFile_data()
    {
        QTest::addColumn<bool>("processOnly");
        QTest::addColumn<int>("cuts");
        const bool longMode = qEnvironmentVariableIntValue("QUADRIX_LONG") > 0;
        QTest::newRow("power cut") << false << (longMode ? 10000 : 500);
        QTest::newRow("program killed") << true << (longMode ? 2000 : 200);
    }
    void everyCutLeavesTheOldOrTheNewFile()
    {
        QFETCH(bool, processOnly);
        QFETCH(int, cuts);
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
            performSave(*window, save);
            const QString at = u"%1, cut at operation %2 of %3, seed %4"_s.arg(
                name, QString::number(nth), QString::number(count), QString::number(cut));
            // The user is told of a save that was cut; one that was done is
            // done for good.
            QVERIFY2(DiskShim::status().powerCut != done, qPrintable(at));
            QVERIFY2(window->dialogs.shownTexts(kMessage).isEmpty() == done, qPrintable(at));
            DiskShim::reboot(unsigned(cut), processOnly);
            window.reset();

            QString integrity;
            const QMap<qint64, PoolValues> pools = data.allPools(&integrity);
            QVERIFY2(integrity == "ok", qPrintable(at + ": " + integrity));
            QVERIFY2(pools == outcome.after || (!done && pools == outcome.before), qPrintable(at));
            lostSaves += pools == outcome.before;
        }
        qInfo("%d cuts; %d saves lost whole, %d kept whole", cuts, lostSaves, cuts - lostSaves);
    }

private:
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->dialogs.shownTexts(kMessage); }

    void setUp(Save save)
    {
        m_window.reset();
        m_data = std::make_unique<TestData>();
        m_window = prepareSave(*m_data, save);
    }
    // What the user does again: the lock asks for the password twice.
    void retry(Save save)
    {
        if (save == Save::Lock)
            w().Text1->setText("new");
        if (save == Save::Draw) // the digits drawn stay; the button stores them
            return w().Command3->click();
        performSave(*m_window, save);
    }

    void expectUnchangedWindow(Save save, const QMap<qint64, PoolValues> &before)
    {
        switch (save) {
        case Save::EditedPool:
        case Save::NewPool:
            QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible() &&
                    !w().cmdNext->isEnabled());
            QCOMPARE(w().document().mode(), save == Save::NewPool ? PoolDocument::Mode::Adding
                                                                  : PoolDocument::Mode::Editing);
            QCOMPARE(w().Imput[7]->text() + w().Imput[93]->text() + w().Combo1[1]->currentText(),
                     u"typedtyped tooTyped Team"_s);
            break;
        case Save::Delete:
        case Save::Results:
            QCOMPARE(boardMismatch(w(), before.value(1)), QString());
            break;
        case Save::Lock:
            QVERIFY(!w().isLocked() && !w().lblLocked->isVisible());
            QCOMPARE(w().Text2->text(), u"new"_s);
            break;
        case Save::Unlock:
            QVERIFY(w().isLocked() && w().lblLocked->isVisible() && w().txtID->text() == u"2"_s);
            break;
        case Save::Tick:
            QCOMPARE(w().playersDialog()->table()->item(1, 4)->checkState(), Qt::Unchecked);
            break;
        case Save::Draw:
            QVERIFY(w().isLocked() && !w().Number[0]->text().isEmpty() && w().hasUnsavedChanges());
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
        QCOMPARE(w().isLocked(), save == Save::Lock || save == Save::Delete || save == Save::Draw);
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestDiskFailures)
#include "test_disk.moc"
