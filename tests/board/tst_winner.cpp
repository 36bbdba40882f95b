// The quarter winner: which square the scores name, which winner box gets
// it, and when the lookup stays away.
#include "boardtestutil.h"
#include "support/testwindow.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTest>

#include <memory>

namespace {

const QString kColumns = QStringLiteral("1 0 6 3 9 8 2 5 7 4");
const QString kRows = QStringLiteral("5 2 9 4 0 1 8 3 6 7");
const QString kBlank = QStringLiteral(" You Left A Quarter Blank");

} // namespace

class WinnerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scoresNameTheSquare_data();
    void scoresNameTheSquare();
    void followsTyping();
    void leavesWinnerAlone_data();
    void leavesWinnerAlone();
    void unsoldSquareEmptiesWinner();
    void noQuarterSelected();
    void selectedQuarterFollowsScores();
    void earlierQuartersMustBeFilled_data();
    void earlierQuartersMustBeFilled();
    void guards_data();
    void guards();

private:
    // Selects a quarter without running its lookup.
    void selectQuietly(int quarter);
    // Writes a score without running the lookup.
    void scoreQuietly(int box, const QString &score);

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> tw;
    frmScore *w = nullptr;
};

void WinnerTest::init()
{
    data = std::make_unique<TestData>();
    tw = std::make_unique<TestWindow>(*data);
    w = &tw->w();
    BoardTest::setHeaders(*w, kColumns, kRows);
    BoardTest::nameEverySquare(*w);
    tw->dialogs.clearShown();
}

void WinnerTest::cleanup()
{
    w = nullptr;
    tw.reset();
    data.reset();
}

void WinnerTest::selectQuietly(int quarter)
{
    const QSignalBlocker blocker(w->Quarter[quarter]);
    w->Quarter[quarter]->setChecked(true);
}

void WinnerTest::scoreQuietly(int box, const QString &score)
{
    const QSignalBlocker blocker(w->Score[box]);
    w->Score[box]->setText(score);
}

void WinnerTest::scoresNameTheSquare_data()
{
    // clang-format off
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("header"); // -1: headers as drawn
    QTest::addColumn<QString>("headerText");
    QTest::addColumn<QString>("winner");

    QTest::newRow("24 to 17")                << "24" << "17" << -1 << ""     << "P38";
    QTest::newRow("17 to 10, last row")      << "17" << "10" << -1 << ""     << "P91";
    QTest::newRow("last row, last column")   << "7"  << "4"  << -1 << ""     << "P99";
    QTest::newRow("first row, first column") << "35" << "21" << -1 << ""     << "P0";
    QTest::newRow("row header with blanks")  << "24" << "17" << 13 << " 04 " << "P38";
    QTest::newRow("first of two rows")       << "24" << "17" << 10 << "4"    << "P8";
    // clang-format on
}

void WinnerTest::scoresNameTheSquare()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, header);
    QFETCH(QString, headerText);
    QFETCH(QString, winner);
    if (header >= 0)
        w->Number[header]->setText(headerText);
    w->Score[0]->setText(first);
    w->Score[1]->setText(second);
    QCOMPARE(w->Who[0]->text(), winner);
    for (int q = 1; q < 4; ++q)
        QCOMPARE(w->Who[q]->text(), QString());
    QCOMPARE(tw->messages(), QStringList());
}

void WinnerTest::followsTyping()
{
    w->Score[1]->setText(QStringLiteral("7"));
    QStringList winners;
    connect(w->Who[0], &QLineEdit::textChanged, this,
            [&winners](const QString &text) { winners << text; });
    w->Score[0]->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(w->Score[0], QStringLiteral("1"));
    QTest::keyClicks(w->Score[0], QStringLiteral("4"));
    QCOMPARE(w->Score[0]->text(), QStringLiteral("14"));
    // Row of 1 is 5, row of 4 is 3; column of 7 is 8.
    QCOMPARE(winners, (QStringList{QStringLiteral("P58"), QStringLiteral("P38")}));
}

void WinnerTest::leavesWinnerAlone_data()
{
    // clang-format off
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("header"); // -1: headers as drawn
    QTest::addColumn<QString>("headerText");

    QTest::newRow("first score empty") << "" << "17" << -1 << "";
    QTest::newRow("ends in a letter") << "2a" << "17" << -1 << "";
    QTest::newRow("ends in a blank") << "24" << "17 " << -1 << "";
    QTest::newRow("only a sign") << "24" << "-" << -1 << "";
    QTest::newRow("a header empty") << "24" << "17" << 19 << "";
    QTest::newRow("digit on no row") << "24" << "17" << 13 << "5";
    QTest::newRow("digit on no column") << "24" << "17" << 8 << "x";
    // clang-format on
}

void WinnerTest::leavesWinnerAlone()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, header);
    QFETCH(QString, headerText);
    if (header >= 0)
        w->Number[header]->setText(headerText);
    w->Who[0]->setText(QStringLiteral("Keep"));
    w->Score[0]->setText(first);
    w->Score[1]->setText(second);
    QCOMPARE(w->Who[0]->text(), QStringLiteral("Keep"));
    QCOMPARE(tw->messages(), QStringList());
}

void WinnerTest::unsoldSquareEmptiesWinner()
{
    w->Imput[38]->setText(QString());
    w->Who[0]->setText(QStringLiteral("Keep"));
    w->Score[0]->setText(QStringLiteral("24"));
    w->Score[1]->setText(QStringLiteral("17"));
    QCOMPARE(w->Who[0]->text(), QString());
}

