// The reader of the team lists, on files written by hand in any editor.
#include "teams/teamlist.h"

#include <QRandomGenerator>
#include <QTest>

class TestTeamList : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void garbage();
};

void TestTeamList::parse_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("entries");
    const QStringList three{"Dallas", "Denver", "Detroit"};
    const auto u8 = [](const char *text) { return QString::fromUtf8(text); };
    QTest::newRow("comma splits a line")
        << QByteArray("Kansas City, MO\n") << QStringList{"Kansas City", "MO"};
    QTest::newRow("quotes keep the comma")
        << QByteArray("\"Kansas City, MO\"\n") << QStringList{"Kansas City, MO"};
    QTest::newRow("CRLF") << QByteArray("Dallas\r\nDenver\r\nDetroit\r\n") << three;
    QTest::newRow("CR") << QByteArray("Dallas\rDenver\rDetroit") << three;
    QTest::newRow("blank lines") << QByteArray("\n\nDallas\n\n \t \r\n\r\nDenver\r\rDetroit\n\n")
                                 << three;
    QTest::newRow("unbalanced quote")
        << QByteArray("\"Kansas City, MO\nDenver\n") << QStringList{"Kansas City, MO", "Denver"};
    QTest::newRow("blanks") << QByteArray("  Dallas \t\n\" Denver \"\n")
                            << QStringList{"Dallas", " Denver "};
    QTest::newRow("text after a quote")
        << QByteArray("\"Dallas\" Cowboys,Denver") << QStringList{"Dallas", "Denver"};
    QTest::newRow("empty entries") << QByteArray("Dallas,,Denver,\n,Detroit,\"\"\n") << three;
    QTest::newRow("order and duplicates")
        << QByteArray("Texas\nAlabama\nTexas") << QStringList{"Texas", "Alabama", "Texas"};
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBFS\xC3\xA3o Paulo") << QStringList{u8("S\xC3\xA3o Paulo")};
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9\n\x93Q\x94")
                                  << QStringList{u8("Caf\xC3\xA9"),
                                                 u8("\xE2\x80\x9CQ\xE2\x80\x9D")};
    QTest::newRow("control characters")
        << QByteArray("Dal\0las\x1B\nDen\x7Fver\n\x1A", 18) << QStringList{"Dallas", "Denver"};
}

void TestTeamList::parse()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, entries);
    QCOMPARE(TeamList::parse(contents), entries);
}

// A binary file saved under a list's name gives entries without controls.
void TestTeamList::garbage()
{
    QRandomGenerator random(20240901);
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    const QStringList entries = TeamList::parse(bytes);
    QVERIFY(entries.size() > 1000);
    for (const QString &entry : entries)
        for (QChar c : entry)
            QVERIFY(c == u'\t' || (c >= u' ' && (c < u'\x7F' || c >= u'\xA0')));
}

QTEST_GUILESS_MAIN(TestTeamList)
#include "test_teamlist.moc"
