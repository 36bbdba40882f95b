// The team boxes of the main window: filling them from the team lists,
// completion while typing, and the choice of list.
#include "support/testwindow.h"
#include "teams/teamlist.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

QStringList listOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

const QStringList kPro{"Dallas", "Denver", "Detroit"};
const QStringList kCollege{"Alabama", "Auburn", "Colorado"};

} // namespace

class TestTeams : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> w;
    frmScore &win() { return w->w(); }
    QComboBox *box(int i) { return win().Combo1[i]; }
    QString team(int i) { return win().TeamScore[i]->text(); }
    void writePro(const QByteArray &contents) { data->writeTeamList("Pro.txt", contents); }
    // Backspace is written '\b'.
    void type(int i, const QString &keys) { QTest::keyClicks(box(i)->lineEdit(), keys); }

private slots:
    // The window starts on the shipped lists; the tests then load short ones.
    void init()
    {
        data = std::make_unique<TestData>();
        w = std::make_unique<TestWindow>(*data);
        writePro(kPro.join(u'\n').toUtf8());
        data->writeTeamList("Collage.txt", kCollege.join(u'\n').toUtf8());
    }
    void cleanup() { w.reset(), data.reset(); }

    // Both boxes hold the shipped list in file order, neither showing an entry.
    void startUpFillsBothBoxes()
    {
        const QStringList shipped = TeamList::readFile(
            QDir(qEnvironmentVariable("QUADRIX_TEST_DATA")).filePath(u"Pro.txt"_s));
        QCOMPARE(shipped.size(), 32);
        for (int i = 1; i <= 2; ++i) {
            QCOMPARE(listOf(box(i)), shipped);
            QCOMPARE(box(i)->currentIndex(), -1);
        }
    }

    void typing_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("teamName");
        // clang-format off
        QTest::newRow("d completes the first match") << 1 << "d" << "Dallas" << "allas" << "Dallas";
        QTest::newRow("then e narrows it") << 1 << "de" << "Denver" << "nver" << "Denver";
        QTest::newRow("then x matches nothing") << 1 << "dex" << "Dex" << "" << "Denver";
        QTest::newRow("no match from the start") << 1 << "q" << "q" << "" << "";
        QTest::newRow("team 2") << 2 << "de" << "Denver" << "nver" << "Denver";
        QTest::newRow("keys to the box, not its line edit") << -1 << "de" << "Denver" << "nver" << "Denver";
        // clang-format on
    }
    void typing()
    {
        QFETCH(int, i);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QString, teamName);
        win().ProFootball();
        // A user's keys reach the combo box itself, its line edit's focus proxy.
        const bool toTheBox = i < 0;
        i = std::abs(i);
        box(i)->setFocus();
        if (toTheBox)
            QTest::keyClicks(box(i), keys);
        else
            type(i, keys);
        QCOMPARE(box(i)->currentText(), text);
        QCOMPARE(box(i)->lineEdit()->selectedText(), selected);
        QCOMPARE(team(i - 1), teamName);
        QCOMPARE(team(2 - i), QString());
        QVERIFY(w->messages().isEmpty());
    }

    void selector_data()
    {
        QTest::addColumn<QString>("before"); // selected in full
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("teams");
        // clang-format off
        QTest::newRow("pro in lower case") << "" << "pro" << "PRO" << "" << kPro;
        QTest::newRow("c over PRO") << "PRO" << "c" << "COLLAGE" << "OLLAGE" << kCollege;
        QTest::newRow("no match") << "" << "x" << "x" << "" << kCollege;
        // clang-format on
    }
    // Each completion in the selector reloads both team boxes, typed names included.
    void selector()
    {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QStringList, teams);
        win().Collage();
        box(0)->setEditText(before);
        box(0)->lineEdit()->selectAll();
        box(2)->setEditText(u"Typed"_s);
        type(0, keys);
        QCOMPARE(box(2)->currentText(), text == keys ? u"Typed"_s : QString());
        QCOMPARE(box(0)->currentText(), text);
        QCOMPARE(box(0)->lineEdit()->selectedText(), selected);
        QCOMPARE(listOf(box(1)), teams);
        QCOMPARE(listOf(box(2)), teams);
    }

    // Arrow keys choose from the selector's list as the drop-down does: both
    // team boxes are emptied and refilled; the names beside the scores stay.
    void choosingFromTheList()
    {
        win().ProFootball();
        type(1, u"den"_s);
        type(2, u"Somewhere"_s);
        box(0)->setFocus();
        QTest::keyClick(box(0), Qt::Key_Down);
        QCOMPARE(box(0)->currentText(), u"COLLAGE"_s);
        for (int i = 1; i <= 2; ++i) {
            QCOMPARE(listOf(box(i)), kCollege);
            QCOMPARE(box(i)->currentText(), QString());
        }
        QCOMPARE(team(0), u"Denver"_s);
    }

    void oddLists_data()
    {
        QTest::addColumn<QByteArray>("contents"); // "<missing>", "<folder>" or the list
        QTest::addColumn<bool>("loads");
        QTest::newRow("missing") << QByteArray("<missing>") << false;
        QTest::newRow("a folder of that name") << QByteArray("<folder>") << false;
        QByteArray names;
        for (int i = 0; names.size() < 5 * 1024 * 1024; ++i)
            names += "Team " + QByteArray::number(i) + "\r\n";
        QTest::newRow("5 MB, CRLF") << names << true;
        QByteArray garbage(5 * 1024 * 1024, Qt::Uninitialized);
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 2654435761u) >> 13);
        QTest::newRow("5 MB of binary garbage") << garbage << true;
    }
    // No list gives empty boxes and no names; a huge or broken one loads into
    // both boxes; neither shows a message.
    void oddLists()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, loads);
        QVERIFY(QDir(data->dir()).remove(u"Pro.txt"_s));
        if (contents == "<folder>")
            QVERIFY(QDir(data->dir()).mkdir(u"Pro.txt"_s));
        else if (contents != "<missing>")
            writePro(contents);
        win().ProFootball();
        QCOMPARE(box(1)->count() > 0, loads);
        QCOMPARE(box(1)->count(), box(2)->count());
        if (!loads) {
            type(1, u"d"_s);
            QCOMPARE(box(1)->currentText() + team(0), u"d"_s);
        }
        QVERIFY(w->messages().isEmpty());
    }

    void reloadDuringLoad_data()
    {
        QTest::addColumn<bool>("duringSecondBox");
        QTest::addColumn<bool>("sameList");
        QTest::newRow("other list, first box filling") << false << false;
        QTest::newRow("other list, second box filling") << true << false;
        QTest::newRow("the same list again") << false << true;
    }
    // A choice of list made while a long list loads (window events run during
    // the load) ends with the lists of the last choice, once each.
    void reloadDuringLoad()
    {
        QFETCH(bool, duringSecondBox);
        QFETCH(bool, sameList);
        const QByteArray longList = QByteArray("Pro\n").repeated(3000);
        writePro(longList);
        bool loading = true, ranDuringLoad = false;
        std::function<void()> chooseAgain = [&] {
            if (loading && duringSecondBox && box(2)->count() == 0) {
                QMetaObject::invokeMethod(w->window.get(), chooseAgain, Qt::QueuedConnection);
                return;
            }
            ranDuringLoad = loading;
            sameList ? win().ProFootball() : win().Collage();
        };
        QMetaObject::invokeMethod(w->window.get(), chooseAgain, Qt::QueuedConnection);
        win().ProFootball();
        loading = false;
        QVERIFY(ranDuringLoad);
        QCoreApplication::processEvents();
        for (int i = 1; i <= 2; ++i)
            QCOMPARE(listOf(box(i)), sameList ? TeamList::parse(longList) : kCollege);
    }

    // The reader of the lists, on files written by hand in any editor.
    void parse_data()
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
        QTest::newRow("blank lines")
            << QByteArray("\n\nDallas\n\n \t \r\n\r\nDenver\r\rDetroit\n\n") << three;
        QTest::newRow("unbalanced quote") << QByteArray("\"Kansas City, MO\nDenver\n")
                                          << QStringList{"Kansas City, MO", "Denver"};
        QTest::newRow("blanks") << QByteArray("  Dallas \t\n\" Denver \"\n")
                                << QStringList{"Dallas", " Denver "};
        QTest::newRow("text after a quote")
            << QByteArray("\"Dallas\" Cowboys,Denver") << QStringList{"Dallas", "Denver"};
        QTest::newRow("empty entries") << QByteArray("Dallas,,Denver,\n,Detroit,\"\"\n") << three;
        QTest::newRow("order and duplicates")
            << QByteArray("Texas\nAlabama\nTexas") << QStringList{"Texas", "Alabama", "Texas"};
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBFS\xC3\xA3o Paulo") << QStringList{u8("S\xC3\xA3o Paulo")};
        QTest::newRow("Windows-1252")
            << QByteArray("Caf\xE9\n\x93Q\x94")
            << QStringList{u8("Caf\xC3\xA9"), u8("\xE2\x80\x9CQ\xE2\x80\x9D")};
        QTest::newRow("control characters")
            << QByteArray("Dal\0las\x1B\nDen\x7Fver\n\x1A", 18) << QStringList{"Dallas", "Denver"};
    }

    void parse()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, entries);
        QCOMPARE(TeamList::parse(contents), entries);
    }
};

QTEST_MAIN(TestTeams)
#include "test_teams.moc"
