#include "pooldocument.h"

#include "board/boardrules.h"
#include "players/ledger.h"
#include "players/payments.h"
#include "store/poolstore.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

using Command = PoolDocument::Command;
using Verdict = PoolDocument::Verdict;

// What must hold for a row of the table to answer.
enum class When
{
    Always,
    Editing, // adding or editing
    Browsing,
    Locked,    // the pool on show is locked
    NoPool,    // no stored pool is on show
    NoPools,   // the moves have no pool to go to
    Changed,   // the board differs from the pool as shown
    BadDigits, // the board's digits cannot name a winner
};

enum class Text
{
    None,
    Lock,
    WhileEditing,
    NoCurrentRecord,
    SaveFirst,
    ResultsOfChanged,
    ResultsOfNew,
    Digits, // what is wrong with the board's digits
};

struct Rule
{
    Command command;
    When when;
    Verdict verdict;
    Text text = Text::None;
};

// Every command's rules, first match answers; a command with no row that
// matches is allowed. The rows read as the program's rules: a locked pool
// changes only through UNLOCK (and takes its draw); nothing typed is dropped
// without the question; a lock stores only what the file holds.
const Rule kRules[] = {
    {Command::Add, When::Locked, Verdict::Refused, Text::Lock},
    {Command::Add, When::Changed, Verdict::AskToSave},

    {Command::Edit, When::Editing, Verdict::Ignored},
    {Command::Edit, When::Locked, Verdict::Refused, Text::Lock},

    {Command::Update, When::Browsing, Verdict::Ignored},
    {Command::Cancel, When::Browsing, Verdict::Ignored},

    {Command::Delete, When::Editing, Verdict::Ignored},
    {Command::Delete, When::Locked, Verdict::Refused, Text::Lock},
    {Command::Delete, When::NoPool, Verdict::Refused, Text::NoCurrentRecord},
    {Command::Delete, When::Always, Verdict::AskToDelete},

    {Command::First, When::Editing, Verdict::Ignored},
    {Command::First, When::NoPools, Verdict::Refused, Text::NoCurrentRecord},
    {Command::First, When::Changed, Verdict::AskToSave},
    {Command::Last, When::Editing, Verdict::Ignored},
    {Command::Last, When::NoPools, Verdict::Refused, Text::NoCurrentRecord},
    {Command::Last, When::Changed, Verdict::AskToSave},
    {Command::Next, When::Editing, Verdict::Ignored},
    {Command::Next, When::NoPools, Verdict::Ignored},
    {Command::Next, When::Changed, Verdict::AskToSave},
    {Command::Previous, When::Editing, Verdict::Ignored},
    {Command::Previous, When::NoPools, Verdict::Ignored},
    {Command::Previous, When::Changed, Verdict::AskToSave},

    // A search or a pool chosen from the list ends an add or an edit: the pool
    // is shown as stored.
    {Command::Find, When::Changed, Verdict::AskToSave},
    {Command::Show, When::Changed, Verdict::AskToSave},

    {Command::Lock, When::Editing, Verdict::Refused, Text::WhileEditing},
    {Command::Lock, When::Locked, Verdict::Ignored},
    {Command::LockConfirmed, When::NoPool, Verdict::Refused, Text::SaveFirst},
    {Command::LockConfirmed, When::Changed, Verdict::AskToSave},
    {Command::Unlock, When::Editing, Verdict::Refused, Text::WhileEditing},

    {Command::QuickPick, When::Locked, Verdict::Refused, Text::Lock},
    {Command::Lookup, When::Locked, Verdict::Refused, Text::Lock},
    {Command::Lookup, When::BadDigits, Verdict::Refused, Text::Digits},
    {Command::Score, When::Locked, Verdict::Refused, Text::Lock},
    {Command::Amount, When::Locked, Verdict::Refused, Text::Lock},
    {Command::Period, When::Locked, Verdict::Refused, Text::Lock},
    {Command::GameType, When::Locked, Verdict::Refused, Text::Lock},

    // The payout and the scores are stored at once, beside the pool as the
    // file holds it; a locked pool takes scores (the game goes on after the
    // lock), and setResults keeps its plan.
    {Command::Results, When::Changed, Verdict::Refused, Text::ResultsOfChanged},
    {Command::Results, When::NoPool, Verdict::Refused, Text::ResultsOfNew},

    {Command::Close, When::Changed, Verdict::AskToSave},
};

