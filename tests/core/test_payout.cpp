// The prizes of a pool under every kind of plan, in whole cents that add up
// to the pool. Links the core library only.
#include "pool/payout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Payout::Prize;

class TestPayout : public QObject
{
    Q_OBJECT

private slots:
    void prizes_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("plan");   // shares in %, the unsold rule, the reverse share
        QTest::addColumn<QString>("played"); // square/reverse a period; "-": not played
        QTest::addColumn<QString>("sold");   // the squares bought; "all but ..." or "only ..."
        QTest::addColumn<QString>("prizes"); // period, W/R/O/S/U, square=cents
        const QString all = u"1/10 2/20 3/30 4/40"_s;
        // clang-format off
        QTest::newRow("quarters, odd cents to the final") << 25010LL << "25 25 25 25 roll 0" << all << "all but" << "1W1=6252 2W2=6252 3W3=6252 4W4=6254";
        QTest::newRow("halves") << 25010LL << "0 50 0 50 roll 0" << all << "all but" << "2W2=12505 4W4=12505";
        QTest::newRow("12.5/25/12.5/50") << 10001LL << "12.5 25 12.5 50 roll 0" << all << "all but" << "1W1=1250 2W2=2500 3W3=1250 4W4=5001";
        QTest::newRow("roll over one") << 10000LL << "25 25 25 25 roll 0" << all << "all but 1" << "2W2=2500 2O2=2500 3W3=2500 4W4=2500";
        QTest::newRow("roll over three") << 10000LL << "25 25 25 25 roll 0" << all << "all but 1 2 3" << "4W4=2500 4O4=7500";
        QTest::newRow("the final unsold: split") << 10000LL << "25 25 25 25 roll 0" << all << "only 1 2 3" << "1W1=2500 2W2=2500 3W3=2500 4S1=834 4S2=833 4S3=833";
        QTest::newRow("all four unsold") << 10000LL << "25 25 25 25 roll 0" << all << "only 7 8" << "4S7=5000 4S8=5000";
        QTest::newRow("nobody bought a square") << 10000LL << "25 25 25 25 roll 0" << all << "only" << "4U=10000";
        QTest::newRow("half time unsold rolls past the third quarter") << 10000LL << "0 50 0 50 roll 0" << "- 2/20 - 4/40" << "all but 2" << "4W4=5000 4O4=5000";
        QTest::newRow("split at once") << 10000LL << "25 25 25 25 split 0" << all << "only 2 3 4" << "1S2=834 1S3=833 1S4=833 2W2=2500 3W3=2500 4W4=2500";
        QTest::newRow("handed back") << 10000LL << "25 25 25 25 unpaid 0" << all << "all but 1" << "1U=2500 2W2=2500 3W3=2500 4W4=2500";
        QTest::newRow("reverse winners") << 10000LL << "25 25 25 25 roll 20" << "1/2 2/5 3/3 4/40" << "all but" << "1R2=500 1W1=2000 2R5=500 2W2=2000 3W3=2500 4R40=500 4W4=2000";
        QTest::newRow("reverse square unsold") << 10000LL << "25 25 25 25 roll 20" << all << "all but 10" << "1W1=2500 2R20=500 2W2=2000 3R30=500 3W3=2000 4R40=500 4W4=2000";
        QTest::newRow("reverse of an unsold winner") << 10000LL << "25 25 25 25 roll 20" << all << "all but 1" << "1R10=500 2R20=500 2W2=2000 2O2=2000 3R30=500 3W3=2000 4R40=500 4W4=2000";
        QTest::newRow("not played yet") << 10000LL << "25 25 25 25 roll 0" << "1/10 - - -" << "all but" << "1W1=2500";
        QTest::newRow("no amount") << 0LL << "25 25 25 25 roll 0" << all << "all but" << "";
        // clang-format on
    }
    void prizes()
    {
        QFETCH(qint64, cents);
        QFETCH(QString, plan);
        QFETCH(QString, played);
        QFETCH(QString, sold);
        const QStringList words = plan.split(u' ');
        Payout::Plan p;
        for (int i = 0; i < 4; ++i)
            p.shares[size_t(i)] = qRound(words[i].toDouble() * 100);
        p.unsold = words[4] == u"roll"_s    ? Payout::Unsold::RollOver
                   : words[4] == u"split"_s ? Payout::Unsold::SplitAmongSold
                                            : Payout::Unsold::Unpaid;
        p.reverseShare = words[5].toInt() * 100;
        std::array<std::optional<Payout::Result>, 4> results;
        const QStringList periods = played.split(u' ');
        for (int i = 0; i < 4; ++i)
            if (periods[i] != u"-"_s)
                results[size_t(i)] = {periods[i].section(u'/', 0, 0).toInt(),
                                      periods[i].section(u'/', 1).toInt()};
        std::array<bool, 100> bought;
        bought.fill(sold.startsWith(u"all"_s));
        for (const QString &square :
             sold.section(u' ', sold.startsWith(u"all"_s) ? 2 : 1).split(u' ', Qt::SkipEmptyParts))
            bought[size_t(square.toInt())] = !sold.startsWith(u"all"_s);
        const QList<Prize> got = Payout::prizes(cents, p, results, bought);
        QStringList shown;
        qint64 sum = 0;
        for (const Prize &prize : got) {
            shown << u"%1%2%3=%4"_s.arg(prize.period + 1)
                         .arg(QChar(u"WROSU"[int(prize.kind)]))
                         .arg(prize.square < 0 ? QString() : QString::number(prize.square))
                         .arg(prize.cents);
            sum += prize.cents;
        }
        QTEST(shown.join(u' '), "prizes");
        if (!played.contains(u'-'))
            QCOMPARE(sum, cents); // to the cent
    }

    void plans()
    {
        for (const Payout::Preset &preset : Payout::presets())
            QVERIFY2(Payout::Plan{preset.shares}.problem().isEmpty(), preset.name);
        const auto plan = [](std::array<int, 4> shares, int reverse = 0) {
            return Payout::Plan{shares, Payout::Unsold::RollOver, reverse}.problem();
        };
        QCOMPARE(plan({2500, 2500, 2500, 2499}),
                 u"The four shares must add up to 100 %; they add up to 99.99 %."_s);
        QVERIFY(!plan({-100, 5000, 100, 5000}).isEmpty());
        QVERIFY(!plan({2500, 2500, 2500, 2500}, 10001).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPayout)
#include "test_payout.moc"
