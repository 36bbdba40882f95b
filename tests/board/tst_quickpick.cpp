// Quick Pick: the two questions, where the names land, what the player is
// told to pay, the requests it refuses, and that every free square is as
// likely as any other.
#include "boardtestutil.h"
#include "support/testwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <numeric>

namespace {

const QString kOwes = QStringLiteral("   Owes   ");
const QString kCollect = QStringLiteral("   Please Collect the Money Now");

} // namespace

class QuickPickTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { BoardTest::useUsLocale(); }
    void init();
    void cleanup();

    void asksForNameThenCount();
    void picks_data();
    void picks();
    void refusesWhenLocked();
    void everyFreeSquareEquallyLikely();

private:
    int holding(const QString &name) const;

    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> tw;
    frmScore *w = nullptr;
};

void QuickPickTest::init()
{
    data = std::make_unique<TestData>();
    tw = std::make_unique<TestWindow>(*data);
    w = &tw->w();
    tw->dialogs.clearShown();
}

void QuickPickTest::cleanup()
{
    w = nullptr;
    tw.reset();
    data.reset();
}

int QuickPickTest::holding(const QString &name) const
{
    int count = 0;
    for (const SquareBox *square : w->Imput)
        count += square->text() == name;
    return count;
}

void QuickPickTest::asksForNameThenCount()
{
    tw->dialogs.setNextInput(QStringLiteral("Bob"));
    tw->dialogs.setNextInput(QStringLiteral("1"));
    w->lblAmountPer->setText(QStringLiteral("$2.50"));
    w->cmdQuick->click();

    const QList<Dialogs::Shown> &shown = tw->dialogs.shown();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown[0].kind, Dialogs::Shown::Kind::Input);
    QCOMPARE(shown[0].text, QStringLiteral("What is Your Name?\n\n First,Last or Nickname"));
    QCOMPARE(shown[0].title, QStringLiteral("QUICK PICK"));
    QCOMPARE(shown[0].defaultText, QString());
    QCOMPARE(shown[1].kind, Dialogs::Shown::Kind::Input);
    QCOMPARE(shown[1].text, QStringLiteral("How Many Squares?"));
    QCOMPARE(shown[1].title, QStringLiteral("QUICK PICK"));
    QCOMPARE(shown[1].defaultText, QStringLiteral("0"));
    QCOMPARE(shown[2].kind, Dialogs::Shown::Kind::Message);
    QCOMPARE(shown[2].text, "Bob" + kOwes + "$2.50" + kCollect);
    QCOMPARE(shown[2].title, QStringLiteral("Quadrix"));
    QCOMPARE(shown[2].icon, Dialogs::Icon::None);
}

void QuickPickTest::picks_data()
{
    QTest::addColumn<int>("taken");     // squares 0.. already sold to "T"
    QTest::addColumn<QString>("name");  // first answer
    QTest::addColumn<QString>("count"); // second answer; "-" asks no count
    QTest::addColumn<QString>("perSquare");
    QTest::addColumn<int>("placed");      // -1: refused, nothing changes
    QTest::addColumn<QString>("message"); // amount owed, or the refusal; "" for none

    // clang-format off
    QTest::newRow("zero")               << 0  << "Bob" << "0"   << "$2.50"     << 0 << "$0.00";
    QTest::newRow("two and a half")     << 0  << "Bob" << "2.5" << "$2.50"     << 2 << "$6.25";
    QTest::newRow("nothing per square") << 0  << "Bob" << "3"   << "$000.00"   << 3 << "$0.00";
    QTest::newRow("grouped amount")     << 0  << "Bob" << "4"   << "$1,250.00" << 4 << "$5,000.00";
    QTest::newRow("all that are free")  << 93 << "Bob" << "7"   << "$1.00"     << 7 << "$7.00";
    QTest::newRow("fraction at the end") << 93 << "Bob" << "7.5" << "$2.00"    << 7 << "$15.00";
    QTest::newRow("blank name")         << 10 << " "   << "3"   << "$1.00"     << 3 << "$3.00";
    QTest::newRow("too many")           << 93 << "Bob" << "8"   << "$1.00" << -1
        << "Only 7 squares are free. Ask for 7 or fewer.";
    QTest::newRow("too many, one free") << 99 << "Bob" << "2"   << "$1.00" << -1
        << "Only 1 square is free. Ask for 1 or fewer.";
    QTest::newRow("too many, full")     << 100 << "Bob" << "1"  << "$1.00" << -1
        << "No squares are free. The board is full.";
    QTest::newRow("not a number")       << 0  << "Bob" << "lots" << "$1.00" << -1
        << "\"lots\" is not a number. Type the number of squares, such as 3.";
    QTest::newRow("negative")           << 0  << "Bob" << "-2"  << "$1.00" << -1
        << "The number of squares cannot be less than 0.";
    QTest::newRow("no name")            << 0  << ""    << "-"   << "$1.00" << -1 << "";
    QTest::newRow("no count")           << 0  << "Bob" << ""    << "$1.00" << -1 << "";
    // clang-format on
}