void WinnerTest::noQuarterSelected()
{
    w->Quarter[0]->setAutoExclusive(false);
    w->Quarter[0]->setChecked(false);
    w->Quarter[0]->setAutoExclusive(true);
    w->Score[0]->setText(QStringLiteral("24"));
    w->Score[1]->setText(QStringLiteral("17"));
    for (QLineEdit *who : w->Who)
        QCOMPARE(who->text(), QString());
}

void WinnerTest::selectedQuarterFollowsScores()
{
    w->Score[0]->setText(QStringLiteral("24"));
    w->Score[1]->setText(QStringLiteral("17"));
    QCOMPARE(w->Who[0]->text(), QStringLiteral("P38"));
    // The next quarter's scores, typed before its option is selected,
    // rewrite the quarter still selected.
    w->Score[1]->setText(QStringLiteral("10"));
    QCOMPARE(w->Who[0]->text(), QStringLiteral("P31"));

    w->Quarter[1]->setChecked(true); // looks up at once
    QCOMPARE(w->Who[1]->text(), QStringLiteral("P31"));
    w->Score[0]->setText(QStringLiteral("17"));
    QCOMPARE(w->Who[1]->text(), QStringLiteral("P91"));
    QCOMPARE(w->Who[0]->text(), QStringLiteral("P31"));
    QCOMPARE(tw->messages(), QStringList());
}

void WinnerTest::earlierQuartersMustBeFilled_data()
{
    // clang-format off
    QTest::addColumn<int>("quarter");
    QTest::addColumn<QString>("filled"); // 'x' for each winner box with a name
    QTest::addColumn<bool>("refused");

    QTest::newRow("first, nothing filled") << 0 << "...." << false;
    QTest::newRow("second, first empty") << 1 << ".x.." << true;
    QTest::newRow("second, first filled") << 1 << "x..." << false;
    QTest::newRow("third, second empty") << 2 << "x..." << true;
    QTest::newRow("fourth, third empty") << 3 << "xx.." << true;
    QTest::newRow("fourth, all filled") << 3 << "xxx." << false;
    // clang-format on
}

void WinnerTest::earlierQuartersMustBeFilled()
{
    QFETCH(int, quarter);
    QFETCH(QString, filled);
    QFETCH(bool, refused);
    scoreQuietly(0, QStringLiteral("24"));
    scoreQuietly(1, QStringLiteral("17"));
    for (int q = 0; q < 4; ++q)
        w->Who[q]->setText(filled[q] == QLatin1Char('x') ? QStringLiteral("W%1").arg(q)
                                                         : QString());
    selectQuietly(quarter == 0 ? 1 : 0);

    w->Quarter[quarter]->setChecked(true);

    QVERIFY(w->Quarter[quarter]->isChecked());
    QCOMPARE(tw->messages(), refused ? QStringList{kBlank} : QStringList());
    const QString before =
        filled[quarter] == QLatin1Char('x') ? QStringLiteral("W%1").arg(quarter) : QString();
    QCOMPARE(w->Who[quarter]->text(), refused ? before : QStringLiteral("P38"));
}

void WinnerTest::guards_data()
{
    // clang-format off
    QTest::addColumn<bool>("byQuarter"); // else by a score
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("startUp");
    QTest::addColumn<bool>("moveit");
    QTest::addColumn<bool>("lookup");
    QTest::addColumn<bool>("lockMessage");

    QTest::newRow("score, locked") << false << true << false << false << false << true;
    QTest::newRow("score, locked pool loading") << false << true << true << false << false << false;
    QTest::newRow("score, loading") << false << false << true << false << false << false;
    QTest::newRow("score, moving") << false << false << false << true << false << false;
    QTest::newRow("quarter, locked") << true << true << false << false << false << true;
    QTest::newRow("quarter, moving") << true << false << false << true << false << false;
    QTest::newRow("quarter, loading") << true << false << true << false << true << false;
    // clang-format on
}

void WinnerTest::guards()
{
    QFETCH(bool, byQuarter);
    QFETCH(bool, locked);
    QFETCH(bool, startUp);
    QFETCH(bool, moveit);
    QFETCH(bool, lookup);
    QFETCH(bool, lockMessage);
    w->Who[0]->setText(QStringLiteral("Q1"));
    w->Who[1]->setText(QStringLiteral("Keep"));
    scoreQuietly(1, QStringLiteral("17"));
    if (byQuarter)
        scoreQuietly(0, QStringLiteral("24"));
    else
        selectQuietly(1);
    w->Locked = locked;
    w->StartUp = startUp;
    w->Moveit = moveit;

    if (byQuarter)
        w->Quarter[1]->setChecked(true);
    else
        w->Score[0]->setText(QStringLiteral("24"));

    QVERIFY(w->Quarter[1]->isChecked());
    QCOMPARE(tw->messages(), lockMessage ? QStringList{frmScore::kLockMessage} : QStringList());
    QCOMPARE(w->Who[1]->text(), lookup ? QStringLiteral("P38") : QStringLiteral("Keep"));
    QCOMPARE(w->Who[0]->text(), QStringLiteral("Q1"));
}

QTEST_MAIN(WinnerTest)
#include "tst_winner.moc"
