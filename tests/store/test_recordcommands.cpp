// The record commands and the date search through the real window: what is
// stored, what is shown, and that no command ever writes one pool's board
// into another.
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
    QString stored(qint64 id, const QString &c) { return m_data->stored(id, c).toString(); }
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestRecordCommands)
#include "test_recordcommands.moc"
