#include "seasoncsv.h"

#include "board/boardrules.h"
#include "money/money.h"
#include "players/ledger.h"
#include "players/payments.h"
#include "players/winnings.h"
#include "pooldatabase.h"
#include "poolrepository.h"

#include <QIODevice>
#include <QSqlQuery>

namespace SeasonCsv {
namespace {

// Amounts as plain decimals, the same in every locale, so that a
// spreadsheet reads them as numbers.
QString amount(qint64 cents)
{
    return QString::number(cents / 100) + QLatin1Char('.') +
           QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
}

QString percent(int hundredths)
{
    return QString::number(hundredths / 100.0, 'g', 6);
}

QList<qint64> poolIds(PoolDatabase &db)
{
    QList<qint64> ids;
    QSqlQuery &query = db.prepared(QStringLiteral("SELECT ID FROM Football ORDER BY ID"));
    db.run(query);
    while (query.next())
        ids << query.value(0).toLongLong();
    query.finish();
    return ids;
}

// Writes the heading, then the rows each pool gives.
template <typename Rows>
bool write(PoolDatabase &db, QIODevice &out, const QStringList &heading, Rows rows)
{
    if (out.write(line(heading)) < 0)
        return false;
    PoolRepository repository(db);
    for (qint64 id : poolIds(db)) {
        const Pool pool = repository.load(id);
        for (const QStringList &row : rows(pool))
            if (out.write(line(row)) < 0)
                return false;
    }
    return true;
}

QString payoutOption(const Pool &pool)
{
    return pool.perQuarter ? QStringLiteral("Quarter")
           : pool.perHalf  ? QStringLiteral("Half")
           : pool.perGame  ? QStringLiteral("Game")
                           : QString();
}

} // namespace

QString field(const QString &text)
{
    QString value = text;
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!value.isEmpty() && kFormulaStarts.contains(value.front()))
        value.prepend(QLatin1Char('\''));
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
        value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        value = QLatin1Char('"') + value.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                QLatin1Char('"');
    return value;
}

QByteArray line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted << field(text);
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

bool writePools(PoolDatabase &db, QIODevice &out)
{
    const QStringList heading{"Pool",          "Date",   "Team 1",      "Team 2",
                              "Amount",        "Payout", "Shares",      "Unsold square",
                              "Reverse share", "Locked", "Squares sold"};
    return write(db, out, heading, [](const Pool &pool) {
        QStringList plan{QString(), QString(), QString()};
        if (pool.plan) {
            QStringList shares;
            for (int share : pool.plan->shares)
                shares << percent(share);
            static const char *const unsold[] = {"roll over", "split among sold", "unpaid"};
            plan = {shares.join(QLatin1Char('/')),
                    QString::fromLatin1(unsold[int(pool.plan->unsold)]),
                    percent(pool.plan->reverseShare)};
        }
        return QList<QStringList>{
            QStringList{QString::number(pool.id), Pool::text(pool.date), Pool::text(pool.team1),
                        Pool::text(pool.team2), amount(Money::poolCents(Pool::text(pool.amount))),
                        payoutOption(pool)} +
            plan +
            QStringList{pool.isLocked() ? QStringLiteral("yes") : QStringLiteral("no"),
                        QString::number(BoardRules::countTaken(pool.squareTexts()))}};
    });
}

bool writePlayers(PoolDatabase &db, QIODevice &out)
{
    const QStringList heading{"Pool", "Date", "Player", "Squares", "Owes", "Paid", "Won"};
    return write(db, out, heading, [&db](const Pool &pool) {
        const qint64 perSquare = Money::share(Money::poolCents(Pool::text(pool.amount)), 100);
        const auto paid = Payments::paymentsOf(db, pool.id);
        const QHash<QString, qint64> won = Winnings::byPlayer(pool, Winnings::prizesOf(pool));
        QList<QStringList> rows;
        for (const Ledger::Player &player : Ledger::playersOf(pool.squareTexts())) {
            const QString key = Ledger::keyOf(player.name);
            const qint64 owed = Money::times(perSquare, double(player.squares.size()));
            const qint64 paidCents = !paid.contains(key) ? 0 : paid.value(key).value_or(owed);
            rows << QStringList{QString::number(pool.id),
                                Pool::text(pool.date),
                                player.name,
                                QString::number(player.squares.size()),
                                amount(owed),
                                amount(paidCents),
                                amount(won.value(key))};
        }
        return rows;
    });
}

} // namespace SeasonCsv
