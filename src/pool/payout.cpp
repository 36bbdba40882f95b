#include "payout.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>

namespace Payout {
namespace {

QString percent(int hundredths)
{
    return QString::number(hundredths / 100.0, 'g', 6) + QStringLiteral(" %");
}

// Splits cents among the sold squares, the odd cents one each to the
// first; handed back when nobody bought a square.
void split(QList<Prize> &out, int period, qint64 cents, const std::array<bool, 100> &sold)
{
    const int count = int(std::count(sold.begin(), sold.end(), true));
    if (cents <= 0)
        return;
    if (count == 0) {
        out << Prize{period, -1, cents, Prize::Kind::Unpaid};
        return;
    }
    qint64 odd = cents % count;
    for (int square = 0; square < 100; ++square)
        if (sold[size_t(square)])
            out << Prize{period, square, cents / count + (odd-- > 0 ? 1 : 0), Prize::Kind::Split};
}

} // namespace

QString Plan::problem() const
{
    const int sum = std::accumulate(shares.begin(), shares.end(), 0);
    for (int share : shares)
        if (share < 0)
            return QCoreApplication::translate("Payout", "A period's share cannot be below 0 %.");
    if (sum != 10000)
        return QCoreApplication::translate(
                   "Payout", "The four shares must add up to 100 %; they add up to %1.")
            .arg(percent(sum));
    if (reverseShare < 0 || reverseShare > 10000)
        return QCoreApplication::translate("Payout",
                                           "The reverse share must be from 0 % to 100 %.");
    return {};
}

QString periodName(int period)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("Payout", "First quarter"), QT_TRANSLATE_NOOP("Payout", "Half time"),
        QT_TRANSLATE_NOOP("Payout", "Third quarter"), QT_TRANSLATE_NOOP("Payout", "Final")};
    return QCoreApplication::translate("Payout", names[std::clamp(period, 0, 3)]);
}

const QList<Preset> &presets()
{
    static const QList<Preset> all{{"Quarter", {2500, 2500, 2500, 2500}},
                                   {"Half", {0, 5000, 0, 5000}},
                                   {"Game", {0, 0, 0, 10000}},
                                   {"20/20/20/40", {2000, 2000, 2000, 4000}},
                                   {"10/20/30/40", {1000, 2000, 3000, 4000}},
                                   {"12.5/25/12.5/50", {1250, 2500, 1250, 5000}}};
    return all;
}

std::array<qint64, 4> periodPrizes(qint64 poolCents, const Plan &plan)
{
    std::array<qint64, 4> own{};
    int latest = -1;
    for (int p = 0; p < 4; ++p) {
        own[size_t(p)] = poolCents * plan.shares[size_t(p)] / 10000;
        latest = plan.shares[size_t(p)] > 0 ? p : latest;
    }
    if (latest >= 0)
        own[size_t(latest)] += poolCents - std::accumulate(own.begin(), own.end(), qint64(0));
    return own;
}

QList<Prize> prizes(qint64 poolCents, const Plan &plan,
                    const std::array<std::optional<Result>, 4> &played,
                    const std::array<bool, 100> &sold)
{
    QList<Prize> out;
    if (poolCents <= 0 || !plan.problem().isEmpty())
        return out;
    const std::array<qint64, 4> own = periodPrizes(poolCents, plan);
    int last = 3; // the last period with a share: what rolls past it is split
    while (plan.shares[size_t(last)] == 0)
        --last;
    qint64 carried = 0;
    for (int p = 0; p < 4; ++p) {
        if (plan.shares[size_t(p)] == 0)
            continue; // no prize of its own, and none rolls on to it
        const std::optional<Result> &result = played[size_t(p)];
        if (!result) { // not played yet: what it would pay is not paid yet
            carried = 0;
            continue;
        }
        qint64 prize = own[size_t(p)];
        const bool wins = sold[size_t(result->square)];
        if (prize > 0 && plan.reverseShare > 0 && result->reverse != result->square &&
            sold[size_t(result->reverse)]) {
            const qint64 reverse = prize * plan.reverseShare / 10000;
            out << Prize{p, result->reverse, reverse, Prize::Kind::Reverse};
            prize -= reverse;
        }
        if (wins) {
            if (prize > 0)
                out << Prize{p, result->square, prize, Prize::Kind::Winner};
            if (carried > 0)
                out << Prize{p, result->square, carried, Prize::Kind::RolledOver};
            carried = 0;
            continue;
        }
        const qint64 unwon = prize + carried;
        carried = 0;
        if (plan.unsold == Unsold::RollOver && p < last)
            carried = unwon;
        else if (plan.unsold == Unsold::Unpaid)
            out << Prize{p, -1, unwon, Prize::Kind::Unpaid};
        else
            split(out, p, unwon, sold);
    }
    out.removeIf([](const Prize &prize) { return prize.cents <= 0; });
    return out;
}

} // namespace Payout
