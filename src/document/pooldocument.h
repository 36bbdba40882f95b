#pragma once

#include "pool/pool.h"
#include "store/poolrecords.h"
#include "store/poolrepository.h"

class PoolStore;

// The pool on show and what the user may do with it.
//
// The window used to be the pool: its widgets held the board and half a
// dozen flags decided, in every handler, what a command might do. Each new
// command had to remember every flag, and the faults lived in the sequences
// nobody remembered (a search during an add that saved a copy, a lock of a
// board the file did not hold). This class holds that state in one place:
// browsing, adding or editing; the stored pool on show and so its lock; the
// query the moves walk. Every command asks decide() first, and one table
// answers. The window only shows the answer and the pool.
class PoolDocument
{
public:
    enum class Mode
    {
        Browsing,
        Adding,
        Editing
    };
    enum class Command
    {
        Add,
        Edit,
        Update,
        Cancel,
        Delete,
        First,
        Previous,
        Next,
        Last,
        Find,
        Show,          // a pool chosen in the list of all pools
        Lock,          // the button, before the password is looked at
        LockConfirmed, // the password typed twice alike
        Unlock,
        QuickPick,
        Draw,
        Lookup, // a quarter chosen for the winner lookup
        Score,
        Amount,
        Period,
        GameType,
        Players,
        Results, // the payout plan and the periods' scores, stored at once
        Close
    };
    enum class Verdict
    {
        Allowed,
        Ignored,     // not offered now; nothing is said
        Refused,     // the message says why
        AskToSave,   // the board holds unsaved changes: save them first?
        AskToDelete, // one click must not remove a pool for good
    };
    struct Answer
    {
        Verdict verdict = Verdict::Allowed;
        QString message;
    };

    explicit PoolDocument(PoolStore &store);

    Mode mode() const { return m_mode; }
    bool isEditing() const { return m_mode != Mode::Browsing; }
    // The stored pool on show; a pool without a key when none is (an
    // empty file, a search that found nothing, a new pool).
    const Pool &stored() const { return m_stored; }
    bool hasPool() const { return m_stored.id != 0 && m_mode != Mode::Adding; }
    bool isLocked() const { return hasPool() && m_stored.isLocked(); }
    PoolQuery query() const;

    // The board as it read just after the pool was shown: the view may
    // write a value in its own way (an amount as currency), so a later
    // reading is compared with this one, not with the file's text.
    void setShownBoard(const Pool &board) { m_shownBoard = complete(board); }
    bool isChanged(const Pool &board) const { return complete(board) != m_shownBoard; }
    // The board with what only the file knows: its key, its password and
    // its payments, or none of them for a new pool.
    Pool complete(Pool board) const;

    Answer decide(Command command, const Pool &board) const;

    // The commands. Each throws PoolError with the document as it was.
    void open(); // all pools, on the first
    // First, Previous, Next or Last within the query; Next past the end and
    // Previous before the start stay on the pool.
    void move(Command step);
    // False, with nothing changed, when no pool has the date.
    bool find(const QString &date);
    // Shows the pool with this key, the moves walking all pools again from
    // it. Throws 3021, with nothing changed, when no pool has the key.
    void showPool(qint64 id);
    void beginAdd();
    void beginEdit();
    // Back to browsing the stored pool, which the view shows again.
    void cancel();
    // A paid player whose name the board no longer holds, and the name now
    // on all of that player's squares (a spelling corrected), if there is one
    // who has not paid.
    struct Carry
    {
        QString player, key;     // as the file holds them
        QString newName, newKey; // empty: no one name took the squares
    };
    // The payments a save of the board would drop, read from the file.
    QList<Carry> paymentsDroppedBy(const Pool &board) const;
    // Validates and stores the board (a locked pool takes only its draw),
    // moving the payments carried (old key to new) to their new names;
    // empty once stored, else what the user is told.
    QString save(const Pool &board, const QHash<QString, QString> &carried = {});
    // Removes the pool on show and stands on a neighbour.
    void removeShown();
    // Empty once done, else the refusal.
    QString lock(const QString &password);
    QString unlock(const QString &password);
    void setPaid(const QString &player, bool paid);

    // The board's side of the payout: what the next save stores beside it.
    const std::optional<Payout::Plan> &plan() const { return m_plan; }
    const Pool::Scores &scores() const { return m_scores; }
    // A draw of the digits, as the board now shows them, made now.
    void recordDraw(const QString &digits);
    // A period's scores as the winner lookup read them.
    void recordScores(int period, const QString &first, const QString &second);
    // The payout option chosen (0 per game, 1 per half, 2 per quarter): a
    // plan of the pool's own takes that option's split.
    void choosePeriodOption(int option);
    // Stores the plan and the scores with the pool on show at once, and the
    // winners the scores give (none where scores are taken back); a locked
    // pool takes scores only. Empty once stored, else what the user is told.
    QString setResults(const std::optional<Payout::Plan> &plan, const Pool::Scores &scores);

    static QString lockMessage();

private:
    void stand(); // loads the pool the record set stands on, or none
    void showAllPoolsAt(qint64 id);

    PoolStore &m_store;
    PoolRepository m_repository;
    Mode m_mode = Mode::Browsing;
    Pool m_stored;
    Pool m_shownBoard;
    std::optional<Payout::Plan> m_plan;
    Pool::Scores m_scores;
    QList<Pool::Draw> m_draws;
};