void QuickPickTest::picks()
{
    QFETCH(int, taken);
    QFETCH(QString, name);
    QFETCH(QString, count);
    QFETCH(QString, perSquare);
    QFETCH(int, placed);
    QFETCH(QString, message);

    for (int k = 0; k < taken; ++k)
        w->Imput[k]->setText(QStringLiteral("T"));
    w->lblAmountPer->setText(perSquare);
    w->lblOpen->setText(QStringLiteral("000"));
    w->lblLeft->setText(QStringLiteral("000"));
    tw->dialogs.setNextInput(name);
    if (count != QLatin1String("-"))
        tw->dialogs.setNextInput(count);

    w->cmdQuick->click();

    QString last;
    for (const Dialogs::Shown &shown : tw->dialogs.shown())
        if (shown.kind == Dialogs::Shown::Kind::Message)
            last = shown.text;
    QCOMPARE(last, placed < 0 ? message : name + kOwes + message + kCollect);
    QCOMPARE(holding(QStringLiteral("T")), taken);
    if (placed < 0) {
        QCOMPARE(holding(name), name.isEmpty() ? 100 - taken : 0);
        QCOMPARE(w->lblOpen->text(), QStringLiteral("000"));
        return;
    }
    QCOMPARE(holding(name), placed);
    QCOMPARE(w->lblOpen->text(), QString::number(taken + placed));
    QCOMPARE(w->lblLeft->text(), QString::number(100 - taken - placed));
}

void QuickPickTest::refusesWhenLocked()
{
    w->Locked = true;
    tw->dialogs.setNextInput(QStringLiteral("Bob"));
    tw->dialogs.setNextInput(QStringLiteral("3"));
    w->cmdQuick_Click();
    QCOMPARE(tw->messages(), QStringList{frmScore::kLockMessage});
    QCOMPARE(holding(QStringLiteral("Bob")), 0);
}

void QuickPickTest::everyFreeSquareEquallyLikely()
{
    // The sold squares form one block, so a pick that slid forward from a
    // taken square to the next free one would pile up on square 30.
    const int taken = 30;
    for (int k = 0; k < taken; ++k)
        w->Imput[k]->setText(QStringLiteral("T"));
    const int perSquare = 100;
    const int runs = perSquare * (100 - taken);
    QList<int> hits(100, 0);
    for (int run = 0; run < runs; ++run) {
        tw->dialogs.setNextInput(QStringLiteral("X"));
        tw->dialogs.setNextInput(QStringLiteral("1"));
        w->cmdQuick_Click();
        for (int k = 0; k < 100; ++k) {
            if (w->Imput[k]->text() == QLatin1String("X")) {
                ++hits[k];
                w->Imput[k]->setText(QString());
            }
        }
        tw->dialogs.clearShown();
    }
    QCOMPARE(hits.mid(0, taken), QList<int>(taken, 0));
    QCOMPARE(std::accumulate(hits.begin(), hits.end(), 0), runs);
    double chi = 0;
    QVERIFY2(BoardTest::looksUniform(hits.mid(taken), perSquare, 1, &chi),
             qPrintable(QStringLiteral("chi-square %1").arg(chi)));
}

QTEST_MAIN(QuickPickTest)
#include "tst_quickpick.moc"
