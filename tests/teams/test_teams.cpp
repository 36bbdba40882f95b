// The team boxes of the main window: filling them from the team lists,
// completion while typing, and the choice of list.
#include "support/testwindow.h"
#include "teams/teamlist.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

namespace {

QStringList listOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QByteArray numbered(const char *prefix, int count)
{
    QByteArray contents;
    for (int i = 0; i < count; ++i)
        contents += prefix + QByteArray::number(i).rightJustified(5, '0') + "\r\n";
    return contents;
}

const QStringList kPro{"Dallas", "Denver", "Detroit"};
const QStringList kCollege{"Alabama", "Auburn", "Colorado"};

} // namespace

class TestTeams : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpFillsBothBoxes();
    void typing_data();
    void typing();
    void typingIntoTheBox();
    void clearingKeepsTheTeamName();
    void selector_data();
    void selector();
    void choosingFromTheList();
    void unreadableList_data();
    void unreadableList();
    void reloadDuringLoad_data();
    void reloadDuringLoad();
    void longListLoadsQuickly();

private:
    frmScore &win() { return w->w(); }
    QComboBox *box(int i) { return win().Combo1[i]; }
    void useLists()
    {
        data->writeTeamList(QStringLiteral("Pro.txt"), kPro.join(u'\n').toUtf8());
        data->writeTeamList(QStringLiteral("Collage.txt"), kCollege.join(u'\n').toUtf8());
    }
    // Types text into a box's line edit, Backspace written as '\b'.
    void type(int i, const QString &text)
    {
        QLineEdit *edit = box(i)->lineEdit();
        for (QChar c : text) {
            if (c == u'\b')
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                QTest::keyClick(edit, c.toLatin1());
        }
    }

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> w;
};

void TestTeams::init()
{
    data = std::make_unique<TestData>();
    w = std::make_unique<TestWindow>(*data);
}

void TestTeams::cleanup()
{
    w.reset();
    data.reset();
}

// The shipped professional list fills both boxes in file order; neither box
// shows its first entry as if it had been chosen.
void TestTeams::startUpFillsBothBoxes()
{
    const QStringList shipped =
        TeamList::readFile(QDir(data->dir()).filePath(QStringLiteral("Pro.txt")));
    QCOMPARE(shipped.size(), 32);
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(listOf(box(i)), shipped);
        QCOMPARE(box(i)->currentText(), QString());
        QCOMPARE(box(i)->currentIndex(), -1);
    }
    QCOMPARE(win().TeamScore[0]->text(), QString());
    QVERIFY(w->messages().isEmpty());
}

void TestTeams::typing_data()
{
    QTest::addColumn<int>("team");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("teamName");

    QTest::newRow("d completes the first match") << 1 << "d"
                                                 << "Dallas"
                                                 << "allas"
                                                 << "Dallas";
    QTest::newRow("then e narrows it") << 1 << "de"
                                       << "Denver"
                                       << "nver"
                                       << "Denver";
    QTest::newRow("then x matches nothing") << 1 << "dex"
                                            << "Dex"
                                            << ""
                                            << "Denver";
    QTest::newRow("the list's letter case wins") << 1 << "DET"
                                                 << "Detroit"
                                                 << "roit"
                                                 << "Detroit";
    QTest::newRow("a whole name") << 1 << "dallas"
                                  << "Dallas"
                                  << ""
                                  << "Dallas";
    QTest::newRow("Backspace removes the completion") << 1 << "d\b"
                                                      << "D"
                                                      << ""
                                                      << "Dallas";
    QTest::newRow("no match from the start") << 1 << "q"
                                             << "q"
                                             << ""
                                             << "";
    QTest::newRow("team 2") << 2 << "de"
                            << "Denver"
                            << "nver"
                            << "Denver";
}

