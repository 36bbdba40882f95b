// Locking a pool with a password: what is stored, what the board allows,
// and that a lock that could not be stored is no lock.
#include "support/testwindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

class TestLock : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_data = std::make_unique<TestData>();
        m_first = m_data->addPool(samplePool("01/01/2025", "Open", "X"));
        PoolValues locked = samplePool("02/02/2025", "Shut", "Y");
        locked.insert("Password", "Secret");
        m_second = m_data->addPool(locked);
        m_window = std::make_unique<TestWindow>(*m_data);
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void lockStoresThePasswordAndDisablesTheBoard()
    {
        typePassword(QStringLiteral("pw"));
        QVERIFY(w().Text1->isVisible() && w().lblAgain->isVisible());
        QTRY_VERIFY(w().Text1->hasFocus());
        QTest::keyClicks(w().Text1, QStringLiteral("pw"));
        w().cmdLock->click();
        QVERIFY(messages().isEmpty());
        QCOMPARE(m_data->stored(m_first, QStringLiteral("Password")).toString(),
                 QStringLiteral("pw"));
        QVERIFY(w().Locked);
        QCOMPARE(w().Text2->text(), QString());
        QVERIFY(!w().Text1->isVisible() && !w().lblAgain->isVisible());
        QVERIFY(w().lblLocked->isVisible());
        expectBoardEnabled(false);

        for (QPushButton *button : {w().cmdAdd, w().cmdEdit, w().cmdDelete})
            button->click();
        QCOMPARE(messages(), QStringList(3, frmScore::kLockMessage));
        QCOMPARE(m_data->poolCount(), 2);
    }

    void lockRefusals_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("again");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing typed") << ""
                                       << ""
                                       << "Please enter Password";
        QTest::newRow("letter case differs") << "Pass"
                                             << "pass"
                                             << "Passwords do not match";
        QTest::newRow("second entry differs") << "one"
                                              << "two"
                                              << "Passwords do not match";
    }
    void lockRefusals()
    {
        QFETCH(QString, first);
        QFETCH(QString, again);
        QFETCH(QString, message);
        w().Text2->setText(first);
        w().Text1->show();
        w().Text1->setText(again);
        w().cmdLock->click();
        QCOMPARE(messages(), QStringList{message});
        QVERIFY(!w().Locked);
        QVERIFY(m_data->stored(m_first, QStringLiteral("Password")).toString().isEmpty());
        QCOMPARE(w().Text2->text(), first);
        QCOMPARE(w().Text1->text(), QString());
        QVERIFY(!w().Text1->isVisible());
        expectBoardEnabled(true);
    }

    void blanksAreAPassword()
    {
        w().Text2->setText(QStringLiteral("  "));
        w().Text1->setText(QStringLiteral("  "));
        w().cmdLock->click();
        QCOMPARE(m_data->stored(m_first, QStringLiteral("Password")).toString(),
                 QStringLiteral("  "));
        QVERIFY(w().Locked);
    }

    void lockOnALockedPoolDoesNothing()
    {
        w().cmdNext->click();
        QVERIFY(w().Locked);
        w().Text2->setText(QStringLiteral("x"));
        w().Text1->setText(QStringLiteral("y"));
        w().cmdLock->click();
        QVERIFY(messages().isEmpty());
        QCOMPARE(w().Text2->text(), QStringLiteral("x"));
        QCOMPARE(w().Text1->text(), QStringLiteral("y"));
    }

    void anUnsavedPoolCannotBeLocked()
    {
        w().cmdAdd->click();
        w().Text2->setText(QStringLiteral("pw"));
        w().Text1->setText(QStringLiteral("pw"));
        w().cmdLock->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY(!w().Locked);
        expectBoardEnabled(true);
        QVERIFY(m_data->stored(m_first, QStringLiteral("Password")).toString().isEmpty());
        QVERIFY(m_data->stored(m_second, QStringLiteral("Password")).toString() ==
                QStringLiteral("Secret"));
    }

    void aRefusedWriteLeavesThePoolUnlocked()
    {
        m_data->refuseWrites();
        w().Text2->setText(QStringLiteral("pw"));
        w().Text1->setText(QStringLiteral("pw"));
        w().cmdLock->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().contains(QStringLiteral("refused")));
        QVERIFY(!w().Locked);
        expectBoardEnabled(true);
    }

    void unlock_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: unlocked
        QTest::newRow("right password") << "Secret"
                                        << "";
        QTest::newRow("other letter case") << "secret"
                                           << "Passwords Do Not Match";
        QTest::newRow("trailing blank") << "Secret "
                                        << "Passwords Do Not Match";
    }
    void unlock()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        w().cmdNext->click();
        QVERIFY(w().Locked);
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL  LOCKED"));
        w().Text2->setText(typed);
        w().cmdunlock->click();
        if (message.isEmpty()) {
            QVERIFY(messages().isEmpty());
            QVERIFY(!w().Locked);
            const QVariant stored = m_data->stored(m_second, QStringLiteral("Password"));
            QVERIFY(!stored.isNull() && stored.toString().isEmpty());
            QCOMPARE(w().windowTitle(), QStringLiteral(" QUADRIX POOL"));
            QVERIFY(!w().lblLocked->isVisible());
            expectBoardEnabled(true);
        } else {
            QCOMPARE(messages(), QStringList{message});
            QVERIFY(w().Locked);
            QCOMPARE(m_data->stored(m_second, QStringLiteral("Password")).toString(),
                     QStringLiteral("Secret"));
            expectBoardEnabled(false);
        }
    }

    void unlockWithoutAPassword()
    {
        w().Text2->setText(QStringLiteral("anything"));
        w().cmdunlock->click();
        QCOMPARE(messages(), QStringList{" There Is No Password Set"});
    }

    void movingBetweenPoolsFollowsTheirLocks()
    {
        QVERIFY(!w().Locked);
        w().cmdNext->click();
        QVERIFY(w().Locked);
        expectBoardEnabled(false);
        QVERIFY(w().lblLocked->isVisible());
        QVERIFY(messages().isEmpty());
        w().cmdPrevious->click();
        QVERIFY(!w().Locked);
        expectBoardEnabled(true);
        QVERIFY(!w().lblLocked->isVisible());
        QCOMPARE(w().windowTitle(), QStringLiteral("QUADRIX POOL"));
    }

