// SET Numbers: the header digits it draws, the question about unsold
// squares, the boards it leaves alone, and that every order is as likely as
// any other on each axis, the two axes apart.
#include "boardtestutil.h"
#include "support/testwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString kColumns = QStringLiteral("1 0 6 3 9 8 2 5 7 4");
const QString kRows = QStringLiteral("5 2 9 4 0 1 8 3 6 7");

bool isPermutation(const QStringList &digits)
{
    QStringList sorted = digits;
    sorted.sort();
    return sorted == QStringLiteral("0 1 2 3 4 5 6 7 8 9").split(QLatin1Char(' '));
}

} // namespace

class NumberDrawTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void drawsTwoPermutations_data();
    void drawsTwoPermutations();
    void asksAboutUnusedSquares_data();
    void asksAboutUnusedSquares();
    void drawsOnlyOnce();
    void keepsLoadedDigits();
    void everyOrderEquallyLikely();

private:
    bool headersEmpty();

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> tw;
    frmScore *w = nullptr;
};

void NumberDrawTest::init()
{
    data = std::make_unique<TestData>();
    tw = std::make_unique<TestWindow>(*data);
    w = &tw->w();
    tw->dialogs.clearShown();
}

void NumberDrawTest::cleanup()
{
    w = nullptr;
    tw.reset();
    data.reset();
}

bool NumberDrawTest::headersEmpty()
{
    return BoardTest::digitsOf(*w, 0).join(QString()).isEmpty() &&
           BoardTest::digitsOf(*w, 10).join(QString()).isEmpty();
}

void NumberDrawTest::drawsTwoPermutations_data()
{
    // clang-format off
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QStringList>("typed"); // "index=text" written into header boxes first

    QTest::newRow("full board") << false << QStringList();
    QTest::newRow("locked pool") << true << QStringList();
    // With the first box empty the board has no digits yet; ones typed into
    // the other boxes must not keep the draw from finishing.
    QTest::newRow("typed by hand")
        << false << QStringList{"3=5", "7= 5", "9=9", "15=2", "19=02", "11=0"};
    QTest::newRow("a whole axis typed")
        << false << QStringList{"10=0", "11=1", "12=2", "13=3", "14=4",
                                "15=5", "16=6", "17=7", "18=8", "19=9"};
    // clang-format on
}

void NumberDrawTest::drawsTwoPermutations()
{
    QFETCH(bool, locked);
    QFETCH(QStringList, typed);
    for (const QString &entry : typed) {
        const QStringList parts = entry.split(QLatin1Char('='));
        w->Number[parts[0].toInt()]->setText(parts[1]);
    }
    w->Locked = locked;
    w->lblOpen->setText(QStringLiteral("100"));

    w->Command3->click();

    QCOMPARE(tw->messages(), QStringList());
    QVERIFY(w->NumbersSet);
    for (int first : {0, 10}) {
        const QStringList digits = BoardTest::digitsOf(*w, first);
        QVERIFY2(isPermutation(digits), qPrintable(digits.join(QLatin1Char(','))));
    }
}

void NumberDrawTest::asksAboutUnusedSquares_data()
{
    // clang-format off
    QTest::addColumn<QString>("taken");  // caption of lblOpen
    QTest::addColumn<QString>("answer"); // "" takes the default button

    QTest::newRow("cleared board, yes") << "000" << "Yes";
    QTest::newRow("one unsold, yes") << "99" << "Yes";
    QTest::newRow("one unsold, no") << "99" << "No";
    QTest::newRow("cancel") << " 42 " << "Cancel";
    QTest::newRow("default button") << "0" << "";
    // clang-format on
}

