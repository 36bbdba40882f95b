#pragma once

#include "pool/pool.h"

class PoolDatabase;

// A pool's payout plan, the scores of each period and the draws of its
// digits, kept in tables of their own beside the pools, made the first time
// a pool holds any:
// older pool files work unchanged and the pool table is never altered.
// Failures throw PoolError.
namespace PayoutData {

// Fills the pool's plan, period scores and draws from the file; none where
// the tables do not exist yet.
void load(PoolDatabase &db, Pool &pool);
// Within the caller's transaction: stores the pool's plan, scores and draws
// under its key, and removes those it no longer holds.
void store(PoolDatabase &db, qint64 id, const Pool &pool);
// Within the caller's transaction: the side data of a pool that goes.
void dropPool(PoolDatabase &db, qint64 id);

} // namespace PayoutData
