// The season as CSV, written into a buffer and read back by a reader of
// the format's own rules: every field as stored, names that would run as
// spreadsheet formulas kept as text, Null columns empty.
#include "store/poolrepository.h"
#include "store/poolstore.h"
#include "store/seasoncsv.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// RFC 4180: fields split by commas, records by CR LF; a quoted field may
// hold commas, line breaks and doubled quotes.
QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && text.mid(i + 1, 1) == u"\""_s)
                field += c, ++i;
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == u',' || (c == u'\r' && text.mid(i + 1, 1) == u"\n"_s)) {
            records.last() << field;
            field.clear(), wasQuoted = false;
            if (c == u'\r')
                records << QStringList(), ++i;
        } else {
            field += c;
        }
    }
    records.removeLast(); // after the last CR LF
    return records;
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void theSeasonReadsBackFieldByField()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QTemporaryDir dir;
        PoolDatabase::create(PoolStore::poolFilePath(dir.path()));
        PoolStore store;
        store.OpenDB(dir.path());
        PoolRepository repository(store.database());
        Pool pool;
        pool.date = u"09/14/2025"_s;
        pool.team1 = u"=HYPERLINK(\"x\")"_s;
        pool.team2 = u"Dallas, \"the\" Cowboys"_s;
        pool.amount = u"$250.10"_s;
        pool.perHalf = true;
        pool.password = u"pw"_s;
        const QString names[] = {u"Ann"_s, u"Bo\nLine"_s, u"+1"_s, u"-2"_s, u"@x"_s, u" ann "_s};
        for (int k = 0; k < 6; ++k)
            pool.squares[size_t(k)] = names[k];
        for (int i = 0; i < 20; ++i)
            pool.headers[size_t(i)] = QString::number(i % 10); // square 10 r + c
        pool.plan = Payout::Plan{{0, 5000, 0, 5000}, Payout::Unsold::SplitAmongSold, 1250};
        pool.scores[3] = {u"10"_s, u"21"_s}; // square 1: Bo's, the reverse square 10 unsold
        repository.save(pool);
        Pool nulls;
        nulls.date = u"10/05/2025"_s;
        repository.save(nulls);

        QBuffer pools, players;
        pools.open(QIODevice::WriteOnly), players.open(QIODevice::WriteOnly);
        QVERIFY(SeasonCsv::writePools(store.database(), pools));
        QVERIFY(SeasonCsv::writePlayers(store.database(), players));
        QCOMPARE(readCsv(QString::fromUtf8(pools.data())),
                 (QList<QStringList>{
                     {"Pool", "Date", "Team 1", "Team 2", "Amount", "Payout", "Shares",
                      "Unsold square", "Reverse share", "Locked", "Squares sold"},
                     {"1", "09/14/2025", "'=HYPERLINK(\"x\")", "Dallas, \"the\" Cowboys", "250.10",
                      "Half", "0/50/0/50", "split among sold", "12.5", "yes", "6"},
                     {"2", "10/05/2025", "", "", "0.00", "", "", "", "", "no", "0"}}));
        // The final's $125.05 goes to Bo: no one bought the reverse square.
        // (The players' order is the locale's, which leaves out the signs.)
        QList<QStringList> read = readCsv(QString::fromUtf8(players.data()));
        std::sort(read.begin() + 1, read.end());
        QCOMPARE(read, (QList<QStringList>{
                           {"Pool", "Date", "Player", "Squares", "Owes", "Paid", "Won"},
                           {"1", "09/14/2025", "'+1", "1", "2.50", "0.00", "0.00"},
                           {"1", "09/14/2025", "'-2", "1", "2.50", "0.00", "0.00"},
                           {"1", "09/14/2025", "'@x", "1", "2.50", "0.00", "0.00"},
                           {"1", "09/14/2025", "Ann", "2", "5.00", "0.00", "0.00"},
                           {"1", "09/14/2025", "Bo\nLine", "1", "2.50", "0.00", "125.05"}}));
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
