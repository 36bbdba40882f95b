// The record commands and the date search through the real window: what is
// stored, what is shown, and that no command ever writes one pool's board
// into another.
#include "store/recordmapping.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

template <typename... Widgets> QStringList texts(const Widgets *...widgets)
{
    return {widgets->text()...};
}

class TestRecordCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_window.reset();
        m_data = std::make_unique<TestData>();
    }

    void addAndSaveStoresTheBoard()
    {
        open();
        w().cmdAdd->click();
        QCOMPARE(w().txtGameDate->text(), RecordMapping::dateText(QDate::currentDate()));
        QVERIFY(!w().cmdAdd->isVisible() && w().cmdUpdate->isVisible() &&
                !w().cmdNext->isEnabled());
        w().txtGameDate->setText("09/14/2025");
        w().Imput[0]->setText("Ann");
        w().Number[3]->setText("7");
        w().Who[2]->setText("Bo");
        w().Combo1[1]->setEditText("Dallas Cowboys");
        w().Option1[1]->setChecked(true);
        QList<int> progress;
        connect(w().Pb1, &QProgressBar::valueChanged, this, [&](int v) { progress << v; });
        w().cmdUpdate->click();
        QCOMPARE(progress, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QVERIFY(!w().Pb1->isVisible() && w().cmdAdd->isVisible() && messages().isEmpty());
        QCOMPARE(m_data->poolCount(), 1);
        QCOMPARE(stored(1, {"Date", "Im0", "Num3", "Quarter3", "Team1", "Half", "Quarter", "Im99"}),
                 (QStringList{"09/14/2025", "Ann", "7", "Bo", "Dallas Cowboys", "1", "0", ""}));
        QVERIFY(!m_data->stored(1, "Im99").isNull()); // an empty square is empty text
        QVERIFY(m_data->stored(1, "Password").isNull());
    }

    void movesAndEditsFollowThePoolOnShow()
    {
        add({"One", "Two", "Three"});
        open();
        QCOMPARE(click({w().cmdPrevious, w().cmdLast, w().cmdNext, w().cmdPrevious, w().cmdFirst}),
                 (QStringList{"One", "Three", "Three", "Two", "One"}));
        QVERIFY(messages().isEmpty());
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL"));
        QCOMPARE(w().lblStatus->text(), QStringLiteral("01/01/2025  One VS X"));
        w().cmdAdd->click();
        w().txtGameDate->setText("02/02/2025");
        QCOMPARE(click({w().cmdUpdate, w().cmdFirst, w().cmdNext, w().cmdNext}).last(), "Three");
        for (const QString column : {"Im1", "Im2"}) { // twice: the view stays on the third
            QCOMPARE(click({w().cmdEdit}), QStringList{"Three"});
            w().Imput[column.back().digitValue()]->setText("third's");
            w().txtGameDate->setText("03/03/2025");
            w().cmdUpdate->click();
            QCOMPARE(stored(3, {column, "Date"}), (QStringList{"third's", "01/01/2025"}));
            QCOMPARE(stored(1, column) + stored(4, column), QString());
        }
        QCOMPARE(m_data->poolCount(), 4);
        QCOMPARE(click({w().cmdPrevious}), QStringList{"Two"});
    }

    void cancelRestoresTheStoredPool_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::newRow("add") << false;
        QTest::newRow("edit") << false;
        QTest::newRow("add on an empty file") << true;
    }
    void cancelRestoresTheStoredPool()
    {
        QFETCH(bool, empty);
        if (!empty) {
            add({"Home"}, {{"Im7", "Dee"}});
            add({"Other"});
        }
        open();
        (QTest::currentDataTag() == QByteArray("edit") ? w().cmdEdit : w().cmdAdd)->click();
        w().Imput[7]->setText("typed");
        w().Combo1[1]->setEditText("typed");
        w().cmdCancel->click();
        QVERIFY(w().cmdAdd->isVisible() && w().cmdNext->isEnabled());
        QCOMPARE(w().Imput[7]->text(), empty ? "" : "Dee");
        QCOMPARE(team(), empty ? "" : "Home");
        QCOMPARE(m_data->poolCount(), empty ? 0 : 2);
        if (empty)
            return;
        click({w().cmdEdit, w().cmdUpdate}); // saves what the pool on show really holds
        QCOMPARE(stored(1, "Im7"), QStringLiteral("Dee"));
        QCOMPARE(stored(2, "Team1"), QStringLiteral("Other"));
    }

    void deleteShowsANeighbour_data()
    {
        QTest::addColumn<int>("position"); // 0-based pool to delete
        QTest::addColumn<int>("pools");
        QTest::addColumn<QString>("shown"); // Team1 afterwards, "" for the cleared board
        QTest::newRow("middle") << 1 << 3 << "P2";
        QTest::newRow("last") << 2 << 3 << "P1";
        QTest::newRow("only") << 0 << 1 << "";
    }
    void deleteShowsANeighbour()
    {
        QFETCH(int, position);
        QFETCH(int, pools);
        QFETCH(QString, shown);
        add(QStringList{"P0", "P1", "P2"}.mid(0, pools));
        open();
        for (int i = 0; i < position; ++i)
            w().cmdNext->click();
        QCOMPARE(click({w().cmdDelete}), QStringList{shown});
        QVERIFY(messages().isEmpty() && !w().StartUp && !w().Moveit);
        QCOMPARE(m_data->poolCount(), pools - 1);
        if (shown.isEmpty())
            QCOMPARE(texts(w().lblOpen, w().txtPoolAmount), (QStringList{"000", "$000.00"}));
    }

    void refusedCommandsChangeNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message"); // the lock message: on a locked pool
        const QString none, noRecord = "No current record.", lock = frmScore::kLockMessage;
        QTest::newRow("first on an empty set") << "cmdFirst" << noRecord;
        QTest::newRow("last on an empty set") << "cmdLast" << noRecord;
        QTest::newRow("next on an empty set") << "cmdNext" << none;
        QTest::newRow("previous on an empty set") << "cmdPrevious" << none;
        QTest::newRow("add while locked") << "cmdAdd" << lock;
        QTest::newRow("edit while locked") << "cmdEdit" << lock;
        QTest::newRow("delete while locked") << "cmdDelete" << lock;
    }
    void refusedCommandsChangeNothing()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        const bool locked = message == frmScore::kLockMessage;
        if (locked)
            add({"Locked"}, {{"Password", "secret"}});
        open();
        QCOMPARE(w().Locked, locked);
        w().Imput[4]->setText("stays");
        w().findChild<QAbstractButton *>(button)->click();
        QCOMPARE(messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(w().Imput[4]->text(), QStringLiteral("stays"));
        QCOMPARE(m_data->poolCount(), locked ? 1 : 0);
        QVERIFY(w().cmdAdd->isVisible() && !w().cmdUpdate->isVisible());
        QVERIFY(!w().StartUp && !w().Moveit);
    }

    void refusedSaveStaysInEditing_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message"); // contained in the one message
        const QString noDate = " Game Date Has To Have A Date";
        QTest::newRow("nothing typed") << "" << noDate;
        QTest::newRow("part of a date") << "12" << noDate;
        QTest::newRow("no such day") << "02/30/2025" << noDate;
        QTest::newRow("edit, write refused") << "01/01/2025"
                                             << "refused";
        QTest::newRow("a locked pool found during the add")
            << "01/01/2025" << frmScore::kLockMessage;
    }
    // The user gives what was missing and saves, or cancels: nothing typed
    // is lost and nothing is saved into a pool that is not on show.
    void refusedSaveStaysInEditing()
    {
        QFETCH(QString, date);
        QFETCH(QString, message);
        const QByteArray row = QTest::currentDataTag();
        add({"Stored"}, {{"Im0", "kept"}});
        add({"Shut"}, {{"Password", "pw"}, {"Date", "02/02/2025"}});
        open();
        const bool edit = row.startsWith("edit");
        if (edit)
            m_data->refuseWrites();
        (edit ? w().cmdEdit : w().cmdAdd)->click();
        if (row.startsWith("a locked"))
            search("02022025");
        w().txtGameDate->setText(date);
        w().Imput[0]->setText("typed");
        w().cmdUpdate->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().contains(message), qPrintable(messages().first()));
        QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible());
        QVERIFY(!w().cmdAdd->isVisible() && !w().cmdEdit->isVisible() &&
                !w().cmdDelete->isVisible() && !w().cmdNext->isEnabled());
        QCOMPARE(w().mbAddNewFlag, !edit);
        QCOMPARE(w().Imput[0]->text(), QStringLiteral("typed"));
        QCOMPARE(m_data->poolCount(), 2);
        QCOMPARE(stored(1, "Im0"), QStringLiteral("kept"));
        if (message != " Game Date Has To Have A Date")
            return;
        w().txtGameDate->setText("03/03/2025");
        w().cmdUpdate->click();
        QCOMPARE(stored(3, {"Im0", "Date"}), (QStringList{"typed", "03/03/2025"}));
        QCOMPARE(stored(1, "Im0"), QStringLiteral("kept"));
    }

    void loadingFollowsTheStoredValues()
    {
        add({"Navy"}, {{"ProCollage", 0}, {"Game", 1}, {"Quarter", 0}, {"PoolAmount", "$400.00"}});
        m_data->addPool({}); // a row written by another tool: every text Null
        open();
        QCOMPARE(w().Combo1[0]->currentText(), QStringLiteral("COLLAGE"));
        QVERIFY(w().Option1[0]->isChecked());
        QCOMPARE(texts(w().TeamScore[0], w().lblPayOut), (QStringList{"Navy", "$400.00"}));
        w().cmdNext->click();
        QVERIFY(messages().isEmpty());
        QCOMPARE(texts(w().txtID, w().lblStatus), (QStringList{"2", "   VS "}));
        click({w().cmdPrevious, w().cmdEdit, w().cmdUpdate});
        QCOMPARE(stored(1, "ProCollage"), QStringLiteral("0")); // stays a college pool
        w().cmdEdit->click();
        w().Combo1[0]->setEditText("pRo");
        w().cmdUpdate->click();
        QCOMPARE(stored(1, "ProCollage"), QStringLiteral("1"));
    }

    void clearBoardResetsTheBoardOnly()
    {
        add({"A"},
            {{"Num0", "3"}, {"Im0", "Ed"}, {"Score1", "14"}, {"Game", 1}, {"Date", "07/04/2025"}});
        open();
        w().NumbersSet = true;
        w().ClearBoard();
        QCOMPARE(texts(w().Number[0], w().Imput[0], w().Score[0], w().lblOpen, w().txtPoolAmount),
                 (QStringList{"", "", "", "000", "$000.00"}));
        QVERIFY(!w().NumbersSet && w().Option1[0]->isChecked());
        QCOMPARE(w().txtGameDate->text(), QStringLiteral("07/04/2025"));
        QCOMPARE(w().lblAmountPer->text(), QStringLiteral("$1.00"));
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL"));
    }

    void searchStepsThroughASharedDateAndFollowsLocks()
    {
        openDated();
        search("09142025");
        QVERIFY(!w().frSearch->isVisible());
        QCOMPARE(click({w().cmdNext, w().cmdNext, w().cmdNext, w().cmdFirst}),
                 (QStringList{"B2", "B3", "B3", "B1"}));
        QVERIFY(messages().isEmpty());
        w().cmdSearch->click(); // the box keeps its date; opening it changes nothing else
        QVERIFY(w().frSearch->isVisible() && w().cmdAdd->isVisible());
        QCOMPARE(w().txtSearch->text(), QStringLiteral("09/14/2025"));
        QCOMPARE(team(), QStringLiteral("B1"));
        search("09212025"); // a locked pool gives way to an unlocked one
        QVERIFY(w().Locked);
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL  LOCKED"));
        search("09072025");
        QVERIFY(!w().Locked && w().Imput[0]->isEnabled() && messages().isEmpty());
        QCOMPARE(team(), QStringLiteral("A1"));
        w().cmdAdd->click(); // a search during an add keeps the add going
        w().Imput[0]->setText("typed");
        search("09072025");
        QCOMPARE(w().Imput[0]->text(), QString());
        QCOMPARE(team(), QStringLiteral("A1"));
        QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible());
    }

    void searchFindingNothingClearsTheBoardQuietly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no pool that day") << "01012030";
        QTest::newRow("empty box") << "";
        QTest::newRow("part of a date") << "0914";
    }
    void searchFindingNothingClearsTheBoardQuietly()
    {
        QFETCH(QString, typed);
        openDated();
        search(typed);
        QCOMPARE(team(), QString());
        QCOMPARE(w().lblOpen->text(), QStringLiteral("000"));
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL"));
        click({w().cmdNext, w().cmdPrevious});
        QVERIFY(messages().isEmpty() && !w().StartUp && !w().Moveit);
    }

