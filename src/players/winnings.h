#pragma once

#include "pool/payout.h"
#include "pool/pool.h"

#include <QHash>

// What a pool has paid so far, read from the pool as stored: its plan, the
// digits and each period's scores. The ledger, its print and the board's
// tint all ask here, so that they name the same winners and the same cents.
namespace Winnings {

// The pool's own plan, or the one its payout option stands for; a pool
// without a plan of its own leaves an unsold winning square's prize
// unpaid, as boards always have.
Payout::Plan planOf(const Pool &pool);

// Each period's winning square and its swapped-digit square, from the
// period's scores and the digits; nothing for a period without scores or
// digits. A period of an older pool that holds a winner's name but no
// scores is taken as won by the first square of that name.
std::array<std::optional<Payout::Result>, 4> resultsOf(const Pool &pool);

QList<Payout::Prize> prizesOf(const Pool &pool);

// Each player's winnings, by ledger key.
QHash<QString, qint64> byPlayer(const Pool &pool, const QList<Payout::Prize> &prizes);

} // namespace Winnings
