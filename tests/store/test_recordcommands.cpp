// The record commands through the real window: what is stored, what is
// shown, and that no command ever writes one pool's board into another.
#include "store/recordmapping.h"
#include "store/schema.h"
#include "support/testwindow.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

class TestRecordCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { m_data = std::make_unique<TestData>(); }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void addAndSaveStoresTheBoard()
    {
        open();
        w().cmdAdd->click();
        QCOMPARE(w().lblStatus->text(), QStringLiteral("Add record"));
        QCOMPARE(w().txtGameDate->text(), RecordMapping::dateText(QDate::currentDate()));
        QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible());
        QVERIFY(!w().cmdAdd->isVisible() && !w().cmdNext->isEnabled());
        w().txtGameDate->setText(QStringLiteral("09/14/2025"));
        w().Imput[0]->setText(QStringLiteral("Ann"));
        w().Imput[99]->setText(QString());
        w().Number[3]->setText(QStringLiteral("7"));
        w().Who[2]->setText(QStringLiteral("Bo"));
        w().Combo1[1]->setEditText(QStringLiteral("Dallas Cowboys"));
        w().Combo1[2]->setEditText(QStringLiteral("Denver Broncos"));
        w().Option1[1]->setChecked(true);

        QList<int> progress;
        connect(w().Pb1, &QProgressBar::valueChanged, this, [&](int v) { progress << v; });
        w().cmdUpdate->click();
        QCOMPARE(progress, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QVERIFY(!w().Pb1->isVisible());
        QVERIFY(w().cmdAdd->isVisible() && !w().cmdUpdate->isVisible());
        QVERIFY(messages().isEmpty());

        QCOMPARE(m_data->poolCount(), 1);
        const qint64 id = w().txtID->text().toLongLong();
        QCOMPARE(stored(id, "Date"), QStringLiteral("09/14/2025"));
        QCOMPARE(stored(id, "Im0"), QStringLiteral("Ann"));
        QVERIFY(!m_data->stored(id, "Im99").isNull());
        QCOMPARE(stored(id, "Im99"), QString());
        QCOMPARE(stored(id, "Num3"), QStringLiteral("7"));
        QCOMPARE(stored(id, "Quarter3"), QStringLiteral("Bo"));
        QCOMPARE(stored(id, "Team1"), QStringLiteral("Dallas Cowboys"));
        QCOMPARE(m_data->stored(id, "Half").toInt(), 1);
        QCOMPARE(m_data->stored(id, "Quarter").toInt(), 0);
        QCOMPARE(m_data->stored(id, "ProCollage").toInt(), 1);
        QVERIFY(m_data->stored(id, "Password").isNull());
    }

    void editOfAnotherPoolAddsNoneAndKeepsItsDate()
    {
        m_data->addPool(samplePool("01/01/2025", "A", "B"));
        open();
        w().cmdAdd->click();
        w().txtGameDate->setText(QStringLiteral("02/02/2025"));
        w().cmdUpdate->click();
        QCOMPARE(m_data->poolCount(), 2);

        w().cmdFirst->click();
        w().cmdEdit->click();
        QCOMPARE(w().lblStatus->text(), QStringLiteral("Edit record"));
        w().Imput[5]->setText(QStringLiteral("Cy"));
        w().txtGameDate->setText(QStringLiteral("03/03/2025"));
        w().cmdUpdate->click();
        QCOMPARE(m_data->poolCount(), 2);
        QCOMPARE(stored(1, "Im5"), QStringLiteral("Cy"));
        QCOMPARE(stored(1, "Date"), QStringLiteral("01/01/2025"));
        QCOMPARE(stored(2, "Im5"), QString());
    }

    void savingTheThirdPoolLeavesTheFirstAlone()
    {
        for (const char *team : {"One", "Two", "Three"})
            m_data->addPool(samplePool("01/01/2025", team, "X"));
        open();
        w().cmdNext->click();
        w().cmdNext->click();
        QCOMPARE(w().Combo1[1]->currentText(), QStringLiteral("Three"));
        w().cmdEdit->click();
        w().Imput[1]->setText(QStringLiteral("third's"));
        w().cmdUpdate->click();
        QCOMPARE(stored(3, "Im1"), QStringLiteral("third's"));
        QCOMPARE(stored(1, "Im1"), QString());

        // The view and the record set stay on the third pool.
        w().cmdEdit->click();
        w().Imput[2]->setText(QStringLiteral("again"));
        w().cmdUpdate->click();
        QCOMPARE(stored(3, "Im2"), QStringLiteral("again"));
        QCOMPARE(stored(1, "Im2"), QString());
        w().cmdPrevious->click();
        QCOMPARE(w().Combo1[1]->currentText(), QStringLiteral("Two"));
    }

    void cancelRestoresTheStoredPool_data()
    {
        QTest::addColumn<bool>("adding");
        QTest::newRow("add") << true;
        QTest::newRow("edit") << false;
    }
    void cancelRestoresTheStoredPool()
    {
        QFETCH(bool, adding);
        PoolValues pool = samplePool("05/05/2025", "Home", "Away");
        pool.insert("Im7", "Dee");
        m_data->addPool(pool);
        m_data->addPool(samplePool("06/06/2025", "Other", "Side"));
        open();
        (adding ? w().cmdAdd : w().cmdEdit)->click();
        w().Imput[7]->setText(QStringLiteral("typed"));
        w().Combo1[1]->setEditText(QStringLiteral("typed"));
        w().cmdCancel->click();
        QVERIFY(w().cmdAdd->isVisible() && w().cmdNext->isEnabled());
        QCOMPARE(w().Imput[7]->text(), QStringLiteral("Dee"));
        QCOMPARE(w().Combo1[1]->currentText(), QStringLiteral("Home"));
        QCOMPARE(m_data->poolCount(), 2);
        // A later edit changes the pool on show, with what it really holds.
        w().cmdEdit->click();
        w().cmdUpdate->click();
        QCOMPARE(stored(1, "Im7"), QStringLiteral("Dee"));
        QCOMPARE(stored(2, "Team1"), QStringLiteral("Other"));
    }

    void addThenCancelOnAnEmptyFileShowsTheClearedBoard()
    {
        open();
        w().cmdAdd->click();
        w().Imput[3]->setText(QStringLiteral("gone"));
        w().cmdCancel->click();
        QCOMPARE(w().Imput[3]->text(), QString());
        QCOMPARE(m_data->poolCount(), 0);
        QVERIFY(w().cmdAdd->isVisible());
    }

    void deleteShowsANeighbour_data()
    {
        QTest::addColumn<int>("position"); // 0-based pool to delete
        QTest::addColumn<int>("pools");
        QTest::addColumn<QString>("shown"); // Team1 afterwards, "" for the cleared board
        QTest::newRow("middle") << 1 << 3 << "P0-next";
        QTest::newRow("last") << 2 << 3 << "P1";
        QTest::newRow("only") << 0 << 1 << "";
    }
    void deleteShowsANeighbour()
    {
        QFETCH(int, position);
        QFETCH(int, pools);
        QFETCH(QString, shown);
        for (int i = 0; i < pools; ++i)
            m_data->addPool(samplePool("01/01/2025", QStringLiteral("P%1").arg(i), "X"));
        if (shown == "P0-next")
            shown = QStringLiteral("P%1").arg(position + 1);
        open();
        for (int i = 0; i < position; ++i)
            w().cmdNext->click();
        w().cmdDelete->click();
        QVERIFY(messages().isEmpty());
        QCOMPARE(m_data->poolCount(), pools - 1);
        QCOMPARE(w().Combo1[1]->currentText(), shown);
        QVERIFY(!w().StartUp && !w().Moveit);
        if (shown.isEmpty()) {
            QCOMPARE(w().lblOpen->text(), QStringLiteral("000"));
            QCOMPARE(w().txtPoolAmount->text(), QStringLiteral("$000.00"));
        }
    }

    void movesStopAtTheEnds()
    {
        for (const char *team : {"One", "Two", "Three"})
            m_data->addPool(samplePool("01/01/2025", team, "X"));
        open();
        auto team = [this] { return w().Combo1[1]->currentText(); };
        QCOMPARE(team(), QStringLiteral("One"));
        w().cmdPrevious->click();
        QCOMPARE(team(), QStringLiteral("One"));
        w().cmdLast->click();
        QCOMPARE(team(), QStringLiteral("Three"));
        w().cmdNext->click();
        QCOMPARE(team(), QStringLiteral("Three"));
        w().cmdPrevious->click();
        QCOMPARE(team(), QStringLiteral("Two"));
        w().cmdFirst->click();
        QCOMPARE(team(), QStringLiteral("One"));
        QVERIFY(messages().isEmpty());
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL"));
        QCOMPARE(w().lblStatus->text(), QStringLiteral("01/01/2025  One VS X"));
    }

    void movesOnAnEmptySet_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("reported");
        QTest::newRow("first") << "cmdFirst" << true;
        QTest::newRow("last") << "cmdLast" << true;
        QTest::newRow("next") << "cmdNext" << false;
        QTest::newRow("previous") << "cmdPrevious" << false;
    }
    void movesOnAnEmptySet()
    {
        QFETCH(QString, button);
        QFETCH(bool, reported);
        open();
        w().Imput[4]->setText(QStringLiteral("stays"));
        w().findChild<QToolButton *>(button)->click();
        QCOMPARE(w().Imput[4]->text(), QStringLiteral("stays"));
        QCOMPARE(messages(), reported ? QStringList{"No current record."} : QStringList{});
        QVERIFY(!w().StartUp && !w().Moveit);
    }

    void lockGuardsRefuseChanges_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("add") << "cmdAdd";
        QTest::newRow("edit") << "cmdEdit";
        QTest::newRow("delete") << "cmdDelete";
    }
    void lockGuardsRefuseChanges()
    {
        QFETCH(QString, button);
        PoolValues pool = samplePool("01/01/2025", "Locked", "X");
        pool.insert("Password", "secret");
        m_data->addPool(pool);
        open();
        QVERIFY(w().Locked);
        w().findChild<QPushButton *>(button)->click();
        QCOMPARE(messages(), QStringList{frmScore::kLockMessage});
        QCOMPARE(m_data->poolCount(), 1);
        QVERIFY(w().cmdAdd->isVisible() && !w().cmdUpdate->isVisible());
        QCOMPARE(w().Combo1[1]->currentText(), QStringLiteral("Locked"));
    }

    void saveNeedsAWholeDate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("nothing typed") << "";
        QTest::newRow("part of a date") << "12";
        QTest::newRow("no such day") << "02/30/2025";
    }
    void saveNeedsAWholeDate()
    {
        QFETCH(QString, date);
        open();
        w().cmdAdd->click();
        w().txtGameDate->setText(date);
        w().Imput[0]->setText(QStringLiteral("kept on screen"));
        w().cmdUpdate->click();
        QCOMPARE(messages(), QStringList{" Game Date Has To Have A Date"});
        QCOMPARE(m_data->poolCount(), 0);
        QVERIFY(w().cmdAdd->isVisible());
        QCOMPARE(w().Imput[0]->text(), QStringLiteral("kept on screen"));
    }

    void refusedSaveStaysInEditingAndChangesNothing()
    {
        m_data->addPool(samplePool("01/01/2025", "Stored", "X"));
        open();
        m_data->refuseWrites();
        w().cmdEdit->click();
        w().Imput[0]->setText(QStringLiteral("typed"));
        w().cmdUpdate->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().contains(QStringLiteral("refused")));
        QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible());
        QCOMPARE(w().Imput[0]->text(), QStringLiteral("typed"));
        QCOMPARE(stored(1, "Im0"), QString());
    }

    void loadingFollowsTheStoredValues()
    {
        PoolValues college = samplePool("01/01/2025", "Navy", "Army");
        college.insert("ProCollage", 0);
        college.insert("Game", 1);
        college.insert("Quarter", 0);
        college.insert("PoolAmount", "$400.00");
        m_data->addPool(college);
        PoolValues nulls; // a row written by another tool: every text Null
        m_data->addPool(nulls);
        open();
        QCOMPARE(w().Combo1[0]->currentText(), QStringLiteral("COLLAGE"));
        QVERIFY(w().Option1[0]->isChecked());
        QCOMPARE(w().lblPayOut->text(), QStringLiteral("$400.00"));
        QCOMPARE(w().Label6[4]->text(), QStringLiteral("PayOut Game"));
        QCOMPARE(w().lblAmountPer->text(), QStringLiteral("$4.00"));
        QCOMPARE(w().TeamScore[0]->text(), QStringLiteral("Navy"));
        w().cmdNext->click();
        QVERIFY(messages().isEmpty());
        QCOMPARE(w().Combo1[0]->currentText(), QStringLiteral("COLLAGE"));
        QCOMPARE(w().txtID->text(), QStringLiteral("2"));
        QCOMPARE(w().lblStatus->text(), QStringLiteral("   VS "));
        // Saving the college pool keeps it a college pool; "Pro" in any case is pro.
        w().cmdPrevious->click();
        w().cmdEdit->click();
        w().cmdUpdate->click();
        QCOMPARE(m_data->stored(1, "ProCollage").toInt(), 0);
        w().cmdEdit->click();
        w().Combo1[0]->setEditText(QStringLiteral("pRo"));
        w().cmdUpdate->click();
        QCOMPARE(m_data->stored(1, "ProCollage").toInt(), 1);
    }

    void clearBoardResetsTheBoardOnly()
    {
        PoolValues pool = samplePool("07/04/2025", "A", "B");
        pool.insert("Num0", "3");
        pool.insert("Im0", "Ed");
        pool.insert("Score1", "14");
        pool.insert("Game", 1);
        m_data->addPool(pool);
        open();
        w().NumbersSet = true;
        w().ClearBoard();
        QCOMPARE(w().Number[0]->text(), QString());
        QCOMPARE(w().Imput[0]->text(), QString());
        QCOMPARE(w().Score[0]->text(), QString());
        QCOMPARE(w().lblOpen->text(), QStringLiteral("000"));
        QCOMPARE(w().txtPoolAmount->text(), QStringLiteral("$000.00"));
        QVERIFY(!w().NumbersSet);
        QCOMPARE(w().txtGameDate->text(), QStringLiteral("07/04/2025"));
        QVERIFY(w().Option1[0]->isChecked());
        QCOMPARE(w().lblAmountPer->text(), QStringLiteral("$1.00"));
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL"));
    }

private:
    void open() { m_window = std::make_unique<TestWindow>(*m_data); }
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }
    QString stored(qint64 id, const char *column)
    {
        return m_data->stored(id, QLatin1String(column)).toString();
    }
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestRecordCommands)
#include "test_recordcommands.moc"