void NumberDrawTest::asksAboutUnusedSquares()
{
    QFETCH(QString, taken);
    QFETCH(QString, answer);
    w->lblOpen->setText(taken);
    if (answer == QLatin1String("Yes"))
        tw->dialogs.setNextAnswer(Dialogs::Answer::Yes);
    else if (answer == QLatin1String("No"))
        tw->dialogs.setNextAnswer(Dialogs::Answer::No);
    else if (answer == QLatin1String("Cancel"))
        tw->dialogs.setNextAnswer(Dialogs::Answer::Cancel);

    w->Command3_Click();

    const QList<Dialogs::Shown> &shown = tw->dialogs.shown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, Dialogs::Shown::Kind::Question);
    QCOMPARE(shown[0].text,
             QStringLiteral("You Have Unused Squares, Do You Want TO Set The Numbers Anyway? "));
    QCOMPARE(shown[0].title, QStringLiteral("All Squares Are Not Used!!!"));
    QCOMPARE(shown[0].icon, Dialogs::Icon::Critical);

    if (answer == QLatin1String("Yes")) {
        QVERIFY(w->NumbersSet);
        QVERIFY(isPermutation(BoardTest::digitsOf(*w, 0)));
        return;
    }
    QVERIFY(!w->NumbersSet);
    QVERIFY(headersEmpty());
    // Nothing was decided, so the next press asks again.
    w->Command3_Click();
    QCOMPARE(tw->dialogs.shown().size(), 2);
}

void NumberDrawTest::drawsOnlyOnce()
{
    w->lblOpen->setText(QStringLiteral("100"));
    w->Command3_Click();
    QVERIFY(w->NumbersSet);
    for (QLineEdit *header : w->Number)
        header->clear();
    w->lblOpen->setText(QStringLiteral("000"));

    w->Command3_Click();

    QVERIFY(headersEmpty());
    QCOMPARE(tw->messages(), QStringList());
}

void NumberDrawTest::keepsLoadedDigits()
{
    BoardTest::setHeaders(*w, kColumns, kRows);
    w->Number[5]->clear(); // only the first box decides
    w->lblOpen->setText(QStringLiteral("100"));

    w->Command3_Click();

    QCOMPARE(BoardTest::digitsOf(*w, 0).join(QLatin1Char(' ')),
             QStringLiteral("1 0 6 3 9  2 5 7 4"));
    QCOMPARE(BoardTest::digitsOf(*w, 10).join(QLatin1Char(' ')), kRows);
    QVERIFY(!w->NumbersSet);
}

void NumberDrawTest::everyOrderEquallyLikely()
{
    // Counted per axis: each digit in each place, and each pair of digits in
    // neighbouring places (a draw that slides to the next free digit has fair
    // places but unfair neighbours); and across the axes, the pair of first
    // digits, which only independent axes spread evenly.
    const int runs = 3000;
    QList<int> places(2 * 100, 0);
    QList<int> neighbours(2 * 9 * 100, 0);
    QList<int> firsts(100, 0);
    w->lblOpen->setText(QStringLiteral("100"));
    for (int run = 0; run < runs; ++run) {
        for (QLineEdit *header : w->Number)
            header->clear();
        w->NumbersSet = false;
        w->Command3_Click();
        int digit[20];
        for (int i = 0; i < 20; ++i)
            digit[i] = w->Number[i]->text().toInt();
        for (int axis = 0; axis < 2; ++axis) {
            for (int i = 0; i < 10; ++i)
                ++places[axis * 100 + i * 10 + digit[axis * 10 + i]];
            for (int i = 0; i < 9; ++i)
                ++neighbours[(axis * 9 + i) * 100 + digit[axis * 10 + i] * 10 +
                             digit[axis * 10 + i + 1]];
        }
        ++firsts[digit[0] * 10 + digit[10]];
    }

    QList<int> pairs; // a digit never neighbours itself
    for (int cell = 0; cell < neighbours.size(); ++cell)
        if (cell % 100 / 10 != cell % 10)
            pairs << neighbours[cell];
    double chi = 0;
    QVERIFY2(BoardTest::looksUniform(places, runs / 10.0, 38, &chi),
             qPrintable(QStringLiteral("places: chi-square %1").arg(chi)));
    QVERIFY2(BoardTest::looksUniform(pairs, runs / 90.0, 18, &chi),
             qPrintable(QStringLiteral("neighbours: chi-square %1").arg(chi)));
    QVERIFY2(BoardTest::looksUniform(firsts, runs / 100.0, 1, &chi),
             qPrintable(QStringLiteral("axes: chi-square %1").arg(chi)));
}

QTEST_MAIN(NumberDrawTest)
#include "tst_numberdraw.moc"