QString message(Text text)
{
    switch (text) {
    case Text::None:
        return {};
    case Text::Lock:
        return PoolDocument::lockMessage();
    case Text::WhileEditing:
        return QCoreApplication::translate(
            "PoolDocument", "Save or cancel your changes before you lock or unlock this pool.");
    case Text::NoCurrentRecord:
        return noCurrentRecord().description();
    case Text::SaveFirst:
        return QCoreApplication::translate(
            "PoolDocument", "Save this pool before you lock it: only a saved pool can be locked.");
    case Text::ResultsOfChanged:
        return QCoreApplication::translate(
            "PoolDocument", "Save or cancel your changes first: the payout and the scores are "
                            "stored with the pool as saved.");
    case Text::Digits: // told with the board's own digits
        return {};
    case Text::ResultsOfNew:
        return QCoreApplication::translate(
            "PoolDocument", "Save this pool first: the payout and the scores are stored with a "
                            "saved pool.");
    }
    return {};
}

} // namespace

PoolDocument::PoolDocument(PoolStore &store) : m_store(store), m_repository(store.database()) {}

QString PoolDocument::lockMessage()
{
    return QCoreApplication::translate("PoolDocument",
                                       "You Must UnLock This Record Before This Is Allowed");
}

PoolQuery PoolDocument::query() const
{
    const PoolRecords *records = m_store.records();
    return records ? records->query() : PoolQuery::all();
}

Pool PoolDocument::complete(Pool board) const
{
    const bool stored = hasPool();
    board.id = stored ? m_stored.id : 0;
    board.password = stored ? m_stored.password : std::nullopt;
    board.paid = stored ? m_stored.paid : QSet<QString>();
    board.plan = m_plan;
    board.scores = m_scores;
    board.draws = m_draws;
    return board;
}

PoolDocument::Answer PoolDocument::decide(Command command, const Pool &board) const
{
    const auto holds = [&](When when) {
        switch (when) {
        case When::Always:
            return true;
        case When::Editing:
            return isEditing();
        case When::Browsing:
            return !isEditing();
        case When::Locked:
            return isLocked();
        case When::NoPool:
            return !hasPool();
        case When::NoPools: {
            PoolRecords *records = m_store.records();
            try {
                return !records || records->isEmpty();
            } catch (const PoolError &) {
                return true;
            }
        }
        case When::Changed:
            return isChanged(board);
        case When::BadDigits:
            return !BoardRules::digitsProblem(board.headerTexts()).isEmpty();
        }
        return false;
    };
    for (const Rule &rule : kRules)
        if (rule.command == command && holds(rule.when))
            return {rule.verdict, rule.text == Text::Digits
                                      ? BoardRules::digitsProblem(board.headerTexts())
                                      : message(rule.text)};
    return {};
}

void PoolDocument::stand()
{
    m_mode = Mode::Browsing;
    PoolRecords *records = m_store.records();
    try {
        m_stored =
            records && records->hasCurrent() ? m_repository.load(records->currentId()) : Pool();
    } catch (const PoolError &) {
        m_stored = Pool(); // the board shows nothing rather than another pool
        m_shownBoard = m_stored;
        m_plan.reset();
        m_scores = {};
        m_draws.clear();
        throw;
    }
    m_shownBoard = m_stored; // until the view says how it shows the pool
    m_plan = m_stored.plan;
    m_scores = m_stored.scores;
    m_draws = m_stored.draws;
}

void PoolDocument::showAllPoolsAt(qint64 id)
{
    // The next Edit and Update change this pool and the moves start from it;
    // no record set is better than one standing on another pool.
    try {
        m_store.OpenAllPoolsAt(id);
    } catch (const PoolError &) {
        m_store.CloseRecordSet();
    }
}