// Completion in the team boxes, the example of Dallas, Denver and Detroit.
void TestTeams::typing()
{
    QFETCH(int, team);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, teamName);
    useLists();
    win().ProFootball();
    box(team)->setFocus();
    type(team, keys);
    QCOMPARE(box(team)->currentText(), text);
    QCOMPARE(box(team)->lineEdit()->selectedText(), selected);
    QCOMPARE(win().TeamScore[team - 1]->text(), teamName);
    QCOMPARE(win().TeamScore[2 - team]->text(), QString());
    QCOMPARE(listOf(box(team)), kPro); // a completion adds nothing to the list
    QVERIFY(w->messages().isEmpty());
}

// Keys sent to the combo box itself, where the user's keyboard delivers
// them, complete as well.
void TestTeams::typingIntoTheBox()
{
    useLists();
    win().ProFootball();
    box(1)->lineEdit()->setFocus();
    QCOMPARE(QApplication::focusWidget(), box(1)); // the box is the line edit's focus proxy
    QTest::keyClicks(box(1), QStringLiteral("de"));
    QCOMPARE(box(1)->currentText(), QStringLiteral("Denver"));
    QCOMPARE(box(1)->lineEdit()->selectedText(), QStringLiteral("nver"));
    QCOMPARE(win().TeamScore[0]->text(), QStringLiteral("Denver"));
}

void TestTeams::clearingKeepsTheTeamName()
{
    useLists();
    win().ProFootball();
    type(1, QStringLiteral("d"));
    QCOMPARE(win().TeamScore[0]->text(), QStringLiteral("Dallas"));
    box(1)->lineEdit()->selectAll();
    type(1, QStringLiteral("\b"));
    QCOMPARE(box(1)->currentText(), QString());
    win().Combo1_Click(1); // the list opened and closed again without a choice
    QCOMPARE(win().TeamScore[0]->text(), QStringLiteral("Dallas"));
}

void TestTeams::selector_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("teams");
    QTest::addColumn<bool>("reloads"); // at every key

    // clang-format off
    QTest::newRow("p into an empty selector")
        << "" << false << "p" << "PRO" << "RO" << kPro << true;
    QTest::newRow("pro in lower case")
        << "" << false << "pro" << "PRO" << "" << kPro << true;
    QTest::newRow("c over the selected PRO")
        << "PRO" << true << "c" << "COLLAGE" << "OLLAGE" << kCollege << true;
    QTest::newRow("no match leaves the lists")
        << "" << false << "x" << "x" << "" << kCollege << false;
    // clang-format on
}

// Completing the selector reloads both team boxes at every matching key.
void TestTeams::selector()
{
    QFETCH(QString, before);
    QFETCH(bool, selectAll);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QStringList, teams);
    QFETCH(bool, reloads);
    useLists();
    win().Collage();
    box(0)->setEditText(before);
    if (selectAll)
        box(0)->lineEdit()->selectAll();
    for (QChar key : keys) {
        box(1)->setEditText(QStringLiteral("Typed 1"));
        box(2)->setEditText(QStringLiteral("Typed 2"));
        type(0, key);
        QCOMPARE(box(1)->currentText(), reloads ? QString() : QStringLiteral("Typed 1"));
        QCOMPARE(box(2)->currentText(), reloads ? QString() : QStringLiteral("Typed 2"));
    }
    QCOMPARE(box(0)->currentText(), text);
    QCOMPARE(box(0)->lineEdit()->selectedText(), selected);
    QCOMPARE(listOf(box(1)), teams);
    QCOMPARE(listOf(box(2)), teams);
    QCOMPARE(listOf(box(0)), (QStringList{"PRO", "COLLAGE"}));
}

