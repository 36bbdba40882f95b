// The record commands and the date search through the real window: what is
// stored, what is shown, and that no command ever writes one pool's board
// into another.
#include "store/poolrecords.h"
#include "store/recordmapping.h"
#include "store/schema.h"
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

    void everyColumnRoundTrips_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::newRow("the program") << "program";
        QTest::newRow("the program, texts that trip careless programs") << "hostile";
        QTest::newRow("another tool: Nulls and numbers") << "other";
    }
    // Each column a value of its own: shown by a load, stored by Edit and
    // Update (showing its progress) exactly as shown, and shown again by a
    // move.
    void everyColumnRoundTrips()
    {
        QFETCH(QString, writer);
        const QStringList hostile{"O'Neil's 'pool'",
                                  "\"Big\" Al",
                                  "x'; DROP TABLE Football; --",
                                  "' OR 1=1 UNION SELECT * FROM Football --",
                                  "100%_ of _it_%",
                                  QString::fromUtf8("tab\there\x01\x1f\x7f end"),
                                  QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd \u202eabc"),
                                  QString::fromUtf8("Zo\u00eb \U0001F3C8"),
                                  QString(10000, u'n'),
                                  "   ",
                                  "C:\\pools\\%s\\n"};
        PoolValues pool;
        int i = 0;
        for (const QString &column : Schema::allColumns().mid(2)) // all but ID and Date
            pool.insert(column,
                        (writer == "hostile" ? hostile[i++ % hostile.size()] : "") + column);
        pool.insert({{"Date", "07/04/2025"},
                     {"PoolAmount", "$1,234.56"},
                     {"Quarter", 0},
                     {"Game", 0},
                     {"Half", 1},
                     {"ProCollage", 0},
                     {"Password", ""}});
        PoolValues saved = pool; // what the board shows and a save stores
        if (writer == "other") {
            for (const char *column : {"Num4", "Im0", "Im99", "Quarter2", "Team2", "Score2"}) {
                pool.insert(column, QVariant());
                saved.insert(column, "");
            }
            pool.insert({{"Num1", 7},
                         {"Im1", 3.5},
                         {"Score1", 21},
                         {"Half", QVariant()},
                         {"Game", 1},
                         {"ProCollage", QVariant()},
                         {"Password", QVariant()}});
            saved.insert({{"Num1", "7"},
                          {"Im1", "3.5"},
                          {"Score1", "21"},
                          {"Half", 0},
                          {"Game", 1},
                          {"Password", QVariant()}});
        }
        const qint64 id = m_data->addPool(pool);
        add({"Neighbour"});
        open();
        saved.insert("ID", id);
        QCOMPARE(boardMismatch(w(), m_data->allPools().value(id)), QString());
        QCOMPARE(w().lblStatus->text().remove(QChar(0x2068)).remove(QChar(0x2069)),
                 "07/04/2025  " + saved["Team1"].toString() + " VS " + saved["Team2"].toString());
        w().cmdEdit->click();
        QList<int> progress;
        connect(w().Pb1, &QProgressBar::valueChanged, this, [&](int v) { progress << v; });
        w().cmdUpdate->click();
        QCOMPARE(progress, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QVERIFY(messages().isEmpty() && !w().Pb1->isVisible());
        const PoolValues file = m_data->allPools().value(id);
        for (const QString &column : Schema::allColumns())
            QVERIFY2(sameValue(file.value(column), saved.value(column)), qPrintable(column));
        click({w().cmdNext, w().cmdPrevious});
        QCOMPARE(boardMismatch(w(), file), QString());
        if (writer == "hostile") { // a password of such a text locks and unlocks
            w().Text2->setText(hostile[2]);
            w().Text1->setText(hostile[2]);
            w().cmdLock->click();
            QCOMPARE(stored(id, "Password"), hostile[2]);
            w().Text2->setText(hostile[2]);
            w().cmdunlock->click();
            QVERIFY(!w().Locked && messages().isEmpty());
        }
        w().cmdEdit->click(); // the selector's text in any letter case makes a pro pool
        w().Combo1[0]->setEditText("pRo");
        w().cmdUpdate->click();
        QCOMPARE(stored(id, "ProCollage"), u"1"_s);
    }

    void refusedSaveStaysInEditing_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message"); // contained in the one message
        const QString noDate = " Game Date Has To Have A Date";
        QTest::newRow("nothing typed") << "" << noDate;
        QTest::newRow("part of a date") << "12" << noDate;
        QTest::newRow("no such day") << "02/30/2025" << noDate;
        const QString order = "Type the game date as month/day/year, for example 12/28/2025.";
        QTest::newRow("day first") << "28/12/2025" << order;
        QTest::newRow("edit, day first") << "28/12/2025" << order;
        QTest::newRow("a locked pool found during the add")
            << "01/01/2025" << frmScore::kLockMessage;
        QTest::newRow("a square beyond any text's size")
            << "01/01/2025"
            << "The text for 'Im1' has 65537 characters, more than Quadrix keeps";
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
        (edit ? w().cmdEdit : w().cmdAdd)->click();
        if (!edit) // a new pool is for today
            QCOMPARE(w().txtGameDate->text(), RecordMapping::dateText(QDate::currentDate()));
        if (row.startsWith("a locked"))
            search("02022025");
        w().txtGameDate->setText(date);
        w().Imput[0]->setText("typed");
        w().Imput[1]->setText(row.startsWith("a square") ? QString(65537, 'x') : QString());
        w().cmdUpdate->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().contains(message), qPrintable(messages().first()));
        QVERIFY(w().cmdUpdate->isVisible() && w().cmdCancel->isVisible());
        QVERIFY(!w().cmdAdd->isVisible() && !w().cmdEdit->isVisible() &&
                !w().cmdDelete->isVisible() && !w().cmdNext->isEnabled());
        QCOMPARE(w().mbAddNewFlag, !edit);
        QCOMPARE(w().Imput[0]->text(), u"typed"_s);
        QCOMPARE(m_data->poolCount(), 2);
        QCOMPARE(stored(1, "Im0"), u"kept"_s);
        if (!message.contains("Date") && !message.contains("date"))
            return;
        // The date as corrected is the pool's date, a changed one included.
        w().txtGameDate->setText("03/03/2025");
        w().cmdUpdate->click();
        QCOMPARE(stored(edit ? 1 : 3, "Im0") + stored(edit ? 1 : 3, "Date"), u"typed03/03/2025"_s);
        QCOMPARE(w().txtID->text(), QString::number(edit ? 1 : 3)); // LOCK works on it at once
        QCOMPARE(stored(1, "Im0"), edit ? u"typed"_s : u"kept"_s);
    }

    // Nothing of the pool shown before is charged or named on a cleared
    // board: its price, its lock, its game line.
    void clearBoardResetsTheBoardOnly()
    {
        add({"A"}, {{"Num0", "3"},
                    {"Im0", "Ed"},
                    {"Score1", "14"},
                    {"Game", 1},
                    {"Date", "07/04/2025"},
                    {"Password", "pw"}});
        open();
        QCOMPARE(w().windowTitle(), u"QUADRIX POOL  LOCKED"_s);
        w().NumbersSet = true;
        w().ClearBoard();
        QCOMPARE(texts(w().Number[0], w().Imput[0], w().Score[0], w().lblOpen, w().txtPoolAmount),
                 (QStringList{"", "", "", "000", "$000.00"}));
        QVERIFY(!w().NumbersSet && w().Option1[0]->isChecked());
        QCOMPARE(w().txtGameDate->text(), u"07/04/2025"_s);
        QCOMPARE(texts(w().lblAmountPer, w().lblPayOut, w().lblStatus),
                 (QStringList{"$0.00", "$0.00", ""}));
        QCOMPARE(w().windowTitle(), u"QUADRIX POOL"_s);
    }

    // Finding pools by date; the walk over the commands checks what each
    // search shows and where the moves go from there.
    void theSearchBoxKeepsItsDate()
    {
        add({"A1"}, {{"Date", "09/07/2025"}});
        add({"B1", "B2"}, {{"Date", "09/14/2025"}});
        open();
        search("09'14;%_20\"25"); // the box takes digits only
        QVERIFY(!w().frSearch->isVisible());
        QCOMPARE(click({w().cmdNext, w().cmdNext}), (QStringList{"B2", "B2"}));
        w().cmdSearch->click();
        QVERIFY(w().frSearch->isVisible() && w().cmdAdd->isVisible());
        QCOMPARE(w().txtSearch->text(), u"09/14/2025"_s);
        QCOMPARE(team(), u"B2"_s);
        // A date no pool has: told, and nothing else changes.
        search("01012030");
        QCOMPARE(messages(), QStringList{"No pool has the game date 01/01/2030."});
        QCOMPARE(click({w().cmdPrevious, w().cmdNext}), (QStringList{"B1", "B2"}));
        // The store takes a date as a value, never as SQL.
        for (const QString &date : {u"' OR '1'='1"_s, u"09/14/2025' --"_s})
            QCOMPARE(PoolRecords(m_window->store.database(), PoolQuery::byDate(date)).RecordCount(),
                     0);
    }

    void closingAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<QString>("answer"); // "": nothing was changed
        for (const char *answer : {"Yes", "No", "Cancel", "", "refused"})
            QTest::newRow(*answer ? answer : "nothing changed") << answer;
    }
    // Zoe was told to pay for two Quick Pick squares: closing saves them,
    // lets them go or keeps them on the board as the user says, never drops
    // them without a word. (The walk over the commands holds every command
    // that replaces the board to the same.)
    void closingAsksAboutUnsavedChanges()
    {
        QFETCH(QString, answer);
        add({"A", "B"});
        open();
        Dialogs &dialogs = m_window->dialogs;
        if (answer == "refused") {
            w().cmdAdd->click();
            w().txtGameDate->clear();
        }
        if (!answer.isEmpty()) {
            dialogs.setNextInput("Zoe");
            dialogs.setNextInput("2");
            w().cmdQuick->click();
        }
        dialogs.clearShown();
        dialogs.setNextAnswer(answer == "No"       ? Dialogs::Answer::No
                              : answer == "Cancel" ? Dialogs::Answer::Cancel
                                                   : Dialogs::Answer::Yes);
        w().close();
        QCOMPARE(dialogs.shownTexts().contains(frmScore::kSaveChangesQuestion), !answer.isEmpty());
        QCOMPARE(m_data->allPools().value(1).values().count(QVariant("Zoe")),
                 answer == "Yes" ? 2 : 0);
        const bool stays = answer == "Cancel" || answer == "refused";
        QCOMPARE(w().isVisible(), stays);
        if (stays) // the board as the user left it, changes and all
            QCOMPARE(squaresOf("Zoe"), 2);
        if (answer == "refused")
            QCOMPARE(dialogs.shownTexts().last(), u" Game Date Has To Have A Date"_s);
    }

    void deleteAsksFirst()
    {
        add({"A", "B"});
        open();
        w().cmdDelete->click(); // No, the default
        QCOMPARE(messages(), QStringList{"Delete the pool of 01/01/2025, A VS X? This cannot be "
                                         "undone."});
        QCOMPARE(m_data->poolCount(), 2);
        QCOMPARE(team(), u"A"_s);
    }

    // The digits drawn on a locked pool are stored at once, the headers and
    // nothing else, and the next draw finds them there.
    void aDrawOnALockedPoolIsKept()
    {
        add({"A"}, {{"Password", "pw"}, {"Im3", "Sold"}});
        add({"B"});
        open();
        QVERIFY(w().Locked);
        const PoolValues before = m_data->allPools().value(1);
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Yes); // the unsold squares
        w().Command3->click();
        const PoolValues after = m_data->allPools().value(1);
        QVERIFY(!w().hasUnsavedChanges());
        for (const QString &column : Schema::allColumns()) {
            const bool header = column.startsWith("Num");
            QVERIFY2(header ? after.value(column).toString() ==
                                      w().Number[column.mid(3).toInt()]->text() &&
                                  !after.value(column).toString().isEmpty()
                            : sameValue(after.value(column), before.value(column)),
                     qPrintable(column));
        }
        click({w().cmdNext, w().cmdPrevious});
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Yes);
        w().Command3->click();
        QCOMPARE(m_data->allPools().value(1), after);
        QCOMPARE(w().Number[0]->text(), after.value("Num0").toString());
    }

private:
    void open() { m_window = std::make_unique<TestWindow>(*m_data); }
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }
    QString team() { return w().Combo1[1]->currentText(); }
    int squaresOf(const QString &name)
    {
        return int(std::count_if(w().Imput.begin(), w().Imput.end(),
                                 [&](const SquareBox *square) { return square->text() == name; }));
    }
    void add(const QStringList &teams, const PoolValues &changes = {})
    {
        for (const QString &team : teams) {
            PoolValues pool = samplePool("01/01/2025", team, "X");
            pool.insert(changes);
            m_data->addPool(pool);
        }
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
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestRecordCommands)
#include "test_recordcommands.moc"
