// Texts that could trip a careless program go into the window and the pool
// file and come back exactly as they were.
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

    void textsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("single quotes") << QStringLiteral("O'Neil's 'pool'");
        QTest::newRow("double quotes") << QStringLiteral("\"Big\" Al");
        QTest::newRow("semicolons and SQL") << QStringLiteral("x'; DROP TABLE Football; --");
        QTest::newRow("union") << QStringLiteral("' OR 1=1 UNION SELECT * FROM Football --");
        QTest::newRow("wildcards") << QStringLiteral("100%_ of _it_%");
        QTest::newRow("control characters") << QString::fromUtf8("tab\there\x01\x1f\x7f end");
        QTest::newRow("right to left") << QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd \u202eabc");
        QTest::newRow("emoji") << QString::fromUtf8("Zo\u00eb \U0001F3C8\U0001F9E1");
        QTest::newRow("long name") << QString(10000, QLatin1Char('n'));
        QTest::newRow("blanks only") << QStringLiteral("   ");
        QTest::newRow("empty") << QString::fromLatin1("");
        QTest::newRow("backslashes") << QStringLiteral("C:\\pools\\%s\\n");
    }
    void textsRoundTrip()
    {
        QFETCH(QString, text);
        {
            TestWindow window(*m_data);
            window->cmdAdd->click();
            window->txtGameDate->setText(QStringLiteral("10/10/2025"));
            window->Imput[42]->setText(text);
            window->Who[1]->setText(text);
            window->Combo1[1]->setEditText(text);
            window->Score[0]->setText(text);
            window->cmdUpdate->click();
            QVERIFY(window.messages().isEmpty());
            // Lock with the text as password (an empty one is refused).
            window->Text2->setText(text);
            window->Text1->setText(text);
            window->cmdLock->click();
            if (!text.isEmpty())
                QCOMPARE(m_data->stored(1, QStringLiteral("Password")).toString(), text);
        }
        QCOMPARE(m_data->stored(1, QStringLiteral("Im42")).toString(), text);
        QCOMPARE(m_data->stored(1, QStringLiteral("Quarter2")).toString(), text);
        QCOMPARE(m_data->stored(1, QStringLiteral("Team1")).toString(), text);
        QCOMPARE(m_data->stored(1, QStringLiteral("Score1")).toString(), text);
        QCOMPARE(m_data->poolCount(), 1);

        TestWindow again(*m_data);
        QCOMPARE(again->Imput[42]->text(), text);
        QCOMPARE(again->Who[1]->text(), text);
        QCOMPARE(again->Combo1[1]->currentText(), text);
        QCOMPARE(again->TeamScore[0]->text(), text);
        QCOMPARE(again->Score[0]->text(), text);
        if (!text.isEmpty()) {
            QVERIFY(again->Locked);
            again->Text2->setText(text);
            again->cmdunlock->click();
            QVERIFY(!again->Locked);
        }
        QVERIFY(again.messages().isEmpty());
    }

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