void PoolDocument::open()
{
    m_store.OpenRecordSet(PoolQuery::all());
    stand();
}

void PoolDocument::move(Command step)
{
    PoolRecords *records = m_store.records();
    if (!records)
        throw noCurrentRecord();
    switch (step) {
    case Command::First:
        records->MoveFirst();
        break;
    case Command::Last:
        records->MoveLast();
        break;
    case Command::Next:
        records->MoveNext();
        if (records->atEOF())
            records->MovePrevious();
        break;
    case Command::Previous:
        records->MovePrevious();
        if (records->atBOF())
            records->MoveNext();
        break;
    default:
        return;
    }
    stand();
}

bool PoolDocument::find(const QString &date)
{
    if (PoolRecords(m_store.database(), PoolQuery::byDate(date)).isEmpty())
        return false;
    if (m_store.OpenRecordSet(PoolQuery::byDate(date)))
        stand();
    return true;
}

void PoolDocument::showPool(qint64 id)
{
    m_store.OpenAllPoolsAt(id);
    stand();
}

void PoolDocument::beginAdd()
{
    m_mode = Mode::Adding;
    m_shownBoard = Pool(); // nothing typed into the new pool yet
    m_plan.reset();
    m_scores = {};
    m_draws.clear();
}

void PoolDocument::beginEdit()
{
    m_mode = Mode::Editing;
}

void PoolDocument::cancel()
{
    // Nothing cancelled can later be saved into the stored pool: the view
    // shows it again as the file holds it.
    stand();
}

QList<PoolDocument::Carry> PoolDocument::paymentsDroppedBy(const Pool &board) const
{
    QList<Carry> dropped;
    if (!hasPool() || isLocked())
        return dropped;
    const QSet<QString> onBoard = board.players();
    QSet<QString> paid;
    for (const QString &key : Payments::paymentsOf(m_store.database(), m_stored.id).keys())
        paid.insert(key);
    QStringList keys(paid.begin(), paid.end());
    keys.sort();
    for (const QString &key : keys) {
        if (onBoard.contains(key))
            continue;
        Carry carry{key, key, {}, {}};
        QSet<QString> taken; // the keys now on the player's squares
        for (size_t k = 0; k < board.squares.size(); ++k) {
            if (Ledger::keyOf(Pool::text(m_stored.squares[k])) != key)
                continue;
            carry.player = Ledger::nameOf(Pool::text(m_stored.squares[k]));
            taken.insert(Ledger::keyOf(Pool::text(board.squares[k])));
            carry.newName = Ledger::nameOf(Pool::text(board.squares[k]));
        }
        const QString newKey = taken.size() == 1 ? *taken.begin() : QString();
        if (newKey.isEmpty() || paid.contains(newKey)) {
            carry.newName.clear();
        } else {
            carry.newKey = newKey;
            paid.insert(newKey); // one payment to a name
        }
        dropped << carry;
    }
    return dropped;
}

QString PoolDocument::save(const Pool &board, const QHash<QString, QString> &carried)
{
    const Pool pool = complete(board);
    if (isLocked()) {
        // The digits drawn on a locked pool are its one change; the pools the
        // moves reach stay as they were.
        if (!pool.differsOnlyInHeaders(m_shownBoard))
            return lockMessage();
        Pool drawn = m_stored;
        drawn.headers = pool.headers;
        drawn.draws = pool.draws;
        m_repository.save(drawn);
        m_stored = drawn;
        m_shownBoard = pool;
        return {};
    }
    const QString problem = pool.problem(hasPool() ? m_shownBoard : Pool());
    if (!problem.isEmpty())
        return problem;
    const qint64 id = m_repository.save(pool, carried);
    m_mode = Mode::Browsing;
    m_stored = pool;
    m_stored.id = id;
    for (auto it = carried.cbegin(); it != carried.cend(); ++it)
        if (m_stored.paid.contains(it.key())) // paid in full, not in part
            m_stored.paid.insert(it.value());
    m_stored.paid.intersect(pool.players()); // the save dropped the others
    m_shownBoard = m_stored;
    showAllPoolsAt(id);
    return {};
}

