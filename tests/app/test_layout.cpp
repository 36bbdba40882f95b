// The window as the user first sees and drives it: what is hidden, where the
// focus goes, what the frames and buttons show.
#include "players/playersdialog.h"
#include "players/resultsdialog.h"
#include "store/poollistdialog.h"
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

    // A screen reader's view of the window and of each dialog: every control
    // that takes the focus has a name, no two share one, and a square says
    // where it stands, the digits it plays once drawn, and its player.
    void aScreenReaderNamesEveryControl()
    {
        m_data->addPool(samplePool(u"01/01/2025"_s, u"A"_s, u"B"_s));
        m_window = std::make_unique<TestWindow>(*m_data);
        QCOMPARE(unnamedControls(&w()), QString());
        w().cmdEdit->click();
        w().Imput[45]->setText(u"Ann"_s);
        const auto square = [&] { return QAccessible::queryAccessibleInterface(w().Imput[45]); };
        QCOMPARE(square()->text(QAccessible::Name), u"Row 5, column 6"_s);
        m_window->dialogs.setNextAnswer(Dialogs::Answer::Yes); // the unsold squares
        w().Command3->click();
        QCOMPARE(square()->text(QAccessible::Name),
                 u"Row 5, column 6, row digit %1, column digit %2"_s.arg(w().Number[14]->text(),
                                                                         w().Number[5]->text()));
        QCOMPARE(square()->text(QAccessible::Value), u"Ann"_s);
        QCOMPARE(square()->childCount(), 0); // no scroll bars it never shows
        // A reader types where the keyboard may, never into a locked square.
        square()->editableTextInterface()->replaceText(0, 3, u"Bo"_s);
        QCOMPARE(w().Imput[45]->text(), u"Bo"_s);
        w().Imput[45]->setEnabled(false);
        square()->editableTextInterface()->replaceText(0, 2, u"Cy"_s);
        QVERIFY(w().Imput[45]->text() == u"Bo"_s && square()->state().readOnly);
        w().Imput[45]->setEnabled(true);
        w().cmdUpdate->click();
        w().cmdPlayers->click();
        QCOMPARE(unnamedControls(w().playersDialog()), QString());
        w().cmdResults();
        QCOMPARE(unnamedControls(w().resultsDialog()), QString());
        w().cmdList_Click();
        QCOMPARE(unnamedControls(w().poolListDialog()), QString());
        const auto question =
            m_window->dialogs.questionBox(frmScore::kSaveChangesQuestion, u"Quadrix"_s,
                                          Dialogs::Icon::None, Dialogs::Answer::Yes);
        QCOMPARE(unnamedControls(question.get()), QString());
        for (QWidget *window :
             QList<QWidget *>{&w(), w().playersDialog(), w().resultsDialog(), w().poolListDialog()})
            QCOMPARE(clashingAccessKeys(window), QString());
    }

    void tabWalksEveryControlBothWays_data()
    {
        QTest::addColumn<QString>("mode");
        for (const char *mode : {"browse", "editing", "locked", "searching"})
            QTest::newRow(mode) << mode;
    }
    // Tab visits every control that takes the focus once and comes back;
    // Shift+Tab the same in the opposite order: no control is out of reach
    // and no shorter cycle traps the keyboard. A group of options is entered
    // at its selected one.
    void tabWalksEveryControlBothWays()
    {
        QFETCH(QString, mode);
        PoolValues locked = samplePool("01/02/2025", "B", "Y");
        locked.insert("Password", "pw");
        m_data->addPool(samplePool("01/01/2025", "A", "X"));
        m_data->addPool(locked);
        m_window = std::make_unique<TestWindow>(*m_data);
        if (mode == "editing")
            w().cmdEdit->click();
        if (mode == "locked")
            w().cmdNext->click();
        if (mode == "searching")
            w().cmdSearch->click();
        w().Quarter[2]->setChecked(true); // as a load selects
        w().Option1[0]->setChecked(true);
        QList<QWidget *> reachable;
        for (QWidget *widget : w().findChildren<QWidget *>())
            if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy() &&
                (widget->focusPolicy() & Qt::TabFocus))
                reachable << widget;
        QWidget *start = w().Text2; // empty: no second password is asked for
        const auto walk = [&](Qt::Key key) {
            start->setFocus(Qt::OtherFocusReason);
            QList<QWidget *> visited;
            do {
                visited << QApplication::focusWidget();
                QTest::keyClick(visited.last(), key,
                                key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            } while (QApplication::focusWidget() != start && visited.size() <= reachable.size());
            return visited;
        };
        const QList<QWidget *> forward = walk(Qt::Key_Tab);
        QList<QWidget *> backward = walk(Qt::Key_Backtab);
        QCOMPARE(QSet<QWidget *>(forward.begin(), forward.end()).size(), forward.size());
        QCOMPARE(QSet<QWidget *>(forward.begin(), forward.end()),
                 QSet<QWidget *>(reachable.begin(), reachable.end()));
        std::reverse(backward.begin() + 1, backward.end());
        QCOMPARE(backward, forward);
        for (QRadioButton *option : w().findChildren<QRadioButton *>())
            QCOMPARE(forward.contains(option), option->isChecked() && option->isEnabled());
    }

    // "Password Again" asks only for a password on its way forward; a click
    // on LOCK straight from the password box waits for it without a word.
    void passwordAgainOnlyOnTheWayForward()
    {
        m_data->addPool(samplePool("01/01/2025", "A", "X"));
        m_window = std::make_unique<TestWindow>(*m_data);
        w().Text2->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w().Text2, "pw");
        QTest::keyClick(w().Text2, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!w().Text1->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w().Who[0]));
        w().Text2->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(w().cmdLock, Qt::LeftButton);
        QVERIFY(w().Text1->isVisible() && w().Text1->hasFocus());
        QVERIFY(m_window->messages().isEmpty());
        QTest::keyClicks(w().Text1, "pw");
        QTest::keyClick(w().Text1, Qt::Key_Return);
        QVERIFY(w().isLocked());
    }

    // F1 opens the help wherever the focus is; Add and Search put the caret
    // where typing goes. The walk presses the other keys.
    void keys()
    {
        w().Imput[7]->setFocus();
        QTRY_VERIFY(w().Imput[7]->hasFocus());
        QTest::keyClick(w().Imput[7], Qt::Key_F1);
        QCOMPARE(m_window->urls.opened.size(), 1);
        w().cmdAdd->click();
        QVERIFY(w().txtGameDate->hasFocus());
        w().cmdCancel->click();
        w().cmdSearch->click();
        QVERIFY(w().txtSearch->hasFocus());
    }

    // The box with the focus is framed in the focus colour, as buttons are.
    void theFocusedBoxIsMarked()
    {
        for (QWidget *box : QList<QWidget *>{w().Imput[42], w().txtPoolAmount, w().Score[1]}) {
            w().cmdPrint->setFocus();
            QTRY_VERIFY(!box->hasFocus());
            const QImage before = box->grab().toImage();
            box->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(box->hasFocus());
            const QImage after = box->grab().toImage();
            const QColor focus = box->palette().color(QPalette::Highlight);
            int marked = 0; // pixels of the frame, away from the caret
            for (int x = 0; x < after.width(); ++x)
                marked += after.pixelColor(x, 1) == focus && before.pixelColor(x, 1) != focus;
            QVERIFY2(marked > after.width() / 2, qPrintable(box->objectName()));
        }
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
        QRect ink; // where the caption changed the picture
        for (int y = 0; y < bare.height(); ++y)
            for (int x = 0; x < bare.width(); ++x)
                if (captioned.pixel(x, y) != bare.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(ink.left() > 2 && ink.right() < bare.width() - 3, "the caption is cut off");
        QVERIFY(ink.height() > 1.5 * QFontMetrics(button->font()).height()); // two lines
    }

private:
    frmScore &w() { return m_window->w(); }
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
