// Money in the user's locale: reading what users type and what the program
// wrote, and the pool amount, amount per square and payout in the window.
#include "money/money.h"
#include "support/testwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
        QLocale::setDefault(QLocale::c());
    }

    void readsWhatUsersTypeAndTheProgramWrote_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "en_US"
                               << "250" << 250.0;
        QTest::newRow("grouped") << "en_US"
                                 << "1,000" << 1000.0;
        QTest::newRow("currency") << "en_US"
                                  << "$1,234,567.50" << 1234567.5;
        QTest::newRow("cleared board") << "en_US"
                                       << "$000.00" << 0.0;
        QTest::newRow("blanks around") << "en_US"
                                       << "  $62.50 " << 62.5;
        QTest::newRow("minus") << "en_US"
                               << "-$5.00" << -5.0;
        QTest::newRow("parentheses") << "en_US"
                                     << "($5.00)" << -5.0;
        QTest::newRow("german currency") << "de_DE"
                                         << "1.234.567,50 €" << 1234567.5;
        QTest::newRow("german plain") << "de_DE"
                                      << "250,00" << 250.0;
        QTest::newRow("german cleared board") << "de_DE"
                                              << "$000.00" << 0.0;
        QTest::newRow("german iso code") << "de_DE"
                                         << "EUR 12,50" << 12.5;
        QTest::newRow("french narrow blank")
            << "fr_FR" << QString::fromUtf8("1 234,50 €") << 1234.5;
    }
    void readsWhatUsersTypeAndTheProgramWrote()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = Money::read(text, QLocale(locale));
        QVERIFY(read.has_value());
        QCOMPARE(*read, value);
        // What the program writes reads back as the same value.
        QCOMPARE(*Money::read(Money::currency(value, QLocale(locale)), QLocale(locale)), value);
    }

    void refusesWhatIsNotANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("symbol only") << "$";
        QTest::newRow("two numbers") << "12 34x";
        QTest::newRow("double minus") << "--5";
    }
    void refusesWhatIsNotANumber()
    {
        QFETCH(QString, text);
        QVERIFY(!Money::read(text, QLocale(QLocale::English, QLocale::UnitedStates)).has_value());
    }

    void cLocaleCountsAsUnitedStates()
    {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Money::currency(250, Money::userLocale()), QStringLiteral("$250.00"));
    }

    void amountsFollowThePool_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("period"); // Option1 index
        QTest::addColumn<QString>("pool");
        QTest::addColumn<QString>("perSquare");
        QTest::addColumn<QString>("payout");
        QTest::addColumn<QString>("caption");
        QTest::newRow("quarter") << "en_US"
                                 << "250" << 2 << "$250.00"
                                 << "$2.50"
                                 << "$62.50"
                                 << "PayOut Per Quarter";
        QTest::newRow("half") << "en_US"
                              << "250" << 1 << "$250.00"
                              << "$2.50"
                              << "$125.00"
                              << "PayOut Per Half";
        QTest::newRow("game") << "en_US"
                              << "250" << 0 << "$250.00"
                              << "$2.50"
                              << "$250.00"
                              << "PayOut Game";
        QTest::newRow("grouped") << "en_US"
                                 << "1,000" << 2 << "$1,000.00"
                                 << "$10.00"
                                 << "$250.00"
                                 << "PayOut Per Quarter";
        QTest::newRow("again") << "en_US"
                               << "$1,000.00" << 2 << "$1,000.00"
                               << "$10.00"
                               << "$250.00"
                               << "PayOut Per Quarter";
        QTest::newRow("cents round") << "en_US"
                                     << "10.556" << 0 << "$10.56"
                                     << "$0.11"
                                     << "$10.56"
                                     << "PayOut Game";
        QTest::newRow("german") << "de_DE"
                                << "250" << 2 << QString::fromUtf8("250,00\u00A0€")
                                << QString::fromUtf8("2,50\u00A0€")
                                << QString::fromUtf8("62,50\u00A0€") << "PayOut Per Quarter";
        QTest::newRow("german grouped") << "de_DE"
                                        << "1.000" << 1 << QString::fromUtf8("1.000,00\u00A0€")
                                        << QString::fromUtf8("10,00\u00A0€")
                                        << QString::fromUtf8("500,00\u00A0€") << "PayOut Per Half";
    }
    void amountsFollowThePool()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(int, period);
        QFETCH(QString, pool);
        QFETCH(QString, perSquare);
        QFETCH(QString, payout);
        QFETCH(QString, caption);
        QLocale::setDefault(QLocale(locale));
        open();
        w().Option1[period]->setChecked(true);
        enterAmount(typed);
        QCOMPARE(w().txtPoolAmount->text(), pool);
        QCOMPARE(w().lblAmountPer->text(), perSquare);
        QCOMPARE(w().lblPayOut->text(), payout);
        QCOMPARE(w().Label6[4]->text(), caption);
        QVERIFY(m_window->messages().isEmpty());
    }

    void changingThePeriodLeavesTheSquarePrice()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        open();
        enterAmount(QStringLiteral("400"));
        w().Option1[1]->click();
        QCOMPARE(w().lblPayOut->text(), QStringLiteral("$200.00"));
        QCOMPARE(w().Label6[4]->text(), QStringLiteral("PayOut Per Half"));
        QCOMPARE(w().lblAmountPer->text(), QStringLiteral("$4.00"));
        QVERIFY(!w().Option1[2]->isChecked());
    }

    void anAmountThatIsNotANumberIsRefused()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        open();
        enterAmount(QStringLiteral("300"));
        enterAmount(QStringLiteral("lots"));
        QCOMPARE(m_window->messages().size(), 1);
        QCOMPARE(w().txtPoolAmount->text(), QStringLiteral("$300.00"));
        QCOMPARE(w().lblPayOut->text(), QStringLiteral("$75.00"));
    }

    void aStoredAmountThatIsNotANumberLoadsAsZero()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_data = std::make_unique<TestData>();
        PoolValues pool = samplePool("01/01/2025", "A", "B");
        pool.insert("PoolAmount", "a lot");
        m_data->addPool(pool);
        m_window = std::make_unique<TestWindow>(*m_data);
        QVERIFY(m_window->messages().isEmpty());
        QCOMPARE(w().txtPoolAmount->text(), QStringLiteral("$0.00"));
        QCOMPARE(w().lblPayOut->text(), QStringLiteral("$0.00"));
    }

    void lockedPoolRefusesButLoadsQuietly()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_data = std::make_unique<TestData>();
        PoolValues pool = samplePool("01/01/2025", "A", "B");
        pool.insert("PoolAmount", "$800.00");
        pool.insert("Password", "pw");
        m_data->addPool(pool);
        m_window = std::make_unique<TestWindow>(*m_data);
        QVERIFY(m_window->messages().isEmpty());
        QCOMPARE(w().lblPayOut->text(), QStringLiteral("$200.00"));
        w().txtPoolAmount_LostFocus();
        w().Option1_Click(0);
        QCOMPARE(m_window->messages(),
                 (QStringList{frmScore::kLockMessage, frmScore::kLockMessage}));
        QCOMPARE(w().lblPayOut->text(), QStringLiteral("$200.00"));
    }

private:
    void open()
    {
        m_data = std::make_unique<TestData>();
        m_window = std::make_unique<TestWindow>(*m_data);
    }
    frmScore &w() { return m_window->w(); }

    // Types into the pool amount box and leaves it, as a user does.
    void enterAmount(const QString &text)
    {
        w().txtPoolAmount->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w().txtPoolAmount->hasFocus());
        w().txtPoolAmount->selectAll();
        QTest::keyClicks(w().txtPoolAmount, text);
        w().Imput[0]->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!w().txtPoolAmount->hasFocus());
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestMoney)
#include "test_money.moc"