void PoolDocument::removeShown()
{
    if (!hasPool())
        throw noCurrentRecord();
    const qint64 id = m_stored.id;
    m_repository.remove(id);
    // The neighbour within the query; once a search has no pool left, the
    // moves walk all pools again.
    PoolRecords *records = m_store.records();
    if (!records || !records->MoveNear(id)) {
        m_store.OpenRecordSet(PoolQuery::all());
        if (PoolRecords *all = m_store.records())
            all->MoveNear(id);
    }
    stand();
}

QString PoolDocument::lock(const QString &password)
{
    if (!hasPool())
        return message(Text::SaveFirst);
    // A lock keeps the digits for good: they must be able to name winners.
    if (const QString wrong = BoardRules::digitsProblem(m_stored.headerTexts()); !wrong.isEmpty())
        return wrong;
    m_repository.setPassword(m_stored.id, password);
    m_stored.password = password;
    m_shownBoard.password = password;
    showAllPoolsAt(m_stored.id);
    return {};
}

QString PoolDocument::unlock(const QString &password)
{
    // The password as the file holds it now.
    const Pool::Text stored = hasPool() ? m_repository.password(m_stored.id) : std::nullopt;
    if (!stored || stored->isEmpty())
        return QCoreApplication::translate("PoolDocument", " There Is No Password Set");
    if (*stored != password)
        return QCoreApplication::translate("PoolDocument", "Passwords Do Not Match");
    m_repository.setPassword(m_stored.id, QString());
    m_stored.password = QString::fromLatin1("");
    m_shownBoard.password = m_stored.password;
    showAllPoolsAt(m_stored.id);
    return {};
}

void PoolDocument::setPaid(const QString &player, bool paid)
{
    if (!hasPool())
        throw noCurrentRecord();
    m_repository.setPaid(m_stored.id, player, paid);
    for (Pool *pool : {&m_stored, &m_shownBoard}) {
        if (paid)
            pool->paid.insert(player);
        else
            pool->paid.remove(player);
    }
}

void PoolDocument::recordDraw(const QString &digits)
{
    m_draws.append({QDateTime::currentDateTime().toString(Qt::ISODate), digits});
}

void PoolDocument::recordScores(int period, const QString &first, const QString &second)
{
    if (period >= 0 && period < int(m_scores.size()))
        m_scores[size_t(period)] = std::array<QString, 2>{first, second};
}

void PoolDocument::choosePeriodOption(int option)
{
    // The options list per game, per half, per quarter; the presets start
    // per quarter, per half, per game.
    if (m_plan && !isLocked() && option >= 0 && option <= 2)
        m_plan->shares = Payout::presets()[2 - option].shares;
}

QString PoolDocument::setResults(const std::optional<Payout::Plan> &plan,
                                 const Pool::Scores &scores)
{
    if (!hasPool())
        return message(Text::ResultsOfNew);
    if (isLocked() && plan != m_stored.plan)
        return lockMessage();
    if (plan && plan != m_stored.plan && !plan->problem().isEmpty())
        return plan->problem();
    Pool pool = m_stored;
    pool.plan = plan;
    pool.scores = scores;
    // The scores name the winners as the lookup would; a period without
    // scores keeps the winner it holds.
    const QStringList headers = pool.headerTexts();
    for (size_t p = 0; p < scores.size(); ++p) {
        if (!scores[p]) {
            if (m_stored.scores[p]) // scores taken back: the period is not played
                pool.winners[p] = QString();
            continue;
        }
        const std::optional<int> square = BoardRules::winningSquare(
            headers.mid(0, BoardRules::kDigits), headers.mid(BoardRules::kDigits), (*scores[p])[0],
            (*scores[p])[1]);
        if (square)
            pool.winners[p] = Pool::text(pool.squares[size_t(*square)]);
    }
    m_repository.save(pool);
    m_stored = pool;
    m_shownBoard.plan = pool.plan;
    m_shownBoard.scores = pool.scores;
    m_shownBoard.winners = pool.winners;
    m_plan = pool.plan;
    m_scores = pool.scores;
    return {};
}
