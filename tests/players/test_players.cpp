// The players' ledger: who bought what, who has paid (kept in the pool file
// beside the pools), and the winning squares tinted on the board.
#include "players/playersdialog.h"
#include "store/recordmapping.h"
#include "support/testwindow.h"

#include <QProcess>
#include <QTest>
#include <QtWidgets>

class TestPlayers : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_window.reset();
        m_data = std::make_unique<TestData>();
    }

    // A player is a name in any spelling and with any blanks around it; a
    // square of blanks is sold, as on the board, to its blanks; players are
    // sorted by name, letter case aside.
    // Looking writes nothing; ticks go to the file at once and come back
    // after a restart, on a locked pool too.
    void paymentsAreKept()
    {
        const QString hostile = "x'); DROP TABLE Football; --";
        PoolValues pool = samplePool("01/01/2025", "A", "B");
        pool.insert({{"Im0", "Ann"},
                     {"Im1", " ann"},
                     {"Im2", "Bob"},
                     {"Im3", hostile},
                     {"Im4", " "},
                     {"Im5", "ANN"},
                     {"Im6", "al"},
                     {"PoolAmount", "$100.00"},
                     {"Password", "pw"}});
        m_data->addPool(pool);
        m_data->addPool(samplePool("01/02/2025", "C", "D"));
        open();
        const QByteArray before = contents(m_data->poolFile());
        w().cmdPlayers->click();
        QCOMPARE(contents(m_data->poolFile()), before); // nothing written by looking
        QCOMPARE(column(0), (QStringList{"(blanks)", "al", "Ann", "Bob", hostile}));
        QCOMPARE(column(2), (QStringList{"4", "6", "0, 1, 5", "2", "3"}));
        QCOMPARE(column(3), (QStringList{"$1.00", "$1.00", "$3.00", "$1.00", "$1.00"}));
        tick(0);
        tick(2);
        tick(4);
        QCOMPARE(dialog()->totals()->text(),
                 u"Squares sold: 7   Unsold: 93   Collected: $5.00   Outstanding: $2.00"_s);
        // A part payment: typed as paid so far, it takes the tick off; what
        // covers the debt is a tick. An old file's tick reads as in full.
        part(4, "0.40");
        part(1, "1");
        part(3, "lots");
        QVERIFY(m_window->messages().value(0).startsWith(u"\"lots\" is not an amount."_s));
        QCOMPARE(dialog()->totals()->text(),
                 u"Squares sold: 7   Unsold: 93   Collected: $5.40   Outstanding: $1.60"_s);
        OtherProgram(m_data->poolFile()).exec("ALTER TABLE Payments DROP COLUMN Amount");
        open(); // a restart, the part payment lost with its column
        w().cmdPlayers->click();
        QCOMPARE(column(4), (QStringList{"paid", "paid", "paid", "", ""}));
        QCOMPARE(column(6), (QStringList{"$0.00", "$0.00", "$0.00", "$1.00", "$1.00"}));
        part(4, "0.40");
        open();
        w().cmdPlayers->click();
        QCOMPARE(column(5), (QStringList{"$1.00", "$1.00", "$3.00", "$0.00", "$0.40"}));
        QCOMPARE(m_window->messages(), QStringList());
        // No printer: the ledger goes to a PDF file instead.
        const QString pdf = m_data->dir() + "/players.pdf";
        m_window->print.noPrinter = true;
        m_window->dialogs.setNextInput(pdf);
        dialog()->printLedger();
        QVERIFY(contents(pdf).startsWith("%PDF-"));
    }

    // The square the scores point at is tinted strongly, the square that won
    // each period lightly (not the winner's other squares), and the tint
    // follows the scores and moves.
    void winningSquaresAreTinted()
    {
        PoolValues pool = samplePool("01/01/2025", "A", "B");
        for (int i = 0; i < 20; ++i)
            pool.insert(u"Num%1"_s.arg(i), QString::number(i % 10));
        pool.insert({{"Im17", "Ann"}, {"Im3", "Ann"}, {"Quarter1", "Ann"}, {"PoolAmount", {}}});
        m_data->addPool(pool);
        m_data->addPool(samplePool("01/02/2025", "C", "D"));
        open();
        w().cmdPlayers->click();
        QCOMPARE(column(3), QStringList{"$0.00"}); // no amount: nothing owed
        w().cmdEdit->click();
        w().Score[0]->setText("21");                      // row 1
        w().Score[1]->setText("7");                       // column 7
        QTRY_COMPARE(tints(), (QMap<int, int>{{17, 2}})); // Ann's square 3 won nothing now
        w().Quarter[1]->click();
        w().Score[1]->setText("3"); // the second quarter's winner is square 13's
        QTRY_COMPARE(tints(), (QMap<int, int>{{17, 1}, {13, 2}}));
        w().cmdCancel->click();
        QTRY_COMPARE(tints(), (QMap<int, int>{{3, 1}})); // an older pool: the winner's first square
        w().cmdNext->click();
        QTRY_COMPARE(tints(), (QMap<int, int>{}));
    }

    // Texts from a pool file are plain text in the window's labels, the ledger
    // and every kind of box (markup would load any file an <img> names); a
    // right-to-left override in a name turns that name alone, not its line.
    void markupIsShownAsTyped()
    {
        const QString markup = u"\u202e<img src=\"%1/none.png\"><b>x</b>"_s.arg(m_data->dir());
        PoolValues pool;
        for (const QString &column : Schema::allColumns())
            if (column != Schema::kId && !Schema::isBooleanColumn(column))
                pool.insert(column, markup);
        m_data->addPool(pool);
        open();
        w().cmdPlayers->click();
        int shown = 0;
        const auto expectPlain = [&](QWidget *parent) {
            for (const QLabel *label : parent->findChildren<QLabel *>()) {
                shown += label->text().contains(markup) && label->textFormat() == Qt::PlainText;
                QTextLayout layout(label->text(), label->font()); // "VS" left of the second team
                layout.beginLayout();
                const QTextLine line = layout.createLine();
                layout.endLayout();
                const int vs = int(label->text().indexOf(" VS ")) + 1;
                QVERIFY(vs == 0 || line.cursorToX(vs) < line.cursorToX(vs + 3));
            }
        };
        expectPlain(&w()); // the ledger's dialog too
        Dialogs live;
        const std::function<void()> answer = [&] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                expectPlain(box);
                box->close();
            } else {
                QTimer::singleShot(10, answer);
            }
        };
        for (int kind = 0; kind < 4; ++kind) {
            QTimer::singleShot(0, answer);
            kind == 0   ? live.message(markup)
            : kind == 1 ? void(live.question(markup, "", Dialogs::Icon::None, Dialogs::Answer::No))
            : kind == 2 ? void(live.confirm(markup))
                        : void(live.input(markup, "", ""));
        }
        QCOMPARE(shown, 3 + 4); // the game line, the ledger's heading and its winners; the boxes
    }

    // The prizes of a pool add up to it to the cent, the odd cents to the
    // final, and only the periods the payout option pays have a prize.
    void prizesAddUpToThePool()
    {
        const std::pair<const char *, QString> periods[] = {
            {"Quarter", "$62.52 $62.52 $62.52 $62.54"},
            {"Half", "$0.00 $125.05 $0.00 $125.05"},
            {"Game", "$0.00 $0.00 $0.00 $250.10"}};
        for (const auto &[period, expected] : periods) {
            PoolValues pool = samplePool("01/01/2025", "A", "B");
            pool.insert({{"PoolAmount", "$250.10"}, {"Quarter", 0}, {period, 1}});
            m_window.reset(), m_data = std::make_unique<TestData>();
            m_data->addPool(pool);
            open();
            w().cmdPlayers->click();
            QStringList prizes;
            for (const QString &line : dialog()->winners()->text().split(u'\n'))
                prizes << line.section(u' ', -1);
            QCOMPARE(prizes.join(u' '), expected);
        }
    }

    // The ledger's PDF is text: names and amounts as typed, markup shown
    // literally, on Letter paper in en_US, a long ledger over pages that
    // each repeat the heading, its totals and prizes at the end.
    void theLedgerPdfIsText()
    {
        PoolValues pool = samplePool("01/01/2025", "A", "B");
        for (int k = 0; k < 60; ++k)
            pool.insert(Schema::imColumn(k), u"Player %1"_s.arg(k, 2, 10, QChar(u'0')));
        pool.insert({{"Im60", "<b>x</b> & co"}, {"PoolAmount", "$250.10"}});
        m_data->addPool(pool);
        open();
        w().cmdPlayers->click();
        const QString pdf = m_data->dir() + "/ledger.pdf";
        m_window->dialogs.setNextInput(pdf);
        dialog()->savePdf();
        const QString text = runTool(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        const QString info = runTool(u"pdfinfo"_s, {pdf});
        for (const QString &shown : {u"<b>x</b> & co"_s, u"Player 00"_s, u"Player 59"_s,
                                     u"Prizes paid: $0.00 of the pool's $250.10"_s})
            QVERIFY2(text.contains(shown), qPrintable(shown + u" in: "_s + text.left(300)));
        QVERIFY2(info.contains(u"(letter)"_s), qPrintable(info));
        const int pages = info.section(u"Pages:"_s, 1).trimmed().section(u'\n', 0, 0).toInt();
        QCOMPARE(pages, 2);
        QCOMPARE(text.count(u"Still owes"_s), 2); // the heading on each page
    }

    // The season export writes both files, or says why not and leaves none.
    void theSeasonGoesToCsvFiles()
    {
        m_data->addPool(samplePool("01/01/2025", "A", "B"));
        open();
        m_window->dialogs.setNextInput(m_data->dir() + "/gone/season.csv");
        w().exportSeason();
        QVERIFY2(m_window->messages().join(u" "_s).contains(u"could not be written"_s),
                 qPrintable(m_window->messages().join(u" | "_s)));
        QVERIFY(!QFile::exists(m_data->dir() + "/gone"));
        m_window->dialogs.setNextInput(m_data->dir() + "/season");
        w().exportSeason();
        QVERIFY(contents(m_data->dir() + "/season.csv").startsWith("Pool,Date,Team 1"));
        QVERIFY(contents(m_data->dir() + "/season players.csv").startsWith("Pool,Date,Player"));
    }

    // Quick Pick offers the players of the latest pools, each once, in the
    // latest spelling; blanks are no name to offer.
    void regularsAreOffered()
    {
        PoolValues first = samplePool("01/01/2025", "A", "B"), second = first;
        first.insert({{"Im0", "Ann"}, {"Im1", " bob "}});
        second.insert({{"Im5", "BOB"}, {"Im6", "  "}});
        m_data->addPool(first);
        m_data->addPool(second);
        open();
        w().cmdAdd->click();
        m_window->dialogs.setNextInput(QString()); // Cancel
        w().cmdQuick->click();
        QCOMPARE(m_window->dialogs.shown().last().suggestions, (QStringList{"Ann", "BOB"}));
    }

    // A save that would drop a payment asks: Cancel keeps the board unsaved;
    // a corrected spelling takes the payment; a player gone loses it only
    // on a Yes.
    void aCorrectedSpellingKeepsThePayment()
    {
        PoolValues pool = samplePool("01/01/2025", "A", "B");
        pool.insert({{"Im0", "Ann"}, {"Im1", "Bob"}, {"Im2", "Cy"}, {"PoolAmount", "$100.00"}});
        m_data->addPool(pool);
        open();
        w().cmdPlayers->click();
        tick(0), tick(1);
        w().cmdEdit->click();
        w().Imput[0]->setPlainText("Anne");
        w().Imput[1]->setPlainText("");
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Cancel);
        w().cmdUpdate->click();
        QCOMPARE(w().document().mode(), PoolDocument::Mode::Editing);
        QCOMPARE(m_data->stored(1, "Im0"), QVariant("Ann"));
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Yes);
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Yes);
        w().cmdUpdate->click();
        QCOMPARE(m_data->stored(1, "Payments"), QVariant("anne=1;"));
        const QStringList asked = m_window->dialogs.shownTexts(Dialogs::Shown::Kind::Question);
        QCOMPARE(asked.last(), u"\u2068Bob\u2069 has paid, and the board no longer holds that "
                               "name: the payment will be deleted. Save anyway?"_s);
    }

    // A plan's prizes through the window and the file: a prize rolled over
    // from an unsold square, a reverse winner, a period not played yet; the
    // ledger's lines, each player's winnings and the total paid, which is
    // the pool once every period is played.
    void winningsAreShownAndAddUp()
    {
        PoolValues pool = samplePool("01/01/2025", "A", "B");
        for (int i = 0; i < 20; ++i)
            pool.insert(u"Num%1"_s.arg(i), QString::number(i % 10)); // square 10 r + c
        pool.insert({{"Im17", "Ann"}, {"Im71", "Bob"}, {"Im33", "Cy"}, {"PoolAmount", "$250.10"}});
        m_data->addPool(pool);
        open();
        const Payout::Plan plan{{1000, 2000, 3000, 4000}, Payout::Unsold::RollOver, 2000};
        Pool::Scores scores;
        scores[0] = {u"0"_s, u"0"_s}, scores[1] = {u"1"_s, u"7"_s}, scores[3] = {u"3"_s, u"3"_s};
        QVERIFY(w().storeResults(plan, scores));
        QCOMPARE(w().Who[1]->text(), u"Ann"_s);
        const auto name = [](const char *n) {
            return RecordMapping::isolated(QString::fromUtf8(n));
        };
        const QString paid =
            u"Half time: %1 (square 71) wins $10.00 as the reverse winner\n"
            "Half time: %2 (square 17) wins $40.02\n"
            "Half time: %2 (square 17) wins $25.01 rolled over from earlier periods\n"
            "Final: %3 (square 33) wins $100.04\n"_s.arg(name("Bob"), name("Ann"), name("Cy"));
        w().cmdPlayers->click();
        QCOMPARE(dialog()->paidOut()->text(),
                 paid + u"Prizes paid: $175.07 of the pool's $250.10"_s);
        QCOMPARE(column(7), (QStringList{"$65.03", "$10.00", "$100.04"}));
        scores[2] = {u"3"_s, u"7"_s}; // nobody's: rolls on to the final
        QVERIFY(w().storeResults(plan, scores));
        w().cmdPlayers->click();
        QVERIFY(
            dialog()->paidOut()->text().endsWith(u"Prizes paid: $250.10 of the pool's $250.10"_s));
        QCOMPARE(column(7), (QStringList{"$65.03", "$10.00", "$175.07"}));
    }

private:
    frmScore &w() { return m_window->w(); }
    PlayersDialog *dialog() { return w().playersDialog(); }
    void open()
    {
        m_window.reset();
        m_window = std::make_unique<TestWindow>(*m_data);
    }
    QStringList column(int column)
    {
        QStringList texts;
        QTableWidget *table = dialog()->table();
        for (int row = 0; row < table->rowCount(); ++row)
            texts << (column == 4 ? (table->item(row, 4)->checkState() == Qt::Checked ? "paid" : "")
                                  : table->item(row, column)->text());
        return texts;
    }
    void tick(int row) { dialog()->table()->item(row, 4)->setCheckState(Qt::Checked); }
    void part(int row, const QString &typed) { dialog()->table()->item(row, 5)->setText(typed); }
    QMap<int, int> tints()
    {
        QMap<int, int> tinted;
        for (int k = 0; k < 100; ++k)
            if (const int level = w().Imput[k]->property("tint").toInt())
                tinted.insert(k, level);
        return tinted;
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestPlayers)
#include "test_players.moc"