private:
    void open() { m_window = std::make_unique<TestWindow>(*m_data); }
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }
    QString team() { return w().Combo1[1]->currentText(); }
    void add(const QStringList &teams, const PoolValues &changes = {})
    {
        for (const QString &team : teams) {
            PoolValues pool = samplePool("01/01/2025", team, "X");
            pool.insert(changes);
            m_data->addPool(pool);
        }
    }
    void openDated()
    {
        add({"A1"}, {{"Date", "09/07/2025"}});
        add({"B1"}, {{"Date", "09/14/2025"}});
        add({"Locked"}, {{"Date", "09/21/2025"}, {"Password", "pw"}});
        add({"B2", "B3"}, {{"Date", "09/14/2025"}});
        open();
    }
    void search(const QString &digits)
    {
        w().cmdSearch->click();
        w().txtSearch->clear();
        w().txtSearch->setFocus();
        w().txtSearch->setCursorPosition(0);
        QTest::keyClicks(w().txtSearch, digits);
        w().cmdFind->click();
    }
    // Clicks the buttons in turn; the team shown after each click.
    QStringList click(std::initializer_list<QAbstractButton *> buttons)
    {
        QStringList teams;
        for (QAbstractButton *button : buttons) {
            button->click();
            teams << team();
        }
        return teams;
    }
    QString stored(qint64 id, const QString &column)
    {
        return m_data->stored(id, column).toString();
    }
    QStringList stored(qint64 id, const QStringList &columns)
    {
        QStringList values;
        for (const QString &column : columns)
            values << stored(id, column);
        return values;
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestRecordCommands)
#include "test_recordcommands.moc"
