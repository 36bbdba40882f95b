// Input that could trip a careless program: keys the search box must refuse
// and team lists that are huge or binary.
#include "support/testwindow.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_data = std::make_unique<TestData>(); }
    void cleanup() { m_data.reset(); }

    void theSearchBoxTakesDigitsOnly()
    {
        m_data->addPool(samplePool("10/10/2025", "A", "B"));
        TestWindow window(*m_data);
        window->cmdSearch->click();
        window->txtSearch->setFocus();
        window->txtSearch->setCursorPosition(0);
        QTest::keyClicks(window->txtSearch, QStringLiteral("1'0;%_1\"0--2025"));
        QCOMPARE(window->txtSearch->text(), QStringLiteral("10/10/2025"));
        window->cmdFind->click();
        QCOMPARE(window->Combo1[1]->currentText(), QStringLiteral("A"));
        QVERIFY(window.messages().isEmpty());
    }

    void brokenTeamListsLoad_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QByteArray names;
        for (int i = 0; names.size() < 5 * 1024 * 1024; ++i)
            names += "Team " + QByteArray::number(i) + "\r\n";
        QTest::newRow("5 MB, CRLF") << names;
        QByteArray garbage(5 * 1024 * 1024, Qt::Uninitialized);
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 2654435761u) >> 13);
        QTest::newRow("5 MB of binary garbage") << garbage;
        QTest::newRow("CR line ends") << QByteArray("Dallas\rDenver\rDetroit\r");
        QTest::newRow("unbalanced quotes") << QByteArray("\"Dallas\nDenver\"\"\n\"\n");
    }
    void brokenTeamListsLoad()
    {
        QFETCH(QByteArray, contents);
        m_data->writeTeamList(QStringLiteral("Pro.txt"), contents);
        TestWindow window(*m_data);
        QElapsedTimer timer;
        timer.start();
        window->ProFootball();
        QVERIFY(timer.elapsed() < 20000);
        QVERIFY(window->Combo1[1]->count() > 0);
        QCOMPARE(window->Combo1[1]->count(), window->Combo1[2]->count());
        QVERIFY(window.messages().isEmpty());
    }

private:
    std::unique_ptr<TestData> m_data;
};

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