// Choosing COLLAGE from the selector's list (the arrow keys choose, as the
// drop-down does) empties both team boxes, typed names included, and fills
// them from the college list; the names beside the scores stay.
void TestTeams::choosingFromTheList()
{
    useLists();
    win().ProFootball();
    type(1, QStringLiteral("den"));
    type(2, QStringLiteral("Somewhere"));
    QCOMPARE(win().TeamScore[0]->text(), QStringLiteral("Denver"));
    box(0)->setFocus();
    QTest::keyClick(box(0), Qt::Key_Down);
    QCOMPARE(box(0)->currentText(), QStringLiteral("COLLAGE"));
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(listOf(box(i)), kCollege);
        QCOMPARE(box(i)->currentText(), QString());
    }
    QCOMPARE(win().TeamScore[0]->text(), QStringLiteral("Denver"));
    QTest::keyClick(box(0), Qt::Key_Up);
    QCOMPARE(box(0)->currentText(), QStringLiteral("PRO"));
    QCOMPARE(listOf(box(1)), kPro);
}

void TestTeams::unreadableList_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a folder of that name") << "folder";
    QTest::newRow("empty") << "empty";
}

// No list, no names and no message; typing stays as typed.
void TestTeams::unreadableList()
{
    QFETCH(QString, kind);
    const QString path = QDir(data->dir()).filePath(QStringLiteral("Pro.txt"));
    QVERIFY(QFile::remove(path));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(data->dir()).mkdir(QStringLiteral("Pro.txt")));
    else if (kind == QLatin1String("empty"))
        data->writeTeamList(QStringLiteral("Pro.txt"), QByteArray());
    box(1)->setEditText(QStringLiteral("Dallas"));
    win().ProFootball();
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(box(i)->count(), 0);
        QCOMPARE(box(i)->currentText(), QString());
    }
    type(1, QStringLiteral("d"));
    QCOMPARE(box(1)->currentText(), QStringLiteral("d"));
    QCOMPARE(win().TeamScore[0]->text(), QString());
    QVERIFY(w->messages().isEmpty());
}

void TestTeams::reloadDuringLoad_data()
{
    QTest::addColumn<bool>("duringSecondBox");
    QTest::addColumn<bool>("sameList");
    QTest::newRow("the other list, while the first box fills") << false << false;
    QTest::newRow("the other list, while the second box fills") << true << false;
    QTest::newRow("the same list again") << false << true;
}

// A choice of list made while a long list is loading (window events run
// during the load) ends with the lists of the last choice, once each.
void TestTeams::reloadDuringLoad()
{
    QFETCH(bool, duringSecondBox);
    QFETCH(bool, sameList);
    const QByteArray longList = numbered("Pro ", 3000);
    data->writeTeamList(QStringLiteral("Pro.txt"), longList);
    data->writeTeamList(QStringLiteral("Collage.txt"), kCollege.join(u'\n').toUtf8());
    const QStringList last = sameList ? TeamList::parse(longList) : kCollege;

    bool loading = true;
    bool ranDuringLoad = false;
    std::function<void()> chooseAgain = [&] {
        if (loading && duringSecondBox && box(2)->count() == 0) {
            QMetaObject::invokeMethod(w->window.get(), chooseAgain, Qt::QueuedConnection);
            return;
        }
        ranDuringLoad = loading;
        if (sameList)
            win().ProFootball();
        else
            win().Collage();
    };
    QMetaObject::invokeMethod(w->window.get(), chooseAgain, Qt::QueuedConnection);
    win().ProFootball();
    loading = false;
    QVERIFY(ranDuringLoad);
    QCoreApplication::processEvents();
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(listOf(box(i)), last);
        QCOMPARE(box(i)->currentText(), QString());
    }
}

// The window answers while a long list loads, yet a list of ten thousand
// names takes far less than a second.
void TestTeams::longListLoadsQuickly()
{
    data->writeTeamList(QStringLiteral("Pro.txt"), numbered("Team ", 10000));
    QElapsedTimer timer;
    timer.start();
    win().ProFootball();
    const qint64 elapsed = timer.elapsed();
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(box(i)->count(), 10000);
        QCOMPARE(box(i)->itemText(0), QStringLiteral("Team 00000"));
        QCOMPARE(box(i)->itemText(9999), QStringLiteral("Team 09999"));
    }
    qInfo("two boxes of 10000 names loaded in %lld ms", elapsed);
    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

QTEST_MAIN(TestTeams)
#include "test_teams.moc"
