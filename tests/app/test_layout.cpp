// The window as the user first sees it: where controls stand, what they
// hold, what is hidden, and how Tab walks through them.
#include "support/testwindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_data = std::make_unique<TestData>();
        m_window = std::make_unique<TestWindow>(*m_data);
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips"); // in the window's client area
        QTest::newRow("Imput(37)") << "Imput(37)" << QRect(10350, 4815, 825, 690);
        QTest::newRow("Imput(0)") << "Imput(0)" << QRect(4365, 2655, 825, 690);
        QTest::newRow("Imput(99)") << "Imput(99)" << QRect(12060, 9135, 825, 690);
        QTest::newRow("Number(0)") << "Number(0)" << QRect(4545, 2070, 375, 405);
        QTest::newRow("Number(7)") << "Number(7)" << QRect(10530, 2070, 420, 375);
        QTest::newRow("Number(13)") << "Number(13)" << QRect(3825, 4905, 420, 375);
        QTest::newRow("Who(3)") << "Who(3)" << QRect(10125, 0, 3300, 675);
        QTest::newRow("Quarter(1)") << "Quarter(1)" << QRect(4410, 855, 1005, 240);
        QTest::newRow("Option1(2)") << "Option1(2)" << QRect(2565, 7335, 960, 330);
        QTest::newRow("lblOpen") << "lblOpen" << QRect(3015, 2115, 645, 375);
        QTest::newRow("txtSearch") << "txtSearch" << QRect(7110, 5805, 1185, 330);
        QTest::newRow("cmdUpdate over cmdAdd") << "cmdUpdate" << QRect(90, 6165, 870, 300);
        QTest::newRow("Label8") << "Label8" << QRect(12735, 10170, 735, 240);
    }
    void controlsStandAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QWidget *control = w().findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        const QWidget *client = w().centralWidget();
        const QPoint topLeft = control->mapTo(client, QPoint(0, 0));
        QCOMPARE(QRect(topLeft * 15, control->size() * 15), twips);
    }

    void squaresSitUnderTheirHeaders()
    {
        // Square 10 r + c lies under column header c and beside row header 10 + r.
        const QWidget *client = w().centralWidget();
        for (int k : {0, 37, 90, 99}) {
            const QRect square(w().Imput[k]->mapTo(client, QPoint()), w().Imput[k]->size());
            const QRect column(w().Number[k % 10]->mapTo(client, QPoint()),
                               w().Number[k % 10]->size());
            const QRect row(w().Number[10 + k / 10]->mapTo(client, QPoint()),
                            w().Number[10 + k / 10]->size());
            QVERIFY(column.left() < square.right() && column.right() > square.left());
            QVERIFY(row.top() < square.bottom() && row.bottom() > square.top());
        }
    }

    void initialStateIsTheEmptyBoard()
    {
        for (auto *square : w().Imput)
            QCOMPARE(square->text(), QString());
        for (auto *header : w().Number)
            QCOMPARE(header->text(), QString());
        for (auto *winner : w().Who)
            QCOMPARE(winner->text(), QString());
        QCOMPARE(w().lblOpen->text(), QStringLiteral("000"));
        QCOMPARE(w().lblLeft->text(), QStringLiteral("000"));
        QCOMPARE(w().txtPoolAmount->text(), QStringLiteral("$000.00"));
        QCOMPARE(w().lblAmountPer->text(), QStringLiteral("$000.00"));
        QCOMPARE(w().lblPayOut->text(), QStringLiteral("$000.00"));
        QCOMPARE(w().Label6[4]->text(), QStringLiteral("Pay Out"));
        QVERIFY(w().Quarter[0]->isChecked());
        QVERIFY(w().Option1[2]->isChecked() && !w().Option1[0]->isChecked());
        QCOMPARE(w().Combo1[0]->currentText(), QStringLiteral("PRO"));
        QCOMPARE(w().windowTitle(), QStringLiteral("Quadrix"));
        QCOMPARE(w().txtGameDate->text(), QStringLiteral("//"));
        QVERIFY(!w().StartUp && !w().Moveit && !w().Locked && !w().mbAddNewFlag);
        QVERIFY(!w().NumbersSet);
        QCOMPARE(w().Label1[2]->text(), QStringLiteral("VS"));
        QCOMPARE(w().Label3->text(),
                 QStringLiteral("Enter Date Like 01/08/2003 or 12/12/2003     Then use the "
                                "arrow buttons to scroll through the records."));
        QCOMPARE(w().lblLocked->text(), QStringLiteral("This Record  Is Locked"));
        QCOMPARE(w().Label6[1]->text(), QStringLiteral(" Amount Per    Square"));
        QCOMPARE(w().frAmount->title(), QStringLiteral("Payout "));
    }

    void hiddenAtStart()
    {
        const QList<QWidget *> hidden = {w().txtID,     w().Text1,     w().lblAgain, w().lblLocked,
                                         w().cmdUpdate, w().cmdCancel, w().frSearch, w().Pb1};
        for (QWidget *control : hidden)
            QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
        for (QWidget *control :
             {static_cast<QWidget *>(w().cmdAdd), static_cast<QWidget *>(w().cmdEdit),
              static_cast<QWidget *>(w().lblStatus), static_cast<QWidget *>(w().Text2)})
            QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    }

    void tabWalksTheBoardBackwards_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("square to square") << "Imput(50)"
                                          << "Imput(49)";
        QTest::newRow("last square to first header") << "Imput(0)"
                                                     << "Number(0)";
        QTest::newRow("headers in order") << "Number(9)"
                                          << "Number(10)";
        QTest::newRow("last header to type") << "Number(19)"
                                             << "Combo1(0)";
        QTest::newRow("scores") << "Score(0)"
                                << "Score(1)";
    }
    void tabWalksTheBoardBackwards()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QWidget *start = w().findChild<QWidget *>(from);
        start->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(start, Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        // A combo box takes the focus through its line edit.
        if (focused && focused->parentWidget() &&
            qobject_cast<QComboBox *>(focused->parentWidget()))
            focused = focused->parentWidget();
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), to);
    }

    void firstFocusIsTheBottomRightSquare()
    {
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w().Imput[99]));
    }

    void datesTakeDigitsOnly()
    {
        w().txtGameDate->setFocus();
        w().txtGameDate->setCursorPosition(0);
        QTest::keyClicks(w().txtGameDate, QStringLiteral("12a/0b5x2026"));
        QCOMPARE(w().txtGameDate->text(), QStringLiteral("12/05/2026"));
        w().txtSearch->setText(QStringLiteral("1"));
        QCOMPARE(w().txtSearch->text(), QStringLiteral("1//"));
        QCOMPARE(w().txtSearch->displayText(), QStringLiteral("1_/__/____"));
    }

    void controlsStayPutWhenTheWindowIsResized()
    {
        const QPoint before = w().Imput[37]->mapTo(&w(), QPoint());
        w().resize(400, 300);
        QTest::qWait(10);
        QCOMPARE(w().Imput[37]->mapTo(&w(), QPoint()), before);
        QCOMPARE(w().Imput[37]->size(), QSize(55, 46));
    }

private:
    frmScore &w() { return m_window->w(); }
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
