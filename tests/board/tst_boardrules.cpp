// The board's rules without a window: header digits, counter captions, pick
// counts and the guards that keep the draws finite.
#include "board/boardrules.h"
#include "board/randomsource.h"

#include <QTest>

namespace {

// Counts the numbers handed out, to show that a hopeless draw never starts.
class CountingSource : public RandomSource
{
public:
    CountingSource() : RandomSource(7) {}
    double next() override
    {
        ++draws;
        return RandomSource::next();
    }
    int draws = 0;
};

} // namespace

class BoardRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void headerDigit_data();
    void headerDigit();
    void leadingNumber_data();
    void leadingNumber();
    void pickCount_data();
    void pickCount();
    void drawsGiveUpWhenNothingIsFree();
    void drawFindsTheOnlyFreeSquare();
    void unseededSourcesDiffer();
};

void BoardRulesTest::headerDigit_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digit"); // -1: holds none

    QTest::newRow("plain") << "7" << 7;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("leading zero") << "07" << 7;
    QTest::newRow("whole decimal") << "3.0" << 3;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blanks only") << "   " << -1;
    QTest::newRow("letter") << "x" << -1;
    QTest::newRow("digit and letter") << "7x" << -1;
    QTest::newRow("two digits") << "10" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("fraction") << "7.5" << -1;
    // clang-format on
}

void BoardRulesTest::headerDigit()
{
    QFETCH(QString, text);
    QFETCH(int, digit);
    const std::optional<int> held = BoardRules::headerDigit(text);
    QCOMPARE(held.value_or(-1), digit);
    for (int d = 0; d < 10; ++d)
        QCOMPARE(BoardRules::holdsDigit(text, d), d == digit);
}

void BoardRulesTest::leadingNumber_data()
{
    // clang-format off
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("value");

    QTest::newRow("cleared counter") << "000" << 0.0;
    QTest::newRow("full board") << "100" << 100.0;
    QTest::newRow("blanks around") << " 99 " << 99.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("number then text") << "12abc" << 12.0;
    // clang-format on
}

void BoardRulesTest::leadingNumber()
{
    QFETCH(QString, caption);
    QFETCH(double, value);
    QCOMPARE(BoardRules::leadingNumber(caption), value);
}

void BoardRulesTest::pickCount_data()
{
    // clang-format off
    QTest::addColumn<double>("count");
    QTest::addColumn<int>("picks");

    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("half") << 0.5 << 0;
    QTest::newRow("one") << 1.0 << 1;
    QTest::newRow("two and a half") << 2.5 << 2;
    QTest::newRow("just under a hundred") << 99.99 << 99;
    QTest::newRow("a hundred") << 100.0 << 100;
    QTest::newRow("negative") << -2.0 << 0;
    // clang-format on
}

void BoardRulesTest::pickCount()
{
    QFETCH(double, count);
    QFETCH(int, picks);
    QCOMPARE(BoardRules::pickCount(count), picks);
}

void BoardRulesTest::drawsGiveUpWhenNothingIsFree()
{
    CountingSource random;
    QVERIFY(!BoardRules::drawFreeSquare(random, [](int) { return true; }));
    QVERIFY(!BoardRules::drawDigit(random, [](int) { return true; }));
    QCOMPARE(random.draws, 0);
}

void BoardRulesTest::drawFindsTheOnlyFreeSquare()
{
    CountingSource random;
    for (int free : {0, 57, 99})
        QCOMPARE(BoardRules::drawFreeSquare(random, [free](int k) { return k != free; }), free);
    QCOMPARE(BoardRules::drawDigit(random, [](int d) { return d != 9; }), 9);
}

void BoardRulesTest::unseededSourcesDiffer()
{
    RandomSource one;
    RandomSource two;
    QList<double> first;
    QList<double> second;
    for (int i = 0; i < 4; ++i) {
        first << one.next();
        second << two.next();
    }
    QVERIFY(first != second);
}

QTEST_GUILESS_MAIN(BoardRulesTest)
#include "tst_boardrules.moc"
