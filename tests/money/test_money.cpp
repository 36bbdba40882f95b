// Money in the user's locale: reading what users type and what the program
// wrote, and the pool amount, amount per square and payout in the window.
#include "money/money.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { m_window.reset(), m_data.reset(), QLocale::setDefault(QLocale::c()); }

    void readsWhatUsersTypeAndTheProgramWrote_data() // a value of NaN: refused
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const QString us = "en_US", de = "de_DE";
        QTest::newRow("cleared board") << us << "$000.00" << 0.0;
        QTest::newRow("blanks around") << us << "  $62.50 " << 62.5;
        QTest::newRow("german plain") << de << "250,00" << 250.0;
        QTest::newRow("german cleared board") << de << "$000.00" << 0.0;
        QTest::newRow("german iso code") << de << "EUR 12,50" << 12.5;
        QTest::newRow("swiss-written, read in de_DE") << de << "1’234.50 CHF" << 1234.5;
        QTest::newRow("german whole euros") << de << "500,-" << 500.0;
        QTest::newRow("german whole euros, point") << de << "500.- €" << 500.0;
        QTest::newRow("german grouped with cents") << de << "1.000,50" << 1000.5;
        const double refused = qQNaN();
        QTest::newRow("refused: empty") << us << "" << refused;
        QTest::newRow("refused: letters") << us << "abc" << refused;
        QTest::newRow("refused: symbol only") << us << "$" << refused;
        QTest::newRow("refused: two numbers") << us << "12 34x" << refused;
        QTest::newRow("refused: double minus") << us << "--5" << refused;
        QTest::newRow("refused: a foreign figure is not guessed") << us << "250,00" << refused;
    }
    void readsWhatUsersTypeAndTheProgramWrote()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = Money::read(text, QLocale(locale));
        QCOMPARE(read.has_value(), !qIsNaN(value));
        if (read)
            QCOMPARE(*read, value);
    }

    // An amount the program wrote under any locale reads back as itself under
    // every one, its own included.
    void writtenInOneLocaleReadsInAnother()
    {
        const QStringList names{"en_US", "en_GB", "en_IN", "de_DE", "de_CH", "fr_FR", "sv_SE", "C"};
        for (const QString &writer : names) {
            for (const double value : {1234567.5, -250.1, 0.05}) {
                const QString written = Money::currency(value, QLocale(writer));
                for (const QString &reader : names)
                    QVERIFY2(Money::read(written, QLocale(reader)) == value,
                             qPrintable(written + " in " + reader));
            }
        }
    }

    void amountsFollowThePool_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("period");        // Option1 index: game, half, quarter
        QTest::addColumn<QStringList>("shown"); // pool, per square, payout, caption
        const auto row = [](const char *tag, const char *locale, const char *typed, int period,
                            const QStringList &shown) {
            QTest::newRow(tag) << QString(locale) << QString(typed) << period << shown;
        };
        const QString q = "PayOut Per Quarter", h = "PayOut Per Half", g = "PayOut Game";
        row("quarter", "en_US", "250", 2, {"$250.00", "$2.50", "$62.50", q});
        row("C locale counts as en_US", "C", "250", 2, {"$250.00", "$2.50", "$62.50", q});
        row("half", "en_US", "250", 1, {"$250.00", "$2.50", "$125.00", h});
        row("game", "en_US", "250", 0, {"$250.00", "$2.50", "$250.00", g});
        row("grouped", "en_US", "1,000", 2, {"$1,000.00", "$10.00", "$250.00", q});
        row("again", "en_US", "$1,000.00", 2, {"$1,000.00", "$10.00", "$250.00", q});
        row("cents round", "en_US", "10.556", 0, {"$10.56", "$0.11", "$10.56", g});
        // Halves of a cent round away from zero, from the exact decimal value.
        row("payout, half a cent", "en_US", "250.10", 2, {"$250.10", "$2.50", "$62.53", q});
        row("payout, 62.575", "en_US", "250.30", 2, {"$250.30", "$2.50", "$62.58", q});
        row("per square, half a cent", "en_US", "100.50", 0, {"$100.50", "$1.01", "$100.50", g});
        row("per square, 0.625", "en_US", "62.50", 0, {"$62.50", "$0.63", "$62.50", g});
        row("typed half a cent", "en_US", "62.525", 0, {"$62.53", "$0.63", "$62.53", g});
        row("typed 1.005", "en_US", "1.005", 0, {"$1.01", "$0.01", "$1.01", g});
        row("german", "de_DE", "250", 2, {"250,00\u00A0€", "2,50\u00A0€", "62,50\u00A0€", q});
        row("german grouped", "de_DE", "1.000", 1,
            {"1.000,00\u00A0€", "10,00\u00A0€", "500,00\u00A0€", h});
    }
    void amountsFollowThePool()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(int, period);
        QFETCH(QStringList, shown);
        open(locale);
        w().Option1[period]->setChecked(true);
        enterAmount(typed);
        QCOMPARE(amounts(), shown);
        QVERIFY(m_window->messages().isEmpty());
        w().ClearBoard(); // the locale's zero; "$000.00" as ever for dollars
        QCOMPARE(w().txtPoolAmount->text(), locale == "de_DE" ? u"0,00\u00A0€"_s : u"$000.00"_s);
    }

    void aRefusedAmountKeepsTheLastOneAndThePeriodChangesOnlyThePayout_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no number") << "lots";
        QTest::newRow("negative") << "-100";
        QTest::newRow("negative in parentheses") << "($50.00)";
    }
    void aRefusedAmountKeepsTheLastOneAndThePeriodChangesOnlyThePayout()
    {
        QFETCH(QString, typed);
        open();
        enterAmount("300");
        enterAmount(typed);
        QCOMPARE(m_window->messages(), QStringList{"The pool amount must be a number of 0 or "
                                                   "more, such as 250 or 1,000.00."});
        QCOMPARE(Money::examples(QLocale("de_DE")), u"250 or 1.000,00"_s);
        QCOMPARE(amounts(), (QStringList{"$300.00", "$3.00", "$75.00", "PayOut Per Quarter"}));
        w().Option1[1]->click();
        QCOMPARE(amounts(), (QStringList{"$300.00", "$3.00", "$150.00", "PayOut Per Half"}));
        QVERIFY(!w().Option1[2]->isChecked());
    }

    void bigAmountsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"en_US", "en_IN", "de_DE", "de_CH", "fr_FR"})
            QTest::newRow(locale) << locale;
    }
    // The whole figure shows, whatever the locale writes around it.
    void bigAmountsFitTheirBoxes()
    {
        QFETCH(QString, locale);
        open(locale);
        w().Option1[0]->setChecked(true); // the payout is the whole pool
        enterAmount(QLocale(locale).toString(999999999.99, 'f', 2));
        QCOMPARE(w().txtPoolAmount->text(), Money::currency(999999999.99, QLocale(locale)));
        QCOMPARE(w().lblPayOut->text(), w().txtPoolAmount->text());
        // A line edit keeps 4 pixels of frame and margin on each side.
        for (QWidget *box : QList<QWidget *>{w().txtPoolAmount, w().lblAmountPer, w().lblPayOut}) {
            const QString text = box->property("text").toString();
            const int room = box->width() - (box == w().txtPoolAmount ? 8 : 0);
            QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(text) <= room, qPrintable(text));
        }
    }

    // A load never shows a message; an amount written under another locale
    // reads as itself.
    void storedAmountsLoadQuietly()
    {
        open("en_US", {{"a lot", ""}, {"-100", ""}, {"250,00 €", ""}, {"lots", "pw"}});
        QCOMPARE(amounts(), (QStringList{"a lot", "$0.00", "$0.00", "PayOut Per Quarter"}));
        w().cmdNext->click(); // a negative pool is none
        QCOMPARE(amounts(), (QStringList{"-100", "$0.00", "$0.00", "PayOut Per Quarter"}));
        w().txtPoolAmount->setFocus();
        w().cmdNext->click();
        QCOMPARE(amounts(), (QStringList{"$250.00", "$2.50", "$62.50", "PayOut Per Quarter"}));
        w().txtPoolAmount->setFocus(); // the load disables it under the cursor
        w().cmdNext->click();
        QCOMPARE(m_window->messages(), QStringList());
        QCOMPARE(w().txtPoolAmount->text(), u"lots"_s);
    }

