// The record commands and the date search through the real window: what is
// stored, what is shown, and that no command ever writes one pool's board
// into another.
#include "store/poollist.h"
#include "store/poollistdialog.h"
#include "store/poolrecords.h"
#include "store/schema.h"
#include "support/diskshim.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

class TestRecordCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { m_window.reset(), m_data = std::make_unique<TestData>(); }

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
        w().cmdEdit->click(); // the selector's text in any letter case makes a pro pool
        w().Combo1[0]->setEditText("pRo");
        w().cmdUpdate->click();
        QCOMPARE(stored(id, "ProCollage"), u"1"_s);
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
        // The store takes a date as a value, never as SQL.
        for (const QString &date : {u"' OR '1'='1"_s, u"09/14/2025' --"_s})
            QCOMPARE(PoolRecords(m_window->store.database(), PoolQuery::byDate(date)).RecordCount(),
                     0);
    }

    // Enter and Escape on the real boxes: what cannot be undone defaults to
    // No, the question before typed work goes to saving it, Escape cancels.
    void questionsDefaultToTheSafeAnswer()
    {
        add({"A", "B"});
        open();
        Dialogs &dialogs = m_window->dialogs;
        w().cmdDelete->click(); // scripted: no answer given is No
        QCOMPARE(messages(), QStringList{u"Delete the pool of 01/01/2025, \u2068A\u2069 VS "
                                         u"\u2068X\u2069? This cannot be undone."_s});
        QCOMPARE(m_data->poolCount(), 2);
        QCOMPARE(team(), u"A"_s);
        w().Imput[0]->setText("typed");
        dialogs.setNextAnswer(Dialogs::Answer::Cancel);
        w().cmdNext->click();
        w().Command3->click(); // unsold squares; no answer given is the default
        QCOMPARE(dialogs.shown().size(), 3);
        using A = Dialogs::Answer;
        const A defaults[] = {A::No, A::Yes, A::No};
        const A escapes[] = {A::No, A::Cancel, A::Cancel};
        const auto answerOf = [](QAbstractButton *button, QMessageBox &box) {
            const auto role = box.standardButton(button);
            return role == QMessageBox::Yes ? A::Yes : role == QMessageBox::No ? A::No : A::Cancel;
        };
        for (int i = 0; i < 3; ++i) {
            const Dialogs::Shown &shown = dialogs.shown()[i];
            QCOMPARE(shown.defaultAnswer, defaults[i]);
            const auto box = i == 0 ? dialogs.confirmBox(shown.text, shown.title)
                                    : dialogs.questionBox(shown.text, shown.title, shown.icon,
                                                          shown.defaultAnswer);
            QCOMPARE(answerOf(box->defaultButton(), *box), defaults[i]);
            QCOMPARE(answerOf(box->escapeButton(), *box), escapes[i]);
        }
        QCOMPARE(w().Imput[0]->text(), u"typed"_s);
    }

    // The digits drawn on a locked pool are stored at once; digits the disk
    // refused stay as an unsaved change that SET Numbers stores again, and
    // digits loaded are never drawn anew.
    void aLockedPoolTakesItsDrawOnly()
    {
        add({"A", "B"}, {{"Password", "pw"}, {"Im3", "Sold"}});
        open();
        const PoolValues before = m_data->allPools().value(1);
        DiskShim::failAt(DiskShim::Point::Write, 1, SQLITE_FULL, true);
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Yes); // the unsold squares
        w().Command3->click();
        QCOMPARE(m_data->allPools().value(1), before);
        QVERIFY(w().hasUnsavedChanges() && messages().last().contains("SET Numbers"));
        const QString drawn = w().Number[0]->text() + w().Number[19]->text();
        DiskShim::heal();
        w().Command3->click();
        QVERIFY(!w().hasUnsavedChanges());
        const PoolValues after = m_data->allPools().value(1);
        QCOMPARE(after.value("Num0").toString() + after.value("Num19").toString(), drawn);
        click({w().cmdNext, w().cmdPrevious});
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Yes);
        w().Command3->click();
        QCOMPARE(m_data->allPools().value(1), after);
        QCOMPARE(w().Number[0]->text(), after.value("Num0").toString());
    }

    // The list of all pools: each row as the file holds it (Null columns
    // empty, a square of blanks sold), the date sorted as a date and the
    // teams in any letter case, narrowed by team or player name where a
    // name's % or _ is no wildcard.
    void theListShowsEveryPool_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("rows"); // the pools below, by number
        QTest::newRow("none") << "" << QList<int>{3, 2, 0, 1};
        QTest::newRow("team, either side, any case") << "BEAR" << QList<int>{0, 1};
        QTest::newRow("player, any case") << "ann" << QList<int>{0, 1};
        QTest::newRow("blanks around") << "  colts " << QList<int>{2};
        QTest::newRow("a percent sign") << "%" << QList<int>{0};
        QTest::newRow("an underscore") << "_" << QList<int>{};
        QTest::newRow("no one") << "nobody" << QList<int>{};
        QTest::newRow("beyond plain letters, any case") << "ZO\u00cb" << QList<int>{1};
        QTest::newRow("a backslash") << "\\" << QList<int>{};
    }
    void theListShowsEveryPool()
    {
        QFETCH(QString, filter);
        QFETCH(QList<int>, rows);
        const qint64 ids[] = {m_data->addPool({{"Date", "12/31/2025"},
                                               {"Team1", "bears"},
                                               {"Team2", "Lions"},
                                               {"Im0", "Ann"},
                                               {"Im1", "   "},
                                               {"Im2", "100%"},
                                               {"PoolAmount", "$250.00"},
                                               {"Password", "pw"},
                                               {"Quarter1", "Ann"},
                                               {"Quarter2", "Ann"},
                                               {"Quarter3", "Ann"},
                                               {"Quarter4", "100%"}}),
                              m_data->addPool({{"Date", "01/02/2026"},
                                               {"Team1", "Packers"},
                                               {"Team2", "Bears"},
                                               {"Im5", "Jo Ann"},
                                               {"Im6", "Zo\u00eb"},
                                               {"Quarter1", "Jo Ann"},
                                               {"Password", ""}}),
                              m_data->addPool({{"Date", "02/01/2025"}, {"Team1", "Colts"}}),
                              m_data->addPool({})};
        const QStringList shown{"12/31/2025|bears|Lions|3|$250.00|Yes|Yes",
                                "01/02/2026|Packers|Bears|2||No|No", "02/01/2025|Colts||0||No|No",
                                "|||0||No|No"};
        open();
        PoolList list(m_window->store.database());
        list.setFilter(filter);
        QStringList expected;
        for (int row : rows)
            expected << QString::number(ids[row]) + '|' + shown[row];
        QCOMPARE(listed(list), expected);
        list.sort(PoolList::Date, Qt::DescendingOrder);
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(listed(list), expected);
        if (filter.isEmpty()) {
            list.sort(PoolList::Team1);
            QCOMPARE(listed(list).join(' ').count("|bears|"), 1);
            QVERIFY(listed(list)[1].contains("|bears|")); // not after Packers
            list.sort(PoolList::Sold);                    // the counts do not sort
            QVERIFY(listed(list)[1].contains("|bears|") && list.sortColumn() == PoolList::Team1);
        }
    }

    // The list opens on the pool shown and reads only the rows in view, so
    // a long season opens at once.
    void aLongListReadsOnlyTheRowsInView()
    {
        OtherProgram(m_data->poolFile())
            .exec("WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 1500) "
                  "INSERT INTO Football (Date, Team1) SELECT '01/01/2025', 'T' || i FROM k");
        open();
        w().cmdLast->click();
        w().cmdList_Click();
        PoolListDialog *dialog = w().poolListDialog();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->chosenId(), 1500);
        QVERIFY2(dialog->list()->pagesRead() <= 2,
                 qPrintable(QString::number(dialog->list()->pagesRead())));
        dialog->view()->scrollToTop();
        QTest::qWait(20);
        QVERIFY(dialog->list()->pagesRead() <= 3);
        QCOMPARE(dialog->count()->text(), u"1,500 pools"_s);
        // A page the file will not give shows empty rows, asked for once and
        // told once, rather than a wait for every cell.
        OtherProgram other(m_data->poolFile(), true);
        const QModelIndex far = dialog->list()->index(750, PoolList::Team1);
        QCOMPARE(far.data().toString(), QString());
        QElapsedTimer again;
        again.start();
        QCOMPARE(dialog->list()->index(760, PoolList::Team1).data().toString(), QString());
        QVERIFY(again.elapsed() < 500);
        QTRY_COMPARE(messages().size(), 1);
        QVERIFY(messages().first().contains(u"in use by another program"_s));
    }

    // Enter in the list shows the pool chosen, asking first about unsaved
    // changes as a move does; the moves then walk all pools again, also
    // after a search.
    void theListShowsThePoolChosen()
    {
        add({"A1"}, {{"Date", "09/07/2025"}});
        add({"B1", "B2"}, {{"Date", "09/14/2025"}});
        open();
        search("09142025");
        w().Imput[0]->setText("typed");
        const auto choose = [&](const QString &typed, Dialogs::Answer answer) {
            w().cmdList_Click();
            PoolListDialog *dialog = w().poolListDialog();
            dialog->show();
            QCOMPARE(dialog->chosenId(), 2); // the pool on show
            QTest::keyClicks(dialog->filterBox(), typed);
            m_window->dialogs.setNextAnswer(answer);
            QTest::keyClick(dialog->filterBox(), Qt::Key_Return); // narrows at once
            QVERIFY(!dialog->isVisible());
        };
        choose("a1", Dialogs::Answer::Cancel);
        QCOMPARE(messages().last(), frmScore::kSaveChangesQuestion);
        QVERIFY(w().Imput[0]->text() == "typed" && team() == "B1");
        choose("a1", Dialogs::Answer::No);
        QVERIFY(w().Imput[0]->text().isEmpty() && team() == "A1");
        QCOMPARE(click({w().cmdNext, w().cmdNext, w().cmdNext}), (QStringList{"B1", "B2", "B2"}));
    }

private:
    void open() { m_window = std::make_unique<TestWindow>(*m_data); }
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }
    QString team() { return w().Combo1[1]->currentText(); }
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
    static QStringList listed(const PoolList &list)
    {
        QStringList rows;
        for (int row = 0; row < list.rowCount(); ++row) {
            QStringList texts{QString::number(list.idAt(row))};
            for (int column = 0; column < PoolList::ColumnCount; ++column)
                texts << list.index(row, column).data().toString();
            rows << texts.join('|');
        }
        return rows;
    }
    QString stored(qint64 id, const QString &c) { return m_data->stored(id, c).toString(); }
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestRecordCommands)
#include "test_recordcommands.moc"
