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

    void lockAndUnlock_data()
    {
        QTest::addColumn<bool>("unlock");     // the locked pool, else the open one
        QTest::addColumn<QString>("first");   // typed into the password box
        QTest::addColumn<QString>("again");   // Null: the command clicked straight from there
        QTest::addColumn<QString>("message"); // empty: done
        const QString differ = "Passwords do not match";
        const QString editing = "Save or cancel your changes before you lock or unlock this pool.";
        QTest::newRow("lock") << false << "pw" << QString("pw") << QString();
        QTest::newRow("lock, blanks are a password") << false << "  " << QString("  ") << QString();
        QTest::newRow("lock, nothing typed") << false << "" << QString() << "Please enter Password";
        QTest::newRow("lock, nothing typed again") << false << "pw" << QString("") << differ;
        QTest::newRow("lock, letter case differs") << false << "Pass" << QString("pass") << differ;
        QTest::newRow("lock while editing") << false << "pw" << QString("pw") << editing;
        QTest::newRow("lock, refused write")
            << false << "pw" << QString("pw") << "could not be written";
        QTest::newRow("unlock") << true << "Secret" << QString() << QString();
        QTest::newRow("unlock, other letter case")
            << true << "secret" << QString() << "Passwords Do Not Match";
        QTest::newRow("unlock, trailing blank")
            << true << "Secret " << QString() << "Passwords Do Not Match";
    }
    // Typed as users do: Tab from the password shows the box that asks for
    // it again. A refusal gives the password box the focus again and leaves
    // the pool as it was, on the board and in the file; a lock or unlock done
    // lets the moves reach every pool again.
    void lockAndUnlock()
    {
        QFETCH(bool, unlock);
        QFETCH(QString, first);
        QFETCH(QString, again);
        QFETCH(QString, message);
        const QByteArray row = QTest::currentDataTag();
        if (unlock)
            w().cmdNext->click();
        if (row.endsWith("refused write"))
            DiskShim::failAt(DiskShim::Point::Write, 1, SQLITE_IOERR, true); // a broken disk
        if (row.endsWith("while editing"))
            w().cmdEdit->click();
        w().Text2->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w().Text2->hasFocus());
        QTest::keyClicks(w().Text2, first);
        if (!again.isNull()) {
            QTest::keyClick(w().Text2, Qt::Key_Tab);
            QVERIFY(w().Text1->isVisible() && w().lblAgain->isVisible());
            QTRY_VERIFY(w().Text1->hasFocus());
            QTest::keyClicks(w().Text1, again);
        }
        QTest::mouseClick(unlock ? w().cmdunlock : w().cmdLock, Qt::LeftButton);
        const bool done = message.isEmpty();
        const bool locked = unlock != done;
        QCOMPARE(messages().size(), done ? 0 : 1);
        if (!done) {
            const QString shown = messages().first();
            QVERIFY2(row.endsWith("refused write") ? shown.contains(message) : shown == message,
                     qPrintable(shown));
            QCOMPARE(QApplication::focusWidget(), w().Text2);
        }
        QCOMPARE(w().Text2->text(), done ? QString() : first);
        QCOMPARE(stored(1), unlock || !done ? QString() : first);
        QCOMPARE(stored(2), unlock && done ? "" : "Secret");
        QVERIFY(!m_data->stored(2, u"Password"_s).isNull());
        QCOMPARE(w().isLocked(), locked);
        QCOMPARE(w().lblLocked->isVisible(), locked);
        QCOMPARE(w().windowTitle(),
                 locked ? "QUADRIX POOL  LOCKED" : (unlock ? " QUADRIX POOL" : "QUADRIX POOL"));
        QList<QWidget *> board{w().Combo1[1],     w().Combo1[2], w().TeamScore[0],
                               w().TeamScore[1],  w().Score[0],  w().Score[1],
                               w().txtPoolAmount, w().Frame3,    w().frAmount};
        board << QList<QWidget *>(w().Number.begin(), w().Number.end())
              << QList<QWidget *>(w().Imput.begin(), w().Imput.end())
              << QList<QWidget *>(w().Who.begin(), w().Who.end());
        for (QWidget *control : board)
            QVERIFY2(control->isEnabled() != locked, qPrintable(control->objectName()));
        for (QWidget *control : QList<QWidget *>{w().Combo1[0], w().txtGameDate, w().Text2,
                                                 w().cmdAdd, w().cmdQuick, w().Command3})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName())); // even when locked
        QCOMPARE(w().cmdUpdate->isVisible(), row.endsWith("while editing"));
        if (done) {
            QVERIFY(!w().Text1->isVisible() && !w().lblAgain->isVisible());
            (unlock ? w().cmdPrevious : w().cmdNext)->click();
            QCOMPARE(w().Combo1[1]->currentText(), unlock ? "Open" : "Shut");
        }
    }

private:
    frmScore &w() { return m_window->w(); }
    QStringList messages() const { return m_window->messages(); }
    QString stored(qint64 id) { return m_data->stored(id, u"Password"_s).toString(); }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestLock)
#include "test_lock.moc"
