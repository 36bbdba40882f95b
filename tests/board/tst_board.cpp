// The board: its rules, counts, Quick Pick, the number draw and the winner.
#include "board/boardrules.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

#include <cmath>

namespace {

// Pearson's statistic against degrees of freedom + 4 standard deviations;
// `lost` cells are tied by the totals.
bool looksUniform(const QList<int> &counts, double expected, int lost)
{
    double chi = 0;
    for (int observed : counts)
        chi += (observed - expected) * (observed - expected) / expected;
    const double freedom = counts.size() - lost;
    qDebug("chi-square %g with %g degrees of freedom", chi, freedom);
    return chi < freedom + 4 * std::sqrt(2 * freedom);
}

bool isPermutation(QStringList digits)
{
    digits.sort();
    return digits.join(QString()) == QLatin1String("0123456789");
}

} // namespace

class BoardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> tw;
    frmScore *w = nullptr;

    // Columns Number(0..9), then rows Number(10..19); square k is "P<k>".
    void layOutBoard()
    {
        const QStringList digits =
            u"1 0 6 3 9 8 2 5 7 4 5 2 9 4 0 1 8 3 6 7"_s.split(QLatin1Char(' '));
        for (int i = 0; i < 20; ++i)
            w->Number[i]->setText(digits[i]);
        for (int k = 0; k < 100; ++k)
            w->Imput[k]->setText(u"P%1"_s.arg(k));
    }

    // Each "Name=text" writes text into the box of that object name.
    void apply(const QStringList &edits)
    {
        for (const QString &edit : edits) {
            const QString name = edit.section(QLatin1Char('='), 0, 0);
            if (auto *square = w->findChild<SquareBox *>(name))
                square->setText(edit.section(QLatin1Char('='), 1));
            else
                w->findChild<QLineEdit *>(name)->setText(edit.section(QLatin1Char('='), 1));
        }
    }

    QStringList headers(int first, int count = 10) const
    {
        QStringList texts;
        for (int i = first; i < first + count; ++i)
            texts << w->Number[i]->text();
        return texts;
    }

    int holding(const QString &name) const
    {
        return int(std::count_if(w->Imput.begin(), w->Imput.end(),
                                 [&](const SquareBox *square) { return square->text() == name; }));
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        tw.reset();
        data = std::make_unique<TestData>();
        tw = std::make_unique<TestWindow>(*data);
        w = &tw->w();
        tw->dialogs.clearShown();
    }

    void unseededSourcesDiffer() { QVERIFY(RandomSource().next() != RandomSource().next()); }

    // A score or the pool amount, given the focus by the program or by a
    // click, is selected whole, so that what is typed replaces it.
    void selectsTheWholeText()
    {
        for (QLineEdit *edit : {w->Score[0], w->Score[1], w->txtPoolAmount}) {
            edit->setText(u"21"_s);
            edit->setCursorPosition(1);
            if (edit == w->Score[1])
                QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
            else
                edit->setFocus(Qt::OtherFocusReason);
            QTRY_COMPARE(edit->selectedText(), u"21"_s);
            QTest::keyClicks(edit, u"28"_s);
            QCOMPARE(edit->text(), u"28"_s);
        }
    }

    void quickPick_data()
    {
        QTest::addColumn<int>("taken");       // squares 0.. already sold to "T"
        QTest::addColumn<QString>("name");    // first answer
        QTest::addColumn<QString>("count");   // second answer, asked after a name
        QTest::addColumn<int>("placed");      // -1: refused, nothing changes
        QTest::addColumn<QString>("message"); // owed at $2.50 a square, or the refusal
        // clang-format off
        QTest::newRow("zero")                << 0   << "Bob" << "0"    << 0  << "$0.00";
        QTest::newRow("all that are free")   << 93  << "Bob" << "7"    << 7  << "$17.50";
        QTest::newRow("whole, written 2.0")  << 0   << "Bob" << "2.0"  << 2  << "$5.00";
        // Only whole squares are placed, so only whole squares are owed.
        QTest::newRow("German 1,5")          << 0   << "Bob" << "1,5"  << -1
            << "Enter a whole number of squares.";
        QTest::newRow("fraction at the end") << 93  << "Bob" << "7.5"  << -1
            << "Enter a whole number of squares.";
        QTest::newRow("blank name")          << 10  << " "   << "3"    << 3  << "$7.50";
        QTest::newRow("too many")            << 93  << "Bob" << "8"    << -1
            << "Only 7 squares are free. Ask for 7 or fewer.";
        QTest::newRow("board full")          << 100 << "Bob" << "1"    << -1
            << "No squares are free. The board is full.";
        QTest::newRow("not a number")        << 0   << "Bob" << "lots" << -1
            << "\"lots\" is not a number. Type the number of squares, such as 3.";
        QTest::newRow("negative")            << 0   << "Bob" << "-2"   << -1
            << "The number of squares cannot be less than 0.";
        QTest::newRow("no name")             << 0   << ""    << "3"    << -1 << "";
        QTest::newRow("no count")            << 0   << "Bob" << ""     << -1 << "";
        // clang-format on
    }

    void quickPick()
    {
        QFETCH(int, taken);
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(int, placed);
        QFETCH(QString, message);
        if (QByteArray(QTest::currentDataTag()).startsWith("German"))
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (int k = 0; k < taken; ++k)
            w->Imput[k]->setText(u"T"_s);
        w->lblAmountPer->setText(u"$2.50"_s);
        w->lblOpen->setText(u"000"_s);
        tw->dialogs.setNextInput(name);
        tw->dialogs.setNextInput(count);
        w->cmdQuick->click();
        QStringList expected{u"What is Your Name?\n\n First,Last or Nickname"_s};
        if (!name.isEmpty())
            expected << u"How Many Squares?"_s;
        if (placed >= 0)
            expected << name + u"   Owes   "_s + message + u"   Please Collect the Money Now"_s;
        else if (!message.isEmpty())
            expected << message;
        QCOMPARE(tw->messages(), expected);
        const QList<Dialogs::Shown> &shown = tw->dialogs.shown();
        QCOMPARE(shown[0].title, u"QUICK PICK"_s);
        QCOMPARE(shown.value(1).defaultText, name.isEmpty() ? QString() : u"0"_s);
        QCOMPARE(holding(u"T"_s), taken);
        QCOMPARE(holding(name), placed >= 0 ? placed : name.isEmpty() ? 100 - taken : 0);
        QCOMPARE(w->lblOpen->text(), placed < 0 ? u"000"_s : QString::number(taken + placed));
    }

    // One block of sold squares: a pick that slid to the next free square
    // would pile up on square 30.
    void quickPickEveryFreeSquareEquallyLikely()
    {
        const int taken = 30, runs = 100 * (100 - taken);
        RandomSource random(7);
        QList<int> hits(100 - taken, 0);
        for (int run = 0; run < runs; ++run) {
            const int k =
                BoardRules::drawFreeSquare(random, [](int k) { return k < taken; }).value();
            QVERIFY(k >= taken);
            ++hits[k - taken];
        }
        QVERIFY(looksUniform(hits, 100, 1));
    }

    void draw_data()
    {
        QTest::addColumn<QString>("sold");           // caption of lblOpen: under 100 asks first
        QTest::addColumn<Dialogs::Answer>("answer"); // Ok: the default button
        QTest::addColumn<QStringList>("typed");      // header digits typed by hand first
        QTest::addColumn<bool>("drawn");
        using enum Dialogs::Answer;
        const QStringList none, again{"NumbersSet"}; // again: pressed before
        // clang-format off
        QTest::newRow("full board")         << "100"  << Ok     << none << true;
        QTest::newRow("typed by hand")      << "100"  << Ok
            << QStringList{"Number(3)=5",  "Number(7)= 5",  "Number(9)=9",
                           "Number(15)=2", "Number(19)=02", "Number(11)=0"} << true;
        QTest::newRow("digits loaded: the first box decides")
            << "100" << Ok << QStringList{"Number(0)=1", "Number(12)=3"} << false;
        QTest::newRow("second press")       << "0"    << Yes    << again << false;
        QTest::newRow("cleared board, yes") << "000"  << Yes    << none << true;
        QTest::newRow("one unsold, no")     << "99"   << No     << none << false;
        QTest::newRow("cancel")             << " 42 " << Cancel << none << false;
        QTest::newRow("default button")     << "0"    << Ok     << none << false;
        // clang-format on
    }
    void draw()
    {
        QFETCH(QString, sold);
        QFETCH(Dialogs::Answer, answer);
        QFETCH(QStringList, typed);
        QFETCH(bool, drawn);
        const bool pressedBefore = typed == QStringList{"NumbersSet"};
        if (pressedBefore)
            w->NumbersSet = true;
        else
            apply(typed);
        const QStringList before = headers(0, 20);
        w->lblOpen->setText(sold);
        if (answer != Dialogs::Answer::Ok)
            tw->dialogs.setNextAnswer(answer);
        w->Command3->click();
        const bool asks = !pressedBefore && sold != u"100"_s;
        QCOMPARE(tw->dialogs.shown().size(), asks ? 1 : 0);
        for (const Dialogs::Shown &shown : tw->dialogs.shown()) {
            QCOMPARE(shown.text,
                     u"You Have Unused Squares, Do You Want TO Set The Numbers Anyway? "_s);
            QCOMPARE(shown.title, u"All Squares Are Not Used!!!"_s);
            QCOMPARE(shown.icon, Dialogs::Icon::Critical);
        }
        QCOMPARE(w->NumbersSet, drawn || pressedBefore);
        if (!drawn)
            QCOMPARE(headers(0, 20), before);
        for (int first : {0, 10})
            QVERIFY2(isPermutation(headers(first)) == drawn, qPrintable(headers(first).join(' ')));
        if (asks && !drawn) {
            w->Command3->click(); // nothing was decided, so it asks again
            QCOMPARE(tw->dialogs.shown().size(), 2);
        }
    }

    void drawEveryOrderEquallyLikely()
    {
        // Per axis: each digit in each place, and each pair in neighbouring
        // places (a draw that slides to the next free digit has fair places
        // but unfair neighbours); across the axes, the pair of first digits.
        const int runs = 3000;
        QList<int> places(2 * 100, 0);
        QList<int> neighbours(2 * 9 * 100, 0);
        QList<int> firsts(100, 0);
        w->lblOpen->setText(u"100"_s);
        for (int run = 0; run < runs; ++run) {
            for (QLineEdit *header : w->Number)
                header->clear();
            w->NumbersSet = false;
            w->Command3_Click();
            int d[20];
            for (int i = 0; i < 20; ++i)
                d[i] = w->Number[i]->text().toInt();
            for (int a = 0; a < 20; a += 10) {
                for (int i = 0; i < 10; ++i)
                    ++places[a * 10 + i * 10 + d[a + i]];
                for (int i = 0; i < 9; ++i)
                    ++neighbours[(a / 10 * 9 + i) * 100 + d[a + i] * 10 + d[a + i + 1]];
            }
            ++firsts[d[0] * 10 + d[10]];
        }
        QList<int> pairs; // a digit never neighbours itself
        for (int cell = 0; cell < neighbours.size(); ++cell)
            if (cell % 100 / 10 != cell % 10)
                pairs << neighbours[cell];
        QVERIFY(looksUniform(places, runs / 10.0, 38));
        QVERIFY(looksUniform(pairs, runs / 90.0, 18));
        QVERIFY(looksUniform(firsts, runs / 100.0, 1));
    }

    void winner_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("winner"); // "Keep": no lookup
        const QStringList none;
        // clang-format off
        QTest::newRow("24 to 17")          << "24" << "17"  << none << "P38";
        QTest::newRow("last row, column")  << "7"  << "4"   << none << "P99";
        QTest::newRow("first row, column") << "35" << "21"  << none << "P0";
        QTest::newRow("unsold square")     << "24" << "17"  << QStringList{"Imput(38)="} << "";
        QTest::newRow("a score empty")     << ""   << "17"  << none << "Keep";
        QTest::newRow("ends in a letter")  << "2a" << "17"  << none << "Keep";
        QTest::newRow("ends in a blank")   << "24" << "17 " << none << "Keep";
        QTest::newRow("a header empty")    << "24" << "17"  << QStringList{"Number(19)="} << "Keep";
        QTest::newRow("digit on no row")   << "24" << "17"
            << QStringList{"Number(13)=5"} << "Keep";
        QTest::newRow("a digit twice")     << "24" << "17"
            << QStringList{"Number(10)=4"} << "Keep";
        QTest::newRow("headers with blanks, a leading zero") << "24" << "17"
            << QStringList{"Number(13)= 4 ", "Number(8)=07"} << "P38";
        // clang-format on
    }

    void winner()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, edits);
        layOutBoard();
        apply(edits);
        w->Who[0]->setText(u"Keep"_s);
        w->Score[0]->setText(first);
        w->Score[1]->setText(second);
        QTEST(w->Who[0]->text(), "winner");
        for (int q = 1; q < 4; ++q)
            QCOMPARE(w->Who[q]->text(), QString());
        QCOMPARE(tw->messages(), QStringList());
    }

    // Each key typed into a score looks the winner up again, into the
    // selected quarter only; a quarter can be selected, and is looked up
    // then, only once the quarters before it have their winners.
    void winnerFollowsTheScoresAndTheQuarter()
    {
        layOutBoard();
        w->Score[1]->setText(u"7"_s);
        QStringList winners;
        connect(w->Who[0], &QLineEdit::textChanged, this, [&](const QString &t) { winners << t; });
        w->Score[0]->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(w->Score[0], u"14"_s);
        QCOMPARE(winners, (QStringList{u"P58"_s, u"P38"_s}));
        w->Score[1]->setText(u"10"_s); // typed before the next quarter is selected
        QCOMPARE(w->Who[0]->text(), u"P31"_s);
        w->Quarter[1]->click();
        QCOMPARE(w->Who[1]->text(), u"P31"_s);
        w->Score[0]->setText(u"17"_s);
        QCOMPARE(w->Who[1]->text(), u"P91"_s);
        QCOMPARE(w->Who[0]->text(), u"P31"_s);
        QCOMPARE(tw->messages(), QStringList());
        w->Who[3]->setText(u"W"_s);
        w->Quarter[3]->click(); // the third quarter has no winner
        QCOMPARE(tw->messages(), QStringList{u" You Left A Quarter Blank"_s});
        QCOMPARE(w->Who[3]->text(), u"W"_s);
        w->Quarter[0]->click();
        QCOMPARE(w->Who[0]->text(), u"P91"_s);
        QCOMPARE(tw->messages().size(), 1);
        // A quarter whose winning square nobody bought has been played all
        // the same: the next quarter can be chosen.
        w->Imput[91]->clear();
        w->Score[0]->setText(u"27"_s);
        QCOMPARE(w->Who[0]->text(), QString());
        w->Quarter[1]->click();
        QCOMPARE(tw->messages().size(), 1);
        // Digits typed by hand must name one square: the user is told why not.
        w->Number[10]->setText(u"4"_s);
        w->Quarter[2]->click();
        QCOMPARE(tw->messages().last(),
                 u"The row digits hold 4 twice and lack 5: each digit from 0 to 9 must stand "
                 "once on each side before a winner can be found."_s);
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
