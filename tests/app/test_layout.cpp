// The window as the user first sees and drives it: what is hidden, where the
// focus goes, what the frames and buttons show.
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window.reset();
        m_data = std::make_unique<TestData>();
        m_window = std::make_unique<TestWindow>(*m_data);
    }

    // The first focus is on the last square; the controls for later stand
    // hidden. A click on a move takes the focus, so the square typed into is
    // counted before the move (here one that finds no pool).
    void focusAndHiddenControls()
    {
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w().Imput[99]));
        for (QWidget *control :
             QList<QWidget *>{w().txtID, w().Text1, w().lblAgain, w().lblLocked, w().cmdUpdate,
                              w().cmdCancel, w().frSearch, w().Pb1})
            QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
        w().Imput[5]->setFocus();
        QTRY_VERIFY(w().Imput[5]->hasFocus());
        QTest::keyClicks(w().Imput[5], "Ann");
        QTest::mouseClick(w().cmdFirst, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w().cmdFirst);
        QCOMPARE(w().lblOpen->text(), u"1"_s);
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("select"); // an option selected first
        QTest::addColumn<QString>("to");
        // Into a group of options at its selected one, and on out of it.
        // clang-format off
        QTest::newRow("Who(3)")        << "Quarter(2)" << "Quarter(2)";
        QTest::newRow("Quarter(2)")    << "Quarter(2)" << "cmdDelete";
        QTest::newRow("txtPoolAmount") << "Option1(0)" << "Option1(0)";
        // clang-format on
    }
    void tabOrder()
    {
        QFETCH(QString, select);
        QFETCH(QString, to);
        w().findChild<QRadioButton *>(select)->setChecked(true); // as a load selects
        QWidget *start = w().findChild<QWidget *>(QTest::currentDataTag());
        start->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(start, Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), to);
    }

    // The search frame hides the squares under it.
    void framesAreOpaque()
    {
        w().cmdSearch->click();
        const QRect area(w().frSearch->mapTo(&w(), QPoint(0, 0)), w().frSearch->size());
        const QImage over = w().grab(area).toImage();
        for (SquareBox *square : w().Imput)
            square->hide();
        QCOMPARE(w().grab(area).toImage(), over);
    }

    // "Quick Pick" stands whole on two lines inside its button.
    void quickPickCaptionWraps()
    {
        QPushButton *button = w().cmdQuick;
        QCOMPARE(button->text(), u"Quick Pick"_s);
        const QImage captioned = button->grab().toImage();
        button->setText(QString());
        const QImage bare = button->grab().toImage();
        button->setText(u"Quick Pick"_s);
        QRect ink; // where the caption changed the picture
        for (int y = 0; y < bare.height(); ++y)
            for (int x = 0; x < bare.width(); ++x)
                if (captioned.pixel(x, y) != bare.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(ink.left() > 2 && ink.right() < bare.width() - 3, "the caption is cut off");
        QVERIFY(ink.height() > 1.5 * QFontMetrics(button->font()).height()); // two lines
    }

    void datesTakeDigitsOnly()
    {
        w().txtGameDate->setFocus();
        w().txtGameDate->setCursorPosition(0);
        QTest::keyClicks(w().txtGameDate, "12a/0b5x2026");
        QCOMPARE(w().txtGameDate->text(), u"12/05/2026"_s);
        w().txtSearch->setText("1");
        QCOMPARE(w().txtSearch->text(), u"1//"_s);
        QCOMPARE(w().txtSearch->displayText(), u"1_/__/____"_s);
    }

private:
    frmScore &w() { return m_window->w(); }
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
