// The counters of taken and free squares, and the whole-text selection of
// the score and pool amount boxes when they get the focus.
#include "boardtestutil.h"
#include "support/testwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

class CountsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void counts_data();
    void counts();
    void leavingASquareRecounts();
    void focusSelectsTheWholeText_data();
    void focusSelectsTheWholeText();
    void clickSelectsTheWholeText();

private:
    std::unique_ptr<TestData> data;
    std::unique_ptr<TestWindow> tw;
    frmScore *w = nullptr;
};

void CountsTest::init()
{
    data = std::make_unique<TestData>();
    tw = std::make_unique<TestWindow>(*data);
    w = &tw->w();
}

void CountsTest::cleanup()
{
    w = nullptr;
    tw.reset();
    data.reset();
}

void CountsTest::counts_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("names"); // written into squares 0, 1, 2, ...
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("left");

    QTest::newRow("empty board") << QStringList() << "0" << "100";
    QTest::newRow("full board") << QStringList(100, QStringLiteral("Ann")) << "100" << "0";
    QTest::newRow("one blank is a name") << QStringList{QStringLiteral(" ")} << "1" << "99";
    QTest::newRow("some") << QStringList{QStringLiteral("Ann"), QStringLiteral("Bob Smith"),
                                         QStringLiteral("  Cy  ")} << "3" << "97";
    // clang-format on
}

void CountsTest::counts()
{
    QFETCH(QStringList, names);
    QFETCH(QString, taken);
    QFETCH(QString, left);
    for (int k = 0; k < names.size(); ++k)
        w->Imput[k]->setText(names[k]);
    w->lblOpen->setText(QStringLiteral("000"));
    w->AddUm();
    QCOMPARE(w->lblOpen->text(), taken);
    QCOMPARE(w->lblLeft->text(), left);
}

void CountsTest::leavingASquareRecounts()
{
    w->Imput[5]->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(w->Imput[5]->hasFocus());
    const QString before = w->lblOpen->text();
    QTest::keyClicks(w->Imput[5], QStringLiteral("Bob"));
    QCOMPARE(w->lblOpen->text(), before); // typing alone does not recount

    QTest::keyClick(w->Imput[5], Qt::Key_Tab);
    QVERIFY(!w->Imput[5]->hasFocus());
    QCOMPARE(w->Imput[5]->text(), QStringLiteral("Bob"));
    QCOMPARE(w->lblOpen->text(), QStringLiteral("1"));
    QCOMPARE(w->lblLeft->text(), QStringLiteral("99"));
}

void CountsTest::focusSelectsTheWholeText_data()
{
    // clang-format off
    QTest::addColumn<QString>("box");

    QTest::newRow("first score") << "Score(0)";
    QTest::newRow("second score") << "Score(1)";
    QTest::newRow("pool amount") << "txtPoolAmount";
    // clang-format on
}

void CountsTest::focusSelectsTheWholeText()
{
    QFETCH(QString, box);
    auto *edit = w->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    edit->setText(QStringLiteral("21"));
    edit->setCursorPosition(1);
    // Focus given by the program: the box would not select anything itself.
    edit->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(edit->selectedText(), QStringLiteral("21"));

    QTest::keyClicks(edit, QStringLiteral("28"));
    QCOMPARE(edit->text(), QStringLiteral("28"));
}

void CountsTest::clickSelectsTheWholeText()
{
    w->Score[1]->setText(QStringLiteral("21"));
    QTest::mouseClick(w->Score[1], Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTRY_VERIFY(w->Score[1]->hasFocus());
    QTRY_COMPARE(w->Score[1]->selectedText(), QStringLiteral("21"));
}

QTEST_MAIN(CountsTest)
#include "tst_counts.moc"
