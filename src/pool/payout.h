#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

// How a pool's money goes to the winners of its four periods: the first
// quarter, half time, the third quarter and the final. Organisers split a
// pool in many ways and answer a winning square nobody bought in several;
// the plan says which, and the prizes it gives are whole cents that add up
// to the pool. A function of its inputs alone, so that the ledger, its
// print and the tests all count the same money.
namespace Payout {

// What becomes of a prize whose winning square nobody bought.
enum class Unsold
{
    RollOver,       // to the next period with a share; the final's is split
    SplitAmongSold, // among every sold square, a cent at a time
    Unpaid          // handed back by the organiser
};

struct Plan
{
    // Each period's share of the pool in hundredths of a percent (12.5 %
    // is 1250); the four add up to 10,000.
    std::array<int, 4> shares{2500, 2500, 2500, 2500};
    Unsold unsold = Unsold::RollOver;
    // The share of each period's prize that goes to the square of the
    // swapped digits, in hundredths of a percent; 0 for none.
    int reverseShare = 0;

    bool operator==(const Plan &) const = default;
    // What is wrong with the plan, as the user is told it; empty when sound.
    QString problem() const;
};

struct Preset
{
    const char *name;
    std::array<int, 4> shares;
};
// A period's name as the user reads it: "First quarter", "Half time",
// "Third quarter", "Final".
QString periodName(int period);

// Per quarter, per half and per game first, as the payout options choose
// them, then the splits that weight the final.
const QList<Preset> &presets();

// Each period's own prize: its share rounded down, the odd cents to the
// latest period with a share, so that the four add up to the pool.
std::array<qint64, 4> periodPrizes(qint64 poolCents, const Plan &plan);

// A period's winning square and the square of its swapped digits.
struct Result
{
    int square = 0, reverse = 0;
};

struct Prize
{
    enum class Kind
    {
        Winner,     // the period's own prize
        Reverse,    // the swapped digits' part of it
        RolledOver, // what earlier periods rolled on to this winner
        Split,      // a sold square's part of a prize nobody won
        Unpaid      // handed back; square is -1
    };
    int period = 0;
    int square = -1;
    qint64 cents = 0;
    Kind kind = Kind::Winner;

    bool operator==(const Prize &) const = default;
};

// The prizes of the periods played so far (nullopt: not played yet), in
// the order of the periods. Once every period with a share is played, they
// add up to the pool.
QList<Prize> prizes(qint64 poolCents, const Plan &plan,
                    const std::array<std::optional<Result>, 4> &played,
                    const std::array<bool, 100> &sold);

} // namespace Payout
