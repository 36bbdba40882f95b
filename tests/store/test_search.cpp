// Finding pools by their game date and stepping through what was found.
#include "support/testwindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_data = std::make_unique<TestData>();
        m_data->addPool(samplePool("09/07/2025", "A1", "X"));
        m_data->addPool(samplePool("09/14/2025", "B1", "X"));
        PoolValues locked = samplePool("09/21/2025", "Locked", "X");
        locked.insert("Password", "pw");
        m_data->addPool(locked);
        m_data->addPool(samplePool("09/14/2025", "B2", "X"));
        m_data->addPool(samplePool("09/14/2025", "B3", "X"));
        m_window = std::make_unique<TestWindow>(*m_data);
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void aSharedDateIsSteppedThrough()
    {
        search(QStringLiteral("09142025"));
        QVERIFY(!w().frSearch->isVisible());
        QCOMPARE(team(), QStringLiteral("B1"));
        w().cmdNext->click();
        QCOMPARE(team(), QStringLiteral("B2"));
        w().cmdNext->click();
        QCOMPARE(team(), QStringLiteral("B3"));
        w().cmdNext->click();
        QCOMPARE(team(), QStringLiteral("B3"));
        w().cmdFirst->click();
        QCOMPARE(team(), QStringLiteral("B1"));
        QVERIFY(m_window->messages().isEmpty());
        // The box keeps the date for the next search.
        w().cmdSearch->click();
        QCOMPARE(w().txtSearch->text(), QStringLiteral("09/14/2025"));
    }

    void nothingFoundClearsTheBoardQuietly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no pool that day") << "01012030";
        QTest::newRow("empty box") << "";
        QTest::newRow("part of a date") << "0914";
    }
    void nothingFoundClearsTheBoardQuietly()
    {
        QFETCH(QString, typed);
        search(typed);
        QCOMPARE(team(), QString());
        QCOMPARE(w().lblOpen->text(), QStringLiteral("000"));
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL"));
        QVERIFY(m_window->messages().isEmpty());
        w().cmdNext->click();
        w().cmdPrevious->click();
        QVERIFY(m_window->messages().isEmpty());
        QVERIFY(!w().StartUp && !w().Moveit);
    }

    void aLockedPoolGivesWayToAnUnlockedOne()
    {
        search(QStringLiteral("09212025"));
        QVERIFY(w().Locked);
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL  LOCKED"));
        search(QStringLiteral("09072025"));
        QVERIFY(!w().Locked);
        QVERIFY(w().Imput[0]->isEnabled());
        QCOMPARE(team(), QStringLiteral("A1"));
        QVERIFY(m_window->messages().isEmpty());
    }

    void searchingWhileAddingKeepsEditing()
    {
        w().cmdAdd->click();
        w().Imput[0]->setText(QStringLiteral("typed"));
        search(QStringLiteral("09072025"));
        QCOMPARE(team(), QStringLiteral("A1"));
        QCOMPARE(w().Imput[0]->text(), QString());
        QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible());
    }

    void openingTheFrameChangesNothingElse()
    {
        w().Imput[3]->setText(QStringLiteral("here"));
        w().cmdSearch->click();
        QVERIFY(w().frSearch->isVisible());
        QCOMPARE(w().Imput[3]->text(), QStringLiteral("here"));
        QVERIFY(w().cmdAdd->isVisible());
    }

private:
    frmScore &w() { return m_window->w(); }
    QString team() { return w().Combo1[1]->currentText(); }

    void search(const QString &digits)
    {
        w().cmdSearch->click();
        w().txtSearch->clear();
        w().txtSearch->setFocus();
        w().txtSearch->setCursorPosition(0);
        QTest::keyClicks(w().txtSearch, digits);
        w().cmdFind->click();
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestSearch)
#include "test_search.moc"