private:
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }

    void typePassword(const QString &text)
    {
        w().Text2->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w().Text2->hasFocus());
        QTest::keyClicks(w().Text2, text);
        QTest::keyClick(w().Text2, Qt::Key_Tab);
    }

    void expectBoardEnabled(bool enabled)
    {
        QList<QWidget *> board;
        for (auto *c : w().Number)
            board << c;
        for (auto *c : w().Imput)
            board << c;
        for (auto *c : w().Who)
            board << c;
        board << w().Combo1[1] << w().Combo1[2] << w().TeamScore[0] << w().TeamScore[1]
              << w().Score[0] << w().Score[1] << w().txtPoolAmount << w().Frame3 << w().frAmount;
        for (QWidget *control : board)
            QVERIFY2(control->isEnabled() == enabled, qPrintable(control->objectName()));
        // What stays usable while locked.
        for (QWidget *control :
             {static_cast<QWidget *>(w().Combo1[0]), static_cast<QWidget *>(w().txtGameDate),
              static_cast<QWidget *>(w().Text2), static_cast<QWidget *>(w().cmdAdd),
              static_cast<QWidget *>(w().cmdQuick), static_cast<QWidget *>(w().Command3)})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
    qint64 m_first = 0;
    qint64 m_second = 0;
};

QTEST_MAIN(TestLock)
#include "test_lock.moc"
