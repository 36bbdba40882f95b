// The reader of the team lists, on contents written the ways people write
// such files by hand.
#include "teams/teamlist.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestTeamList : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void garbage();
    void readFile_data();
    void readFile();
};

void TestTeamList::parse_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("entries");

    const QStringList three{"Dallas", "Denver", "Detroit"};
    QTest::newRow("one name a line") << QByteArray("Dallas\nDenver\nDetroit\n") << three;
    QTest::newRow("no line end at the end") << QByteArray("Dallas\nDenver\nDetroit") << three;
    QTest::newRow("CRLF") << QByteArray("Dallas\r\nDenver\r\nDetroit\r\n") << three;
    QTest::newRow("CR") << QByteArray("Dallas\rDenver\rDetroit\r") << three;
    QTest::newRow("mixed line ends") << QByteArray("Dallas\r\nDenver\rDetroit\n") << three;
    QTest::newRow("blank lines") << QByteArray("\n\nDallas\n\n  \t \r\n\r\nDenver\n\nDetroit\n\n")
                                 << three;
    QTest::newRow("blanks around") << QByteArray("   Dallas   \n\tDenver\t\nDetroit ") << three;
    QTest::newRow("comma splits a line")
        << QByteArray("Kansas City, MO\n") << QStringList{"Kansas City", "MO"};
    QTest::newRow("quotes keep the comma")
        << QByteArray("\"Kansas City, MO\"\n") << QStringList{"Kansas City, MO"};
    QTest::newRow("quotes keep blanks")
        << QByteArray("  \" Dallas  \"\n") << QStringList{" Dallas  "};
    QTest::newRow("quoted and plain on one line")
        << QByteArray("\"Kansas City, MO\",Denver, \"Detroit\"\r\n")
        << QStringList{"Kansas City, MO", "Denver", "Detroit"};
    QTest::newRow("text after a closing quote")
        << QByteArray("\"Dallas\" Cowboys,Denver\n") << QStringList{"Dallas", "Denver"};
    QTest::newRow("empty entries") << QByteArray("Dallas,,Denver,\n,Detroit,\"\"\n") << three;
    QTest::newRow("unbalanced quote ends at the line end")
        << QByteArray("\"Kansas City, MO\nDenver\n") << QStringList{"Kansas City, MO", "Denver"};
    QTest::newRow("lone quote") << QByteArray("\"") << QStringList{};
    QTest::newRow("quote inside a name")
        << QByteArray("Bob\"s Team\n") << QStringList{"Bob\"s Team"};
    QTest::newRow("file order, duplicates kept")
        << QByteArray("Texas\nAlabama\nTexas\n") << QStringList{"Texas", "Alabama", "Texas"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("UTF-8") << QByteArray("S\xC3\xA3o Paulo\nHawai\xCA\xBBi\n")
                           << QStringList{QString::fromUtf8("S\xC3\xA3o Paulo"),
                                          QString::fromUtf8("Hawai\xCA\xBBi")};
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                         "Dallas\n")
                                           << QStringList{"Dallas"};
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9\n\x93Quoted\x94\n")
                                  << QStringList{
                                         QString::fromUtf8("Caf\xC3\xA9"),
                                         QString::fromUtf8("\xE2\x80\x9CQuoted\xE2\x80\x9D")};
    QTest::newRow("control characters")
        << QByteArray("Dal\0las\x1B\nDen\x7Fver\n\x1A", 18) << QStringList{"Dallas", "Denver"};
}

void TestTeamList::parse()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, entries);
    QCOMPARE(TeamList::parse(contents), entries);
}

// Any file at all, a program or a picture saved under the list's name, gives
// a list of sensible entries.
void TestTeamList::garbage()
{
    QRandomGenerator random(20240901);
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    const QStringList entries = TeamList::parse(bytes);
    QVERIFY(entries.size() > 1000);
    for (const QString &entry : entries) {
        QVERIFY(!entry.isEmpty());
        for (QChar c : entry)
            QVERIFY2(c == u'\t' ||
                         (c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() >= 0xA0)),
                     qPrintable(QStringLiteral("control character %1").arg(c.unicode())));
    }
}

void TestTeamList::readFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("a list") << "file" << QStringList{"Dallas", "Kansas City, MO"};
    QTest::newRow("missing") << "missing" << QStringList{};
    QTest::newRow("a folder of that name") << "folder" << QStringList{};
}

void TestTeamList::readFile()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Pro.txt"));
    if (kind == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Dallas\r\n\"Kansas City, MO\"\r\n");
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pro.txt")));
    }
    QCOMPARE(TeamList::readFile(path), entries);
}

QTEST_GUILESS_MAIN(TestTeamList)
#include "test_teamlist.moc"
