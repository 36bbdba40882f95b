#include "payoutdata.h"

#include "pooldatabase.h"

#include <QSqlQuery>
#include <QVariant>

namespace PayoutData {
namespace {

const QString kCreatePlans = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS PayoutPlans (PoolID INTEGER PRIMARY KEY, Share1 INTEGER NOT NULL, "
    "Share2 INTEGER NOT NULL, Share3 INTEGER NOT NULL, Share4 INTEGER NOT NULL, "
    "Unsold INTEGER NOT NULL, Reverse INTEGER NOT NULL)");
const QString kCreateScores = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS PeriodScores (PoolID INTEGER NOT NULL, Period INTEGER NOT NULL, "
    "Score1 TEXT NOT NULL, Score2 TEXT NOT NULL, PRIMARY KEY (PoolID, Period))");
const QString kCreateDraws = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS DigitDraws (PoolID INTEGER NOT NULL, Drawn TEXT NOT NULL, "
    "Digits TEXT NOT NULL)");
const QString kTables =
    QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND name IN "
                   "('PayoutPlans', 'PeriodScores', 'DigitDraws')");
const QString kDraws =
    QStringLiteral("SELECT Drawn, Digits FROM DigitDraws WHERE PoolID = ? ORDER BY rowid");
const QString kAddDraw =
    QStringLiteral("INSERT INTO DigitDraws (PoolID, Drawn, Digits) VALUES (?, ?, ?)");
const QString kDropDraws = QStringLiteral("DELETE FROM DigitDraws WHERE PoolID = ?");
const QString kPlan = QStringLiteral(
    "SELECT Share1, Share2, Share3, Share4, Unsold, Reverse FROM PayoutPlans WHERE PoolID = ?");
const QString kSetPlan = QStringLiteral("INSERT OR REPLACE INTO PayoutPlans (PoolID, Share1, "
                                        "Share2, Share3, Share4, Unsold, Reverse) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?)");
const QString kScores =
    QStringLiteral("SELECT Period, Score1, Score2 FROM PeriodScores WHERE PoolID = ?");
const QString kSetScores = QStringLiteral(
    "INSERT OR REPLACE INTO PeriodScores (PoolID, Period, Score1, Score2) VALUES (?, ?, ?, ?)");
const QString kDropPlan = QStringLiteral("DELETE FROM PayoutPlans WHERE PoolID = ?");
const QString kDropScores = QStringLiteral("DELETE FROM PeriodScores WHERE PoolID = ?");

// Which of the tables the file holds.
struct Tables
{
    bool plans = false, scores = false, draws = false;
};
Tables tables(PoolDatabase &db)
{
    QSqlQuery &query = db.prepared(kTables);
    db.run(query);
    Tables found;
    while (query.next()) {
        const QString name = query.value(0).toString();
        (name == QLatin1String("PayoutPlans")    ? found.plans
         : name == QLatin1String("PeriodScores") ? found.scores
                                                 : found.draws) = true;
    }
    query.finish();
    return found;
}

void run(PoolDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery &query = db.prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    db.run(query);
    query.finish();
}

} // namespace

void load(PoolDatabase &db, Pool &pool)
{
    pool.plan.reset();
    pool.scores = {};
    pool.draws.clear();
    const auto [plans, scores, draws] = tables(db);
    if (draws) {
        QSqlQuery &query = db.prepared(kDraws);
        query.bindValue(0, pool.id);
        db.run(query);
        while (query.next())
            pool.draws.append({query.value(0).toString(), query.value(1).toString()});
        query.finish();
    }
    if (plans) {
        QSqlQuery &query = db.prepared(kPlan);
        query.bindValue(0, pool.id);
        db.run(query);
        if (query.next()) {
            Payout::Plan plan;
            for (int i = 0; i < 4; ++i)
                plan.shares[size_t(i)] = query.value(i).toInt();
            plan.unsold = Payout::Unsold(std::clamp(query.value(4).toInt(), 0, 2));
            plan.reverseShare = query.value(5).toInt();
            pool.plan = plan;
        }
        query.finish();
    }
    if (scores) {
        QSqlQuery &query = db.prepared(kScores);
        query.bindValue(0, pool.id);
        db.run(query);
        while (query.next())
            if (const int period = query.value(0).toInt(); period >= 0 && period < 4)
                pool.scores[size_t(period)] = {query.value(1).toString(),
                                               query.value(2).toString()};
        query.finish();
    }
}

void store(PoolDatabase &db, qint64 id, const Pool &pool)
{
    const bool anyScore = std::any_of(pool.scores.begin(), pool.scores.end(),
                                      [](const auto &score) { return score.has_value(); });
    auto [plans, scores, draws] = tables(db);
    if (pool.plan && !plans)
        db.execute(kCreatePlans), plans = true;
    if (anyScore && !scores)
        db.execute(kCreateScores), scores = true;
    if (!pool.draws.isEmpty() && !draws)
        db.execute(kCreateDraws), draws = true;
    if (plans)
        run(db, kDropPlan, {id});
    if (scores)
        run(db, kDropScores, {id});
    if (draws)
        run(db, kDropDraws, {id});
    for (const Pool::Draw &draw : pool.draws)
        run(db, kAddDraw, {id, draw.at, draw.digits});
    if (const auto &plan = pool.plan)
        run(db, kSetPlan,
            {id, plan->shares[0], plan->shares[1], plan->shares[2], plan->shares[3],
             int(plan->unsold), plan->reverseShare});
    for (int period = 0; period < 4; ++period)
        if (const auto &score = pool.scores[size_t(period)])
            run(db, kSetScores, {id, period, (*score)[0], (*score)[1]});
}

void dropPool(PoolDatabase &db, qint64 id)
{
    const auto [plans, scores, draws] = tables(db);
    if (plans)
        run(db, kDropPlan, {id});
    if (scores)
        run(db, kDropScores, {id});
    if (draws)
        run(db, kDropDraws, {id});
}

} // namespace PayoutData
