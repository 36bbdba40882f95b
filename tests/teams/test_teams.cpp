// The team boxes of the main window: filling them from the team lists,
// completion while typing, and the choice of list.
#include "support/testwindow.h"
#include "teams/teamlist.h"

#include <QTest>
#include <QtWidgets>

#include <functional>

#include <sys/stat.h>

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
    void type(int i, const QString &keys) { box(i)->setFocus(), QTest::keyClicks(box(i), keys); }

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
        for (int i = 1; i <= 2; ++i)
            QVERIFY(listOf(box(i)) == shipped && box(i)->currentIndex() == -1 &&
                    !shipped.isEmpty());
    }

    void typing_data()
    {
        QTest::addColumn<int>("i");        // the box: 0 the selector, 1 and 2 the teams
        QTest::addColumn<QString>("keys"); // "Down": the arrow key
        QTest::addColumn<QString>("text"); // then in the box, and selected of it
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("after"); // names beside the scores, or the teams listed
        const auto row = [](const char *tag, int i, const char *keys, const char *text,
                            const char *selected, const QStringList &after) {
            QTest::newRow(tag) << i << QString(keys) << QString(text) << QString(selected) << after;
        };
        row("d completes the first match", 1, "d", "Dallas", "allas", {"Dallas", ""});
        row("then e narrows it", 1, "de", "Denver", "nver", {"Denver", ""});
        row("then x matches nothing", 1, "dex", "Dex", "", {"Denver", ""});
        row("no match from the start", 1, "q", "q", "", {"", ""});
        row("team 2", 2, "de", "Denver", "nver", {"", "Denver"});
        row("selector: pro in lower case", 0, "pro", "PRO", "", kPro);
        row("selector: c", 0, "c", "COLLAGE", "OLLAGE", kCollege);
        row("selector: no match", 0, "x", "x", "", kPro);
        row("selector: arrow key", 0, "Down", "COLLAGE", "", kCollege);
    }
    // Keys go to the box itself, as a user's do (its line edit's focus proxy).
    // Each choice in the selector, completed or by arrow key, reloads both
    // team boxes, emptying them; the names beside the scores stay.
    void typing()
    {
        QFETCH(int, i);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QStringList, after);
        win().ProFootball();
        if (i == 0) {
            type(1, u"den"_s);
            type(2, u"Somewhere"_s);
            box(0)->setEditText(u"PRO"_s);
            box(0)->lineEdit()->selectAll();
        }
        const QStringList typed{box(1)->currentText(), box(2)->currentText()};
        if (keys == u"Down"_s)
            QTest::keyClick(box(0), Qt::Key_Down);
        else
            type(i, keys);
        QCOMPARE(box(i)->currentText(), text);
        QCOMPARE(box(i)->lineEdit()->selectedText(), selected);
        QVERIFY(w->messages().isEmpty());
        QCOMPARE((QStringList{team(0), team(1)}), (i > 0 ? after : QStringList{"Denver", ""}));
        if (i > 0)
            return;
        QCOMPARE((QStringList{box(1)->currentText(), box(2)->currentText()}),
                 text == keys ? typed : QStringList(2, QString()));
        QCOMPARE(listOf(box(1)), after);
        QCOMPARE(listOf(box(2)), after);
    }

    // A long name chosen or typed shows from its start once the box is left.
    void longNamesShowFromTheirStart()
    {
        const QString name = "Washington Commanders of the National Football Conference East";
        writePro(name.toUtf8());
        win().ProFootball();
        type(1, "w");
        QCOMPARE(box(1)->currentText(), name);
        QCOMPARE(win().TeamScore[0]->cursorPosition(), 0);
        win().Imput[0]->setFocus();
        QTRY_VERIFY(!box(1)->hasFocus());
        QCOMPARE(box(1)->lineEdit()->cursorPosition(), 0);
    }

    // A load shows the game type of its pool; only the user's own choice of
    // it empties the team boxes, never the focus leaving the box.
    void aLoadIsNoChoiceOfTheOtherList()
    {
        data->addPool(samplePool("01/01/2025", "Dallas", "Denver")); // a pro game
        PoolValues college = samplePool("01/02/2025", "Alabama", "Auburn");
        college.insert("ProCollage", 0);
        data->addPool(college);
        w = std::make_unique<TestWindow>(*data);
        for (QAbstractButton *move : {win().cmdNext, win().cmdPrevious}) {
            box(0)->setFocus();
            QTRY_VERIFY(box(0)->hasFocus());
            move->click();
            QTest::mouseClick(win().Imput[0]->viewport(), Qt::LeftButton);
            QTRY_VERIFY(win().Imput[0]->hasFocus());
            const QStringList shown{box(1)->currentText(), box(2)->currentText()};
            QCOMPARE(shown, move == win().cmdNext ? (QStringList{"Alabama", "Auburn"})
                                                  : (QStringList{"Dallas", "Denver"}));
            win().cmdEdit->click();
            win().cmdUpdate->click();
            QCOMPARE(data->stored(move == win().cmdNext ? 2 : 1, "Team1").toString(), shown[0]);
        }
    }

    void oddLists_data()
    {
        QTest::addColumn<QByteArray>("contents"); // "<missing>", "<folder>", ... or the list
        QTest::addColumn<bool>("loads");
        QTest::newRow("missing") << QByteArray("<missing>") << false;
        QTest::newRow("a folder of that name") << QByteArray("<folder>") << false;
        QTest::newRow("a pipe no one writes into") << QByteArray("<fifo>") << false;
        QTest::newRow("beyond the limit") << QByteArray("<sparse>") << false;
        QByteArray names;
        for (int i = 0; names.size() < 5 * 1024 * 1024; ++i)
            names += "Team " + QByteArray::number(i) + "\r\n";
        QTest::newRow("5 MB, CRLF") << names << true;
    }
    // No list gives empty boxes and no names; a huge one loads into both
    // (what any bytes make of a list is the fuzz target's). Only what is no
    // list at all, or beyond the size limit, is told, and never waited for.
    void oddLists()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, loads);
        const QString path = QDir(data->dir()).filePath(u"Pro.txt"_s);
        QVERIFY(QFile::remove(path));
        if (contents == "<folder>")
            QVERIFY(QDir().mkdir(path));
        else if (contents == "<fifo>")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (contents == "<sparse>")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly) &&
                    QFile(path).resize(TeamList::kMaxBytes + 1));
        else if (contents != "<missing>")
            writePro(contents);
        win().ProFootball();
        QCOMPARE(box(1)->count() > 0, loads);
        QCOMPARE(box(1)->count(), box(2)->count());
        if (!loads) {
            type(1, u"d"_s);
            QCOMPARE(box(1)->currentText() + team(0), u"d"_s);
        }
        const QStringList told = w->messages();
        QVERIFY(contents == "<fifo>" || contents == "<sparse>"
                    ? told.size() == 1 && told.first().startsWith("The team list '" + path + "' is")
                    : told.isEmpty());
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
        const auto row = [](const char *tag, const QByteArray &contents,
                            const QStringList &entries) {
            QTest::newRow(tag) << contents << entries;
        };
        row("comma splits a line", "Kansas City, MO\n", {"Kansas City", "MO"});
        row("quotes keep the comma", "\"Kansas City, MO\"\n", {"Kansas City, MO"});
        row("CRLF", "Dallas\r\nDenver\r\nDetroit\r\n", kPro);
        row("CR", "Dallas\rDenver\rDetroit", kPro);
        row("blank lines", "\n\nDallas\n\n \t \r\n\r\nDenver\r\rDetroit\n\n", kPro);
        row("unbalanced quote", "\"Kansas City, MO\nDenver\n", {"Kansas City, MO", "Denver"});
        row("blanks", "  Dallas \t\n\" Denver \"\n", {"Dallas", " Denver "});
        row("text after a quote", "\"Dallas\" Cowboys,Denver", {"Dallas", "Denver"});
        row("empty entries", "Dallas,,Denver,\n,Detroit,\"\"\n", kPro);
        row("order and duplicates", "Texas\nAlabama\nTexas", {"Texas", "Alabama", "Texas"});
        row("UTF-8 with BOM", "\xEF\xBB\xBFS\xC3\xA3o Paulo", {u"São Paulo"_s});
        row("Windows-1252", "Caf\xE9\n\x93Q\x94", {u"Café"_s, u"“Q”"_s});
        row("control characters", QByteArray("Dal\0las\x1B\nDen\x7Fver\n\x1A", 18),
            {"Dallas", "Denver"});
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
