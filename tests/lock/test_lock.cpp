// Locking a pool with a password: what is stored, what the board allows,
// and that a lock that could not be stored is no lock.
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

class TestLock : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window.reset();
        m_data = std::make_unique<TestData>();
        m_data->addPool(samplePool("01/01/2025", "Open", "X"));
        PoolValues locked = samplePool("02/02/2025", "Shut", "Y");
        locked.insert("Password", "Secret");
        m_data->addPool(locked);
        m_window = std::make_unique<TestWindow>(*m_data);
    }

    void lockStoresThePasswordAndDisablesTheBoard_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("word") << "pw";
        QTest::newRow("blanks are a password") << "  ";
    }
    void lockStoresThePasswordAndDisablesTheBoard()
    {
        QFETCH(QString, password);
        w().Text2->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w().Text2->hasFocus());
        QTest::keyClicks(w().Text2, password);
        QTest::keyClick(w().Text2, Qt::Key_Tab);
        QVERIFY(w().Text1->isVisible() && w().lblAgain->isVisible());
        QTRY_VERIFY(w().Text1->hasFocus());
        QTest::keyClicks(w().Text1, password);
        w().cmdLock->click();
        QVERIFY(messages().isEmpty());
        QCOMPARE(stored(1), password);
        QVERIFY(w().Locked && w().lblLocked->isVisible());
        QCOMPARE(w().Text2->text(), QString());
        QVERIFY(!w().Text1->isVisible() && !w().lblAgain->isVisible());
        expectBoardEnabled(false);
        w().cmdNext->click(); // the moves reach every pool again
        QCOMPARE(w().Combo1[1]->currentText(), u"Shut"_s);
    }

    void lockRefusals_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("again");
        QTest::addColumn<QString>("message");
        const QString differ = "Passwords do not match";
        QTest::newRow("nothing typed") << "" << QString() << "Please enter Password";
        QTest::newRow("nothing typed again") << "pw" << QString() << differ;
        QTest::newRow("letter case differs") << "Pass" << QString("pass") << differ;
        QTest::newRow("no pool on show") << "pw" << QString("pw")
                                         << "Save this pool before you lock it: only a saved "
                                            "pool can be locked.";
        QTest::newRow("while editing")
            << "pw" << QString("pw")
            << "Save or cancel your changes before you lock or unlock this pool.";
        QTest::newRow("refused write") << "pw" << QString("pw") << "could not be written";
    }
    // Clicked straight from the password box, as users do; after a refusal
    // the password box has the focus again.
    void lockRefusals()
    {
        QFETCH(QString, first);
        QFETCH(QString, again);
        QFETCH(QString, message);
        const QByteArray row = QTest::currentDataTag();
        if (row == "refused write")
            m_data->refuseWrites();
        if (row == "while editing")
            w().cmdEdit->click();
        if (row == "no pool on show") {
            w().cmdSearch->click();
            w().txtSearch->setText("01/01/2030");
            w().cmdFind->click();
        }
        w().Text2->setFocus();
        QTRY_VERIFY(w().Text2->hasFocus());
        w().Text2->setText(first);
        w().Text1->setText(again);
        QTest::mouseClick(w().cmdLock, Qt::LeftButton);
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().contains(message), qPrintable(messages().first()));
        QCOMPARE(QApplication::focusWidget(), w().Text2);
        QCOMPARE(w().Text2->text(), first);
        expectUnlocked();
        QCOMPARE(stored(2), u"Secret"_s);
        QCOMPARE(w().cmdUpdate->isVisible(), row == "while editing");
    }

    void unlock_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: unlocked
        const QString differ = "Passwords Do Not Match";
        QTest::newRow("right password") << "Secret" << QString();
        QTest::newRow("other letter case") << "secret" << differ;
        QTest::newRow("trailing blank") << "Secret " << differ;
        QTest::newRow("while editing")
            << "Secret"
            << "Save or cancel your changes before you lock or unlock this pool.";
    }
    void unlock()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        w().cmdNext->click();
        QCOMPARE(w().windowTitle(), u"QUADRIX POOL  LOCKED"_s);
        if (QTest::currentDataTag() == QByteArray("while editing")) {
            w().Locked = false; // a locked pool found by a search during an edit
            w().cmdEdit->click();
            w().Locked = true;
        }
        w().Text2->setFocus();
        QTRY_VERIFY(w().Text2->hasFocus());
        w().Text2->setText(typed);
        QTest::mouseClick(w().cmdunlock, Qt::LeftButton);
        const bool unlocked = message.isEmpty();
        QCOMPARE(messages(), unlocked ? QStringList{} : QStringList{message});
        if (!unlocked)
            QCOMPARE(QApplication::focusWidget(), w().Text2);
        QCOMPARE(w().Locked, !unlocked);
        QVERIFY(!m_data->stored(2, u"Password"_s).isNull());
        QCOMPARE(stored(2), unlocked ? "" : "Secret");
        QCOMPARE(w().lblLocked->isVisible(), !unlocked);
        expectBoardEnabled(unlocked);
        QCOMPARE(w().windowTitle(), unlocked ? " QUADRIX POOL" : "QUADRIX POOL  LOCKED");
        if (unlocked) { // the moves reach every pool again
            w().cmdPrevious->click();
            QCOMPARE(w().Combo1[1]->currentText(), u"Open"_s);
        }
    }

private:
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }
    QString stored(qint64 id) { return m_data->stored(id, u"Password"_s).toString(); }
    void expectUnlocked()
    {
        QVERIFY(!w().Locked);
        QCOMPARE(stored(1), QString());
        expectBoardEnabled(true);
    }
    void expectBoardEnabled(bool enabled)
    {
        QList<QWidget *> board{w().Combo1[1],     w().Combo1[2], w().TeamScore[0],
                               w().TeamScore[1],  w().Score[0],  w().Score[1],
                               w().txtPoolAmount, w().Frame3,    w().frAmount};
        board << QList<QWidget *>(w().Number.begin(), w().Number.end())
              << QList<QWidget *>(w().Imput.begin(), w().Imput.end())
              << QList<QWidget *>(w().Who.begin(), w().Who.end());
        for (QWidget *control : board)
            QVERIFY2(control->isEnabled() == enabled, qPrintable(control->objectName()));
        for (QWidget *control : QList<QWidget *>{w().Combo1[0], w().txtGameDate, w().Text2,
                                                 w().cmdAdd, w().cmdQuick, w().Command3})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName())); // even when locked
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestLock)
#include "test_lock.moc"