private:
    // Opens the window on pools of the given amounts and passwords.
    void open(const QString &locale = "en_US", const QList<QStringList> &pools = {})
    {
        QLocale::setDefault(QLocale(locale));
        m_data = std::make_unique<TestData>();
        for (const QStringList &stored : pools) {
            PoolValues pool = samplePool("01/01/2025", "A", "B");
            pool.insert({{"PoolAmount", stored[0]}, {"Password", stored[1]}});
            m_data->addPool(pool);
        }
        m_window = std::make_unique<TestWindow>(*m_data);
    }
    frmScore &w() { return m_window->w(); }
    QStringList amounts()
    {
        return {w().txtPoolAmount->text(), w().lblAmountPer->text(), w().lblPayOut->text(),
                w().Label6[4]->text()};
    }

    // Types into the pool amount box and leaves it, as a user does.
    void enterAmount(const QString &text)
    {
        w().txtPoolAmount->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w().txtPoolAmount->hasFocus());
        w().txtPoolAmount->selectAll();
        for (const QChar key : text) // "’" and "€" too
            QTest::sendKeyEvent(QTest::Click, w().txtPoolAmount, Qt::Key_unknown, QString(key),
                                Qt::NoModifier);
        w().Imput[0]->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!w().txtPoolAmount->hasFocus());
    }

    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestMoney)
#include "test_money.moc"
