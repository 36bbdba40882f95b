#include "winnings.h"

#include "board/boardrules.h"
#include "ledger.h"
#include "money/money.h"

namespace Winnings {

Payout::Plan planOf(const Pool &pool)
{
    if (pool.plan)
        return *pool.plan;
    const int preset = pool.perQuarter ? 0 : pool.perHalf ? 1 : pool.perGame ? 2 : 0;
    return {Payout::presets()[preset].shares, Payout::Unsold::Unpaid, 0};
}

std::array<std::optional<Payout::Result>, 4> resultsOf(const Pool &pool)
{
    std::array<std::optional<Payout::Result>, 4> results;
    const QStringList headers = pool.headerTexts();
    const QStringList columns = headers.mid(0, BoardRules::kDigits);
    const QStringList rows = headers.mid(BoardRules::kDigits);
    const QStringList squares = pool.squareTexts();
    for (size_t p = 0; p < 4; ++p) {
        if (const auto &scores = pool.scores[p]) {
            const auto square =
                BoardRules::winningSquare(columns, rows, (*scores)[0], (*scores)[1]);
            const auto reverse =
                BoardRules::winningSquare(columns, rows, (*scores)[1], (*scores)[0]);
            if (square && reverse)
                results[p] = Payout::Result{*square, *reverse};
            continue;
        }
        const QString key = Ledger::keyOf(Pool::text(pool.winners[p]));
        if (key.isEmpty())
            continue;
        const auto first = std::find_if(squares.begin(), squares.end(),
                                        [&](const QString &s) { return Ledger::keyOf(s) == key; });
        if (first != squares.end()) {
            const int square = int(first - squares.begin());
            results[p] = Payout::Result{square, square};
        }
    }
    return results;
}

QList<Payout::Prize> prizesOf(const Pool &pool)
{
    std::array<bool, 100> sold{};
    for (size_t k = 0; k < sold.size(); ++k)
        sold[k] = BoardRules::isTaken(Pool::text(pool.squares[k]));
    return Payout::prizes(Money::poolCents(Pool::text(pool.amount)), planOf(pool), resultsOf(pool),
                          sold);
}

QHash<QString, qint64> byPlayer(const Pool &pool, const QList<Payout::Prize> &prizes)
{
    QHash<QString, qint64> won;
    for (const Payout::Prize &prize : prizes)
        if (prize.square >= 0)
            won[Ledger::keyOf(Pool::text(pool.squares[size_t(prize.square)]))] += prize.cents;
    return won;
}

} // namespace Winnings
