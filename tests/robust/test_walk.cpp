// A seeded random walk over the user's commands through the real window. A
// model of the pool rules keeps what the file must hold, the mode and the pool
// on show, and says before each command what the program must ask, tell and
// show. A failing walk prints its seed and the steps up to the failure.
#include "money/money.h"
#include "players/ledger.h"
#include "players/playersdialog.h"
#include "players/resultsdialog.h"
#include "store/poollistdialog.h"
#include "store/recordmapping.h"
#include "store/schema.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtSql>
#include <QtWidgets>

#include <random>

namespace {

using Answer = Dialogs::Answer;
using Mode = PoolDocument::Mode;
const auto kQuestion = Dialogs::Shown::Kind::Question;
const QString kLock = u"You Must UnLock This Record Before This Is Allowed"_s;
const QString kAmount = u"PoolAmount"_s;
const bool kLong = qEnvironmentVariableIntValue("QUADRIX_LONG") > 0;

// What the pool file must hold and what the window must be doing.
// A pool's payout plan ("" for none: it pays as its option says) and each
// period's two scores, as the file lists them.
struct Side
{
    QString plan; // "share1=share2=share3=share4=unsold=reverse;"
    std::array<std::optional<std::pair<QString, QString>>, 4> scores;
    bool operator==(const Side &) const = default;
    QString scoresText() const
    {
        QString text;
        for (int p = 0; p < 4; ++p)
            if (const auto &s = scores[size_t(p)])
                text += u"%1=%2=%3;"_s.arg(p).arg(s->first, s->second);
        return text;
    }
};

// Whether the digits are drawn (no header box empty) yet cannot name a
// winner: on a side a box holds no digit, or a digit stands twice.
bool digitsWrong(const PoolValues &board)
{
    QSet<int> sides[2];
    for (int i = 0; i < Schema::kHeaderCount; ++i) {
        const QString text = board.value(Schema::numColumn(i)).toString();
        bool number = false;
        const int digit = text.trimmed().toInt(&number);
        if (text.isEmpty())
            return false;
        if (number && digit >= 0 && digit <= 9)
            sides[i / 10] << digit;
    }
    return sides[0].size() != 10 || sides[1].size() != 10;
}

// The square the two scores point at: the row whose header holds the first
// score's last digit, the column whose header holds the second's; -1 for none,
// while any header box is empty, and where the digits are wrong.
int squareOf(const PoolValues &board, const QString &first, const QString &second)
{
    for (int i = 0; i < Schema::kHeaderCount; ++i)
        if (board.value(Schema::numColumn(i)).toString().isEmpty())
            return -1;
    if (digitsWrong(board))
        return -1;
    const auto header = [&](int from, const QString &score) {
        if (score.isEmpty() || !score.back().isDigit())
            return -1;
        for (int i = 0; i < 10; ++i) {
            bool number = false;
            const int held =
                board.value(Schema::numColumn(from + i)).toString().trimmed().toInt(&number);
            if (number && held == score.back().digitValue())
                return i;
        }
        return -1;
    };
    const int row = header(10, first), column = header(0, second);
    return row < 0 || column < 0 ? -1 : 10 * row + column;
}

struct Model
{
    QMap<qint64, Side> sides;
    QMap<qint64, PoolValues> pools;
    QMap<qint64, QSet<QString>> paid; // the ledger keys of the players who paid
    QString search;                   // the date of a search; empty: all pools
    qint64 current = 0, lastId = 0;   // the pool the record set stands on (0: none); the last key
    Mode mode = Mode::Browsing;
    QList<qint64> set(const QString &date) const // the pools of a date; all for none
    {
        QList<qint64> ids = pools.keys();
        ids.removeIf([&](qint64 id) { return !date.isEmpty() && pools[id]["Date"] != date; });
        return ids;
    }
    QList<qint64> set() const { return set(search); }                   // the pools the moves reach
    qint64 shown() const { return mode == Mode::Adding ? 0 : current; } // the stored pool on show
    QString password() const { return pools.value(shown()).value(Schema::kPassword).toString(); }
    bool locked() const { return !password().isEmpty(); }
    // A save, a lock, an unlock and a new window walk all pools, from this one.
    void browseAll(qint64 at) { search.clear(), current = at, mode = Mode::Browsing; }
};

// Where two boards differ, as the first held them.
QString changes(const PoolValues &was, const PoolValues &now)
{
    QStringList changed;
    for (auto it = was.cbegin(); it != was.cend(); ++it)
        if (it.value() != now.value(it.key()))
            changed << it.key() + u" = \""_s + it.value().toString() + u'"';
    return changed.join(u", "_s);
}
// The ledger keys of the players on a board.
QSet<QString> playersOf(const PoolValues &pool)
{
    QSet<QString> keys;
    for (int k = 0; k < Schema::kSquareCount; ++k)
        keys << Ledger::keyOf(pool.value(Schema::imColumn(k)).toString());
    return keys;
}
template <typename T> QString shown(const T &value)
{
    QString text;
    QDebug(&text).noquote().nospace() << value;
    return text;
}

class Walk
{
public:
    // Pools the program wrote, one another tool wrote (Null everywhere but
    // its date), one without a date, locked ones, one with numbers where
    // texts belong and one with an amount that is no number.
    explicit Walk(quint64 seed) : m_seed(seed), m_random(seed)
    {
        QLocale::setDefault(QLocale(seed % 2 ? u"en_US"_s : u"de_DE"_s));
        PoolValues full = samplePool("09/14/2025", "Dallas", "Denver");
        for (int k = 0; k < 100; ++k)
            full.insert(Schema::imColumn(k), k < 3 ? u"S%1"_s.arg(k) : u"P%1"_s.arg(k % 7));
        for (int i = 0; i < 20; ++i)
            full.insert(Schema::numColumn(i), QString::number((i * 3) % 10));
        m_data.addPool(full);
        m_data.addPool({{"Date", "09/14/2025"}});
        PoolValues locked = samplePool("09/21/2025", "Navy", "Army");
        locked.insert({{"Password", "pw"}, {"PoolAmount", "lots"}, {"Im5", "Lee"}});
        m_data.addPool(locked);
        m_data.addPool({{"Team1", "Rams"}, {"Im7", "Lee"}});
        PoolValues typed = samplePool("10/05/2025", "Ohio", "Iowa"), second = typed;
        typed.insert({{"Num0", 7}, {"Score1", 21}, {"Im0", "Kim"}});
        m_data.addPool(typed);
        second.insert({{"Date", "09/14/2025"}, {"Team1", "Utah"}, {"Password", "Secret"}});
        m_data.addPool(second);
        m.pools = m_first = m_data.allPools();
        m.lastId = m.pools.lastKey();
        reopen();
    }
    ~Walk() { QLocale::setDefault(QLocale::c()); }

    // The failure with the steps that led to it; empty when every step held.
    QString run(int steps)
    {
        QString failure = check();
        while (failure.isEmpty() && m_log.size() < steps)
            failure = oneStep();
        if (failure.isEmpty())
            return {};
        const QString head = u"seed %1 failed after %2 steps: "_s.arg(m_seed).arg(m_log.size());
        return head + failure + u"\n  "_s + m_log.join(u"\n  "_s);
    }

private:
    static constexpr int Add = 0, Edit = 1, Update = 2, Cancel = 3, Delete = 4; // button()
    static constexpr int Quiet = 0, Loaded = 1, Refused = 2;                    // end()
    frmScore &w() { return m_window->w(); }
    Dialogs &dialogs() { return m_window->dialogs; }
    int below(int n) { return int(m_random() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QString oneOf(const QStringList &texts) { return texts[below(int(texts.size()))]; }
    bool offered(QWidget *widget) { return widget->isVisibleTo(&w()) && widget->isEnabled(); }
    // The board as a save stores it, its date included ("//" is none).
    PoolValues board()
    {
        PoolValues values = boardValues(w());
        const QString date = w().txtGameDate->text();
        values.insert(Schema::kDate, date == u"//"_s ? QString() : date);
        return values;
    }
    // A window opened on the file: all pools, on the first.
    void reopen()
    {
        m_window.reset();
        m_window = std::make_unique<TestWindow>(m_data, true, m_seed + quint64(m_log.size()));
        m.browseAll(m.pools.isEmpty() ? 0 : m.pools.firstKey());
        end({}, Loaded);
        m_baseline = board();
    }

    // One command the window offers, chosen by weight. A box left with the
    // caret in it is often followed by Update by its key, which leaves the
    // checks to the save; digits the disk did not take, by SET Numbers.
    QString oneStep()
    {
        static const QList<std::pair<int, QString (Walk::*)()>> commands{
            {21, &Walk::buttons}, {17, &Walk::move}, {6, &Walk::find},  {9, &Walk::lock},
            {9, &Walk::controls}, {5, &Walk::draw},  {20, &Walk::type}, {4, &Walk::players},
            {3, &Walk::results},  {2, &Walk::close}, {4, &Walk::list}};
        const bool stayed = std::exchange(m_stayed, false);
        m_update = stayed && chance(30);
        m_byKey = stayed ? 50 : 12;
        int roll = m_update ? 0 : m_pending && chance(40) ? 64 : below(100);
        auto it = commands.cbegin();
        while (roll >= it->first)
            roll -= (it++)->first;
        m_loaded = m_failed = m_failureSeen = false;
        m_expect.reset(), m_keep.reset(), m_via.clear();
        dialogs().clearShown();
        const QString done = (this->*(it->second))();
        dialogs().clearScript();
        if (done.isEmpty())
            return {}; // not offered by the window just now
        m_log << u"%1. "_s.arg(m_log.size() + 1) + done + m_via;
        const QString failure = m_failure.isEmpty() ? check() : m_failure;
        if (m_loaded)
            m_baseline = board();
        return failure;
    }
    std::function<void()> key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        return [this, key, modifiers] {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &w(), key, modifiers);
        };
    }
    // A button pressed by its access key, which leaves the focus where it is,
    // or clicked, which takes it first (the box left runs its checks then).
    std::function<void()> press(QAbstractButton *button, Qt::Key access = {})
    {
        if (access && chance(m_byKey)) {
            m_via = u" by Alt+"_s + QChar(char16_t(access));
            return [this, button, alt = key(access, Qt::AltModifier)] {
                alt();
                (void)QTest::qWaitFor([button] { return !button->isDown(); }, 1000);
            };
        }
        if (button->focusPolicy() & Qt::ClickFocus) {
            button->setFocus(Qt::MouseFocusReason);
            dialogs().clearShown();
        }
        return [button] { button->click(); };
    }
    // Runs a command, with the answer to "Save the changes to this pool?",
    // which it must ask when asks and the board holds changes. Now and then
    // the disk fails in its writes; -1: not under that question, as the
    // failure could be the save's or the command's own.
    void act(const std::function<void()> &command, bool asks = false, int percent = 10)
    {
        m_before = board();
        m_asks = asks && (m_before != m_baseline || m_side != shownSide());
        m_answer = below(3);
        if (m_asks)
            dialogs().setNextAnswer(std::array{Answer::Yes, Answer::No, Answer::Cancel}[m_answer]);
        percent = percent < 0 ? (m_asks ? 0 : 10) : percent;
        const int roll = below(100);
        if (roll < percent)
            DiskShim::failAt(DiskShim::Point(below(3)), 1 + below(3),
                             roll % 2 ? SQLITE_FULL : SQLITE_IOERR, roll % 2);
        m_told = roll % 2 ? u"is full"_s : u"could not be written"_s;
        command();
        m_failed = roll < percent && DiskShim::status().failed;
        DiskShim::heal();
    }
    // Whether the write the model expects failed: then it was told.
    bool failed()
    {
        m_failureSeen = true;
        if (m_failed)
            m_expect = m_told, m_via += u" [the disk fails: "_s + m_told + u"]"_s;
        return m_failed;
    }
    // Whether the command went on past the question (a Yes saves as Update
    // does; Cancel, or a refused save, stops it).
    bool goesOn()
    {
        const bool asked = dialogs().shownTexts(kQuestion).contains(frmScore::kSaveChangesQuestion);
        if (asked != m_asks)
            m_failure = asked ? u"it asked to save a board without changes"_s
                              : u"it did not ask to save: "_s + changes(m_before, m_baseline);
        if (!asked || !m_asks)
            return m_failure.isEmpty();
        m_via += u" (save? %1)"_s.arg(QStringList{"Yes", "No", "Cancel"}[m_answer]);
        const bool on = m_answer == 1 || (m_answer == 0 && save(m_before));
        if (!on)
            m_keep = m_before;
        return on;
    }
    // A step's end: Quiet shows no message unless one is expected already;
    // Loaded, quietly, shows the pool the record set stands on as stored;
    // Refused changes nothing and shows the message (none if empty).
    QString end(const QString &name, int how = Quiet, const QString &message = {})
    {
        if (how == Refused)
            m_keep = m_before;
        m_loaded = m_loaded || how == Loaded;
        if (how == Loaded)
            m_side = m.sides.value(m.current);
        m_pending = m_pending && how != Loaded;
        m_expect = how == Refused ? message : m_expect.value_or(QString());
        return how != Refused ? name : name + (message.isEmpty() ? " (nothing)" : " (refused)");
    }

    // Why Update must refuse the board; empty when it may be stored.
    QString refusal(const PoolValues &board) const
    {
        const QString date = board.value(Schema::kDate).toString();
        if (date.size() != 10 || !QDate::fromString(date, u"MM/dd/yyyy"_s).isValid()) {
            if (date.section(u'/', 0, 0).toInt() > 12 || date.section(u'/', 1, 1).toInt() > 31)
                return u"Type the game date as month/day/year, for example 12/28/2025."_s;
            if (date.size() == 10 && !date.contains(u' '))
                return date + u" is not a date."_s;
            return u" Game Date Has To Have A Date"_s;
        }
        // An amount that is no number may stay as the pool held it when shown.
        const QVariant amount = board.value(kAmount);
        if (!Money::poolAmount(amount.toString()) &&
            (!m.shown() || amount != m_baseline.value(kAmount)))
            return u"The pool amount must be a number of 0 or more"_s;
        return {};
    }
    // A save as Update does it; false, with the message, when refused or the
    // disk fails. A locked pool's one change: the digits drawn.
    bool save(const PoolValues &board)
    {
        const QString refused = m.locked() ? QString() : refusal(board);
        if (!refused.isEmpty())
            m_expect = refused;
        if (!refused.isEmpty())
            return false;
        // A paid player whose squares all took one new name that has not
        // paid: Enter carries the payment there. A paid player gone
        // otherwise: Enter keeps the payment, and so the board unsaved.
        QSet<QString> carried;
        if (m.shown() && !m.locked()) {
            const qint64 shown = m.shown();
            QStringList gone = (m.paid[shown] - playersOf(board)).values();
            gone.sort();
            for (const QString &key : gone) {
                QSet<QString> now;
                for (int k = 0; k < Schema::kSquareCount; ++k)
                    if (Ledger::keyOf(m.pools[shown].value(Schema::imColumn(k)).toString()) == key)
                        now << Ledger::keyOf(board[Schema::imColumn(k)].toString());
                const QString to = now.size() == 1 ? *now.begin() : QString();
                if (to.isEmpty() || m.paid[shown].contains(to) || carried.contains(to))
                    return false;
                carried << to;
            }
        }
        if (failed())
            return false;
        qint64 id = m.shown();
        if (!id) { // a new pool, under the key the file gave it
            for (qint64 key : m_data.allPools().keys())
                id = m.pools.contains(key) ? id : key;
            if (id <= m.lastId)
                m_failure = u"the new pool got the key %1, not a larger one"_s.arg(id);
            m.lastId = id;
            m.pools[id] = {{Schema::kId, id}, {Schema::kPassword, QVariant()}};
        }
        for (int i = 0; m.locked() && i < Schema::kHeaderCount; ++i)
            m.pools[id].insert(Schema::numColumn(i), board[Schema::numColumn(i)]);
        if (!m.locked()) {
            m.paid[id] += carried;
            m.pools[id].insert(board);
            m.paid[id].intersect(playersOf(board));
            m.sides[id] = m_side;
            m.browseAll(id);
        }
        m_pending = false;
        m_baseline = board;
        return true;
    }

    // Where the file differs from the model: its pools, their amounts (valid
    // or as first stored) and their payments (of players on their boards).
    QString fileDiffers()
    {
        QString integrity;
        const QMap<qint64, PoolValues> file = m_data.allPools(&integrity);
        if (integrity != QLatin1String("ok"))
            return u"integrity check: "_s + integrity;
        if (file.keys() != m.pools.keys())
            return u"the file holds the pools "_s + shown(file.keys());
        // A flag the file holds as Null reads as not set, as 0 does.
        static const QStringList flags{"Quarter", "Game", "Half", "ProCollage"};
        for (auto it = file.cbegin(); it != file.cend(); ++it) {
            for (const QString &column : Schema::allColumns()) {
                const QVariant held = it.value().value(column), want = m.pools[it.key()][column];
                if (!sameValue(held, want) &&
                    !(flags.contains(column) && !held.toInt() && !want.toInt()))
                    return u"pool %1 holds %2 = \"%3\""_s.arg(it.key()).arg(column,
                                                                            held.toString());
            }
            const QVariant amount = it.value().value(kAmount);
            if (!Money::poolAmount(amount.toString()) &&
                !sameValue(amount, m_first.value(it.key()).value(kAmount)))
                return u"pool %1 holds the amount \"%2\""_s.arg(it.key()).arg(amount.toString());
        }
        for (auto it = file.cbegin(); it != file.cend(); ++it) {
            const Side want = m.sides.value(it.key());
            if (it.value().value(u"Plan"_s).toString() != want.plan ||
                it.value().value(u"Scores"_s).toString() != want.scoresText())
                return u"pool %1 holds the plan \"%2\" and the scores \"%3\""_s.arg(it.key()).arg(
                    it.value().value(u"Plan"_s).toString(),
                    it.value().value(u"Scores"_s).toString());
        }
        OtherProgram other(m_data.poolFile());
        QSqlQuery row(other.db());
        QMap<qint64, QSet<QString>> paid, want = m.paid;
        for (bool any = row.exec("SELECT PoolID, Player, Paid FROM Payments"); any && row.next();) {
            const QString player = row.value(1).toString();
            if (!playersOf(file.value(row.value(0).toLongLong())).contains(player))
                return u"the file holds a payment of \"%1\", not on its board"_s.arg(player);
            if (row.value(2).toInt())
                paid[row.value(0).toLongLong()] << player;
        }
        want.removeIf([](auto it) { return it.value().isEmpty(); });
        return paid == want ? QString() : u"the file holds the payments "_s + shown(paid);
    }
    QString check()
    {
        if (m_failed && !m_failureSeen)
            return u"the disk failed in a command that must write nothing"_s;
        if (const QString wrong = fileDiffers(); !wrong.isEmpty())
            return wrong;
        const bool browsing = m.mode == Mode::Browsing;
        if (w().cmdUpdate->isVisibleTo(&w()) == browsing ||
            w().cmdAdd->isVisibleTo(&w()) != browsing || w().cmdNext->isEnabled() != browsing ||
            w().document().mode() != m.mode)
            return u"the window is not in mode %1"_s.arg(int(m.mode));
        if (w().isLocked() != m.locked() || w().windowTitle().contains(u"LOCKED"_s) != m.locked())
            return u"Locked is %1, the title \"%2\""_s.arg(w().isLocked()).arg(w().windowTitle());
        const PoolValues now = board();
        if (m_keep && now != *m_keep)
            return u"the board changed; it held "_s + changes(*m_keep, now);
        // A pool loaded, or a locked one, shows as stored, but for digits drawn and not stored.
        PoolValues pool = m.pools.value(m.current);
        for (int i = 0; m_pending && i < Schema::kHeaderCount; ++i)
            pool.insert(Schema::numColumn(i), now.value(Schema::numColumn(i)));
        QStringList wrong = boardMismatch(w(), pool).split(u"; "_s, Qt::SkipEmptyParts);
        if (!m_loaded) // saved with no square typed, it may count as the cleared board
            wrong.removeAll(u"the counts shows \"000/000\", not \"0/100\""_s);
        if ((m_loaded || m.locked()) && !wrong.isEmpty())
            return u"pool %1 on show: %2"_s.arg(m.current).arg(wrong.join(u"; "_s));
        const QString line =
            pool.isEmpty() ? QString()
                           : RecordMapping::gameLine(pool["Date"], pool["Team1"], pool["Team2"]);
        if (m_loaded && w().lblStatus->text() != line)
            return u"the game line reads \"%1\""_s.arg(w().lblStatus->text());
        // The figures are those of the amount and the payout on the board.
        const qint64 cents = Money::poolCents(w().txtPoolAmount->text());
        const qint64 payout =
            Money::payout(cents, w().Option1[2]->isChecked(), w().Option1[1]->isChecked());
        const QString figures = Money::currencyOfCents(Money::share(cents, 100)) + u" / "_s +
                                Money::currencyOfCents(payout);
        const QString shown = w().lblAmountPer->text() + u" / "_s + w().lblPayOut->text();
        if (!w().txtPoolAmount->hasFocus() && shown != figures)
            return u"the figures read %1, not %2"_s.arg(shown, figures);
        const QString said = dialogs().shownTexts(Dialogs::Shown::Kind::Message).join(u" | "_s);
        if (m_expect && (m_expect->isEmpty() ? !said.isEmpty() : !said.contains(*m_expect)))
            return u"the message \"%1\" was expected, not \"%2\""_s.arg(*m_expect, said);
        return {};
    }

    // Add, Edit, Update, Cancel (or Esc) and Delete, by weight 5, 5, 8, 7, 3.
    QString buttons()
    {
        const int roll = std::exchange(m_update, false) ? 10 : below(28);
        return button(roll < 10 ? roll / 5 : roll < 18 ? Update : roll < 25 ? Cancel : Delete);
    }
    QString button(int which)
    {
        const bool esc = which == Cancel && chance(40), frame = esc && w().frSearch->isVisible();
        QPushButton *button =
            std::array{w().cmdAdd, w().cmdEdit, w().cmdUpdate, w().cmdCancel, w().cmdDelete}[which];
        // Every step reads every pool, so their number is kept small.
        if ((!esc && !offered(button)) || (which == Add && m.pools.size() >= 20))
            return {};
        const bool confirmed = chance(70);
        if (which == Delete && !m.locked() && m.shown())
            dialogs().setNextAnswer(confirmed ? Answer::Yes : Answer::No);
        act(esc ? key(Qt::Key_Escape) : press(button, Qt::Key("AEUCD"[which])),
            which == Add && !m.locked(), which <= Update ? 10 : 0);
        const QString name = esc ? u"Esc"_s : button->text().remove(u'&');
        if (which == Update) {
            m_keep = m_before; // stored or not, the board stays
            return save(m_before) ? end(name) : name + u" (refused)"_s;
        }
        if (frame && w().frSearch->isVisible())
            m_failure = u"Esc left the search frame open"_s;
        const QString why = m.locked() && which != Cancel   ? kLock
                            : which == Delete && !m.shown() ? u"No current record."_s
                                                            : QString();
        if (!why.isEmpty() || (which == Cancel && (frame || m.mode == Mode::Browsing)))
            return end(name + (frame ? u" (the search frame)"_s : QString()), Refused, why);
        if (which == Cancel) {
            m.mode = Mode::Browsing;
            return end(name, Loaded);
        }
        if (which == Delete) {
            const QStringList asked = dialogs().shownTexts(kQuestion);
            if (asked.size() != 1 || !asked.first().startsWith(u"Delete the pool of"_s))
                m_failure = u"Delete asked: "_s + asked.join(u" | "_s);
            if (!confirmed)
                return end(name + u" (not confirmed)"_s, Refused);
            // The next pool of the query, else the previous; all pools once a
            // search has none left.
            const qint64 gone = m.current;
            m.pools.remove(gone);
            m.paid.remove(gone);
            m.sides.remove(gone);
            if (m.set().isEmpty())
                m.search.clear();
            const QList<qint64> set = m.set();
            const auto after = std::upper_bound(set.begin(), set.end(), gone);
            m.current = after != set.end() ? *after : set.isEmpty() ? 0 : set.last();
            return end(name + u' ' + QString::number(gone), Loaded);
        }
        end(name); // Add or Edit
        if (!goesOn())
            return name;
        m.mode = which == Add ? Mode::Adding : Mode::Editing;
        if (which == Edit) {
            m_keep = m_before;
            return name;
        }
        m_baseline = board(); // cleared and dated today, at the first quarter
        m_side = {};
        if (!w().Quarter[0]->isChecked())
            m_failure = u"Add left the quarter option on a later quarter"_s;
        QString left = w().txtID->text();
        for (auto it = m_baseline.cbegin(); it != m_baseline.cend(); ++it)
            if (it.key() != kAmount && it.key() != Schema::kDate)
                left += it.value().typeId() == QMetaType::QString ? it.value().toString() : "";
        if (!left.isEmpty() ||
            m_baseline[Schema::kDate] != QDate::currentDate().toString(u"MM/dd/yyyy"_s))
            m_failure = u"Add left the board "_s + changes(m_baseline, {});
        return name;
    }
    // A move by its button or by Ctrl+(Shift+)PgUp/PgDn, which press it.
    QString move()
    {
        const int which = below(4);
        const bool byKey = chance(30), browsing = m.mode == Mode::Browsing;
        QToolButton *button =
            std::array{w().cmdFirst, w().cmdPrevious, w().cmdNext, w().cmdLast}[which];
        if (!byKey && !offered(button))
            return {};
        const QString name = button->objectName() + (byKey ? u" by key"_s : QString());
        act(
            byKey ? key(which < 2 ? Qt::Key_PageUp : Qt::Key_PageDown,
                        Qt::ControlModifier | (which % 3 ? Qt::NoModifier : Qt::ShiftModifier))
                  : [button] { button->click(); },
            browsing && !m.set().isEmpty());
        if (!browsing || m.set().isEmpty())
            return end(name, Refused, !browsing || which % 3 ? QString() : u"No current record."_s);
        if (!goesOn())
            return name;
        // Next on the last stays there, Previous on the first.
        const QList<qint64> set = m.set();
        const int at = int(set.indexOf(m.current)), last = int(set.size()) - 1;
        m.current = set[std::array{0, std::max(at - 1, 0), std::min(at + 1, last), last}[which]];
        return end(name, Loaded);
    }
    // The pools the list shows for a typed text: those with a team or a
    // player holding it in any (ASCII) letter case, by date as a date (no
    // date first), then by key.
    QList<qint64> listed(const QString &typed) const
    {
        QList<qint64> ids;
        for (auto it = m.pools.cbegin(); it != m.pools.cend(); ++it) {
            QStringList names{it->value("Team1").toString(), it->value("Team2").toString()};
            for (int k = 0; k < Schema::kSquareCount; ++k)
                names << it->value(Schema::imColumn(k)).toString();
            if (typed.isEmpty() || std::ranges::any_of(names, [&](const QString &name) {
                    return name.contains(typed, Qt::CaseInsensitive);
                }))
                ids << it.key();
        }
        const auto key = [this](qint64 id) {
            const QVariant date = m.pools[id].value(Schema::kDate);
            const QString d = date.toString();
            return std::pair{!date.isNull(), d.mid(6, 4) + d.mid(0, 2) + d.mid(3, 2)};
        };
        std::ranges::stable_sort(ids, {}, key);
        return ids;
    }
    QString list()
    {
        const PoolListDialog *previous = w().poolListDialog();
        key(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier)();
        PoolListDialog *dialog = w().poolListDialog();
        if (!dialog || dialog == previous) {
            m_failure = u"Ctrl+Shift+L opened no list"_s;
            return u"List"_s;
        }
        // The window is active again once the list has gone, as a window
        // manager makes it. (Offscreen, the list does not become active, so
        // its Escape would reach the window: it is closed as Escape does.)
        dialog->show();
        const auto back = qScopeGuard([this] {
            w().activateWindow();
            (void)QTest::qWaitForWindowActive(&w());
        });
        const QString typed = chance(40) ? QString() : oneOf({"a", "BEAR", "ann", "%", "zz q"});
        const int downs = below(4);
        QTest::keyClicks(dialog->filterBox(), typed);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(dialog->filterBox(), Qt::Key_Down);
        // The list opens on the pool on show, which stays chosen while the
        // narrowed list holds it.
        const QList<qint64> all = listed({}), rows = listed(typed);
        const qint64 before = all.value(std::max<qsizetype>(0, all.indexOf(m.shown())));
        const qsizetype at = std::max<qsizetype>(0, rows.indexOf(before));
        const qint64 chosen = rows.value(std::min(at + downs, rows.size() - 1));
        const QString name = u"List \"%1\", %2 down"_s.arg(typed).arg(downs);
        if (chance(15)) {
            dialog->reject();
            return end(name + u", Escape"_s);
        }
        act([&] { QTest::keyClick(dialog->filterBox(), Qt::Key_Return); }, !rows.isEmpty());
        if (rows.isEmpty()) {
            dialog->reject();
            return end(name, Refused, u"No pool is in the list."_s);
        }
        if (dialog->isVisible())
            m_failure = u"the list stayed open"_s;
        if (!goesOn())
            return name;
        m.browseAll(chosen);
        return end(name, Loaded);
    }
    QString find()
    {
        press(w().cmdSearch, Qt::Key_F)(); // the caret goes to the search box
        dialogs().clearShown();
        if (chance(15))
            return u"Find (the frame left open)"_s;
        const QString date = chance(70) ? oneOf({"09/14/2025", "09/21/2025", "10/05/2025"})
                                        : oneOf({"01/01/2030", "09", ""});
        w().txtSearch->setText(date);
        const QString typed = w().txtSearch->text().trimmed();
        const bool whole = typed.size() == 10, enter = chance(50); // else it asks for the date
        act(enter ? [this] { QTest::keyClick(w().txtSearch, Qt::Key_Return); }
                  : std::function<void()>([this] { w().cmdFind->click(); }),
            whole && !m.set(typed).isEmpty());
        const QString name = u"Find \"%1\"%2"_s.arg(date, enter ? " by Return" : "");
        const QString none = u"No pool has the game date %1."_s.arg(typed);
        if (!whole || m.set(typed).isEmpty())
            return end(name, Refused, whole ? none : u"Type the game date to find"_s);
        if (!goesOn())
            return name;
        if (m.set(typed).isEmpty()) { // the save gave the pool another date
            m_expect = none;
            return name;
        }
        m.search = typed;
        m.mode = Mode::Browsing; // a search ends an add or an edit
        m.current = m.set().first();
        return end(name, Loaded);
    }
    QString lock()
    {
        const bool unlock = chance(45);
        const QString password = unlock       ? (chance(60) ? m.password() : u"nope"_s)
                                 : chance(10) ? QString()
                                              : oneOf({"pw", "Secret", "  "});
        const QString again = unlock || chance(80) ? password : u"other"_s;
        w().Text2->setText(password), w().Text1->setText(again);
        const QString why =
            m.mode != Mode::Browsing
                ? u"Save or cancel your changes before you lock or unlock this pool."_s
            : unlock && !m.locked() ? u" There Is No Password Set"_s
            : unlock     ? password == m.password() ? QString() : u"Passwords Do Not Match"_s
            : m.locked() ? u"-"_s // LOCK on a locked pool does nothing
            : password.isEmpty() ? u"Please enter Password"_s
            : password != again  ? u"Passwords do not match"_s
            : !m.shown()         ? u"Save this pool before you lock it"_s
                                 : QString();
        act(press(unlock ? w().cmdunlock : w().cmdLock), !unlock && why.isEmpty(), -1);
        w().Text2->clear(), w().Text1->clear();
        const QString name = unlock ? u"UNLOCK \"%1\""_s.arg(password)
                                    : u"LOCK \"%1\"/\"%2\""_s.arg(password, again);
        if (!why.isEmpty())
            return end(name, Refused, why == u"-"_s ? QString() : why);
        if (!goesOn())
            return name;
        // After No the board shows the stored pool again; a LOCK, as stored
        // (checked as any locked pool is), in case it showed the amount as typed.
        // A lock keeps the digits for good: the stored ones must name winners.
        if (!unlock && digitsWrong(m.pools.value(m.shown()))) {
            if (m_asks && m_answer == 1)
                end({}, Loaded);
            m_expect = u"each digit from 0 to 9 must stand once"_s;
            return name + u" (refused: the digits)"_s;
        }
        const bool fails = failed();
        if (m_asks && m_answer == 1)
            end({}, Loaded);
        else if (unlock || fails)
            m_keep = m_before;
        if (fails)
            return name;
        m.pools[m.shown()].insert(Schema::kPassword, unlock ? QString(u""_s) : password);
        m.browseAll(m.shown());
        m_pending = m_pending && !unlock; // after UNLOCK an ordinary change
        if (!unlock)
            m_baseline = board();
        return end(name);
    }
    // Quick Pick (cancelled, an empty name), the game type, a quarter or a
    // payout period: the board only, and nothing at all on a locked pool.
    QString controls()
    {
        const int which = below(9);
        QWidget *control = which < 4   ? w().Quarter[which]
                           : which < 7 ? w().Option1[which - 4]
                           : which < 8 ? static_cast<QWidget *>(w().cmdQuick)
                                       : w().Combo1[0];
        auto *box = qobject_cast<QComboBox *>(control);
        if (!offered(control))
            return {};
        QString done = u"click "_s + control->objectName();
        if (control == w().cmdQuick) {
            const QString name = oneOf({"Ann", " ", "", "O'Neil"}); // "": Cancel
            const QString count = oneOf({"0", "1", "3", "2.5", "abc", "200"});
            dialogs().setNextInput(name);
            dialogs().setNextInput(count);
            done = u"Quick Pick \"%1\" x %2"_s.arg(name, count);
        } else if (box) {
            box->setFocus();
            dialogs().clearShown();
            done = box->currentIndex() > 0 ? u"PRO/COLLAGE Up"_s : u"PRO/COLLAGE Down"_s;
        }
        // A quarter is played once its winner is in or its scores are:
        // choosing it looks its winner up and keeps the scores; a payout
        // option newly chosen gives a plan of the pool's own its split.
        const bool optionWas = which >= 4 && which < 7 && w().Option1[which - 4]->isChecked();
        if (which < 4 && !m.locked()) {
            bool blank = false;
            for (int q = 0; q < which; ++q)
                blank = blank || (w().Who[q]->text().isEmpty() && !m_side.scores[size_t(q)]);
            m_expect = digitsWrong(board()) ? u"each digit from 0 to 9 must stand once"_s
                       : blank              ? u" You Left A Quarter Blank"_s
                                            : QString();
            if (m_expect->isEmpty())
                lookUp(which);
        }
        if (which >= 4 && which < 7 && !optionWas && !m.locked() && !m_side.plan.isEmpty())
            m_side.plan = sharesOf(6 - which) + m_side.plan.section(u'=', 4);
        act(box ? key(box->currentIndex() > 0 ? Qt::Key_Up : Qt::Key_Down)
                : press(static_cast<QAbstractButton *>(control)),
            false, 0);
        return m.locked() ? end(done, Refused, kLock) : done;
    }
    // SET Numbers: a locked pool stores the digits drawn at once, or by the next SET Numbers.
    QString draw()
    {
        const bool yes = chance(70); // to "You Have Unused Squares"
        dialogs().setNextAnswer(yes ? Answer::Yes : Answer::No);
        const bool retry = m.locked() && m_pending;
        act(press(w().Command3), false, m.locked() ? 50 : 0);
        const PoolValues after = board();
        const QString name =
            retry ? u"SET Numbers (again)"_s : u"SET Numbers (%1)"_s.arg(yes ? "Yes" : "No");
        if (!m.locked() || (!retry && after == m_before))
            return name;
        if (retry && after != m_before)
            m_failure = u"the digits not stored were drawn anew"_s;
        m_pending = !save(after); // should the disk fail, they stay on the board, not stored
        return end(name);
    }
    // Types into a box, then leaves it (its checks run) or stays in it; or, in
    // an add or an edit with a board a save takes, an amount stored at once by
    // Alt+U, which leaves its check to the save.
    QString type()
    {
        // A square most often, one of the first three half of the time, so
        // that a player who owns a single square is renamed now and then.
        const std::pair<QWidget *, QStringList> boxes[] = {
            {w().Imput[below(chance(50) ? 3 : 100)], {"Ann", "Bo", " ", "O'Neil", "Zo\u00eb", ""}},
            {w().Score[below(2)], {"", "7", "14", "21", "3a"}},
            {w().txtPoolAmount, {"250", "1,000", "lots", "250.10", "", "-5", "abc"}},
            {w().txtGameDate,
             {"09/14/2025", "10/05/2025", "", "12", "02/30/2025", "13/05/2025", "05/32/2025"}},
            {w().Combo1[1 + below(2)]->lineEdit(), {"Dal", "Navy", "Zz", ""}},
            {w().Who[below(4)], {"Ann", "", "Kim"}},
            {w().Number[below(20)], {"3", "", "7"}}};
        const bool update = m.mode != Mode::Browsing && refusal(board()).isEmpty() && chance(60);
        const auto &[box, texts] = boxes[update ? 2 : std::max(0, below(10) - 3)];
        const QString text = update && chance(50) ? oneOf({"-5", "abc"}) : oneOf(texts);
        if (!offered(box))
            return {};
        // The lookup runs at every change of a score; each change that
        // points at a square keeps the scores for the selected quarter.
        for (int i = 0; i < 2 && !m.locked(); ++i) {
            if (box != w().Score[i])
                continue;
            for (int typed = 0; typed <= text.size(); ++typed) {
                std::array<QString, 2> scores{w().Score[0]->text(), w().Score[1]->text()};
                scores[size_t(i)] = text.left(typed);
                for (int q = 0; q < 4; ++q)
                    if (w().Quarter[q]->isChecked())
                        lookUp(q, scores[0], scores[1]);
            }
        }
        box->setFocus();
        QMetaObject::invokeMethod(box, "selectAll");
        QTest::keyClick(box, Qt::Key_Delete);
        const QString keys = box == w().txtGameDate ? QString(text).remove(u'/') : text;
        for (const QChar key : keys)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(key), Qt::NoModifier);
        const bool leave = !update && chance(70);
        m_stayed = !leave && !update;
        if (leave)
            (box == w().txtGameDate ? w().Text2 : w().txtGameDate)->setFocus();
        const QWidget *named = box->objectName().isEmpty() ? box->parentWidget() : box;
        const QString done =
            u"type \"%1\" into %2%3"_s.arg(text, named->objectName(), leave ? "" : " and stay");
        m_byKey = 100;
        return update ? done + u", "_s + button(Update) : done;
    }
    // The ledger of the pool on show: a payment ticked or taken back, stored at once.
    QString players()
    {
        const bool byKeys = chance(30);
        act(byKeys ? key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier)
                   : press(w().cmdPlayers, Qt::Key_P),
            false, 0);
        const PoolValues before = m_before;
        QString done = byKeys ? u"Players by Ctrl+Shift+P"_s : u"Players"_s;
        PlayersDialog *dialog = w().playersDialog();
        if (!dialog)
            return end(done + u" (did not open)"_s, Refused);
        QTableWidget *table = dialog->table();
        if (const QString wrong = prizesDiffer(*dialog); !wrong.isEmpty())
            m_failure = wrong;
        QTableWidgetItem *tick = table->item(below(std::max(1, table->rowCount())), 4);
        if (tick && (tick->flags() & Qt::ItemIsEnabled)) {
            const qint64 id = m.shown();
            // The player of the row's first square, as the file holds it.
            const int square = table->item(tick->row(), 2)->text().section(u',', 0, 0).toInt();
            const QString key =
                Ledger::keyOf(m.pools.value(id).value(Schema::imColumn(square)).toString());
            const bool was = tick->checkState() == Qt::Checked;
            done += u", tick "_s + key;
            if (!id || was != m.paid.value(id).contains(key))
                m_failure = u"the ledger shows %1 as %2paid"_s.arg(key, was ? "" : "not ");
            act([&] { tick->setCheckState(was ? Qt::Unchecked : Qt::Checked); });
            if (failed() && (tick->checkState() == Qt::Checked) != was)
                m_failure = u"the tick shows what the file does not hold"_s;
            else if (!m_failed && was)
                m.paid[id].remove(key);
            else if (!m_failed)
                m.paid[id].insert(key);
        }
        dialog->close();
        m_keep = before;
        return end(done);
    }
    // The payout and scores dialog: the plan (not on a locked pool) and the
    // scores set at random, stored at once with the pool as saved; the
    // winners are those the scores point at.
    QString results()
    {
        act([this] { w().cmdResults_Click(); }, false, 0);
        const bool changed = m_before != m_baseline || m_side != shownSide();
        ResultsDialog *dialog = w().resultsDialog();
        if (changed || !m.shown()) {
            if (dialog && dialog->isVisible())
                m_failure = u"the payout dialog opened"_s;
            return end(u"Payout and Scores"_s, Refused,
                       changed ? u"Save or cancel your changes first"_s
                               : u"Save this pool first"_s);
        }
        if (!dialog)
            return end(u"Payout and Scores (did not open)"_s, Refused);
        QString done = u"Payout and Scores"_s;
        QString plan = m.sides.value(m.shown()).plan, problem;
        // Half the time a whole game played under a plan that pays it all.
        const bool wholeGame = chance(50);
        if (!m.locked()) {
            const int split = below(8), unsold = below(wholeGame ? 2 : 3);
            const int reverse = chance(50) ? 0 : 2000;
            dialog->split()->setCurrentIndex(split);
            QString shares = split == 0  ? sharesOf(optionPreset())
                             : split < 7 ? sharesOf(split - 1)
                                         : QString();
            if (split == 7) {
                const std::array<int, 4> own =
                    chance(70) ? std::array{1500, 1500, 3000, 4000} : std::array{5000, 1000, 0, 0};
                for (int p = 0; p < 4; ++p)
                    dialog->share(p)->setValue(own[size_t(p)] / 100.0),
                        shares += u"%1="_s.arg(own[size_t(p)]);
                if (own[0] == 5000)
                    problem = u"The four shares must add up to 100 %"_s;
            }
            dialog->unsold()->setCurrentIndex(unsold);
            dialog->reverse()->setValue(reverse / 100.0);
            plan = split == 0 && unsold == 2 && !reverse
                       ? QString()
                       : shares + u"%1=%2;"_s.arg(unsold).arg(reverse);
            done += u", plan "_s + (plan.isEmpty() ? u"none"_s : plan);
        }
        Side side{plan, {}};
        for (int p = 0; p < 4; ++p) {
            const std::array<std::pair<QString, QString>, 4> kinds{
                {{"", ""}, {"7", "3"}, {"14", "21"}, {"3a", "1"}}};
            const auto &[first, second] = kinds[size_t(wholeGame ? 1 + below(2) : below(4))];
            dialog->score(p, 0)->setText(first), dialog->score(p, 1)->setText(second);
            if (!first.isEmpty())
                side.scores[size_t(p)] = std::pair{first, second};
            if (first == u"3a"_s && problem.isEmpty())
                problem = u"must both end in a digit"_s;
            done += u" "_s + (first.isEmpty() ? u"-"_s : first + u':' + second);
        }
        act([dialog] { dialog->accept(); });
        dialog->close();
        if (!problem.isEmpty())
            return end(done, Refused, problem);
        if (failed())
            return end(done, Refused, *m_expect);
        const qint64 id = m.shown();
        for (int p = 0; p < 4; ++p) // scores taken back: not played, no winner
            if (!side.scores[size_t(p)] && m.sides[id].scores[size_t(p)])
                m.pools[id][u"Quarter%1"_s.arg(p + 1)] = QString();
        m.sides[id] = side;
        for (int p = 0; p < 4; ++p) {
            if (!side.scores[size_t(p)])
                continue;
            const int square = squareOf(m.pools[id], side.scores[size_t(p)]->first,
                                        side.scores[size_t(p)]->second);
            if (square >= 0)
                m.pools[id][u"Quarter%1"_s.arg(p + 1)] =
                    m.pools[id].value(Schema::imColumn(square)).toString();
        }
        end(done, Loaded);
        w().cmdPlayers_Click(); // the prizes the new scores pay
        if (PlayersDialog *ledger = w().playersDialog()) {
            if (const QString wrong = prizesDiffer(*ledger); !wrong.isEmpty())
                m_failure = wrong;
            ledger->close();
        }
        return done;
    }
    // The ledger's prizes: the players' winnings add up to the prizes paid,
    // which never pass the pool; once every period the plan pays has been
    // played on drawn digits, with a square sold and no prize handed back,
    // they are the pool to the cent.
    QString prizesDiffer(const PlayersDialog &dialog)
    {
        const QString total = dialog.paidOut()->text().section(u'\n', -1);
        const qint64 paid = Money::poolCents(total.section(u' ', 2, 2));
        const qint64 pool = Money::poolCents(total.section(u' ', -1));
        qint64 won = 0;
        for (int row = 0; row < dialog.table()->rowCount(); ++row)
            won += Money::poolCents(dialog.table()->item(row, 7)->text());
        if (won != paid || paid > pool)
            return u"the ledger's winnings add up to %1 of %2"_s.arg(won).arg(total);
        const qint64 id = m.shown();
        const PoolValues &stored = m.pools.value(id);
        const Side side = m.sides.value(id);
        const QStringList plan = side.plan.chopped(side.plan.isEmpty() ? 0 : 1).split(u'=');
        bool whole = plan.size() == 6 && plan[4] != u"2"_s && pool > 0;
        for (int p = 0; whole && p < 4; ++p) {
            const auto &scores = side.scores[size_t(p)];
            whole = plan[p] == u"0"_s ||
                    (scores && squareOf(stored, scores->first, scores->second) >= 0 &&
                     squareOf(stored, scores->second, scores->first) >= 0);
        }
        bool sold = false;
        for (int k = 0; k < Schema::kSquareCount; ++k)
            sold = sold || !stored.value(Schema::imColumn(k)).toString().isEmpty();
        if (whole && sold && paid != pool)
            return u"every period is played, yet the ledger says "_s + total;
        return {};
    }
    // A preset's shares, "s1=s2=s3=s4="; the presets go per quarter, per
    // half, per game, then 20/20/20/40, 10/20/30/40, 12.5/25/12.5/50.
    static QString sharesOf(int preset)
    {
        static const char *const shares[] = {
            "2500=2500=2500=2500=", "0=5000=0=5000=",       "0=0=0=10000=",
            "2000=2000=2000=4000=", "1000=2000=3000=4000=", "1250=2500=1250=5000="};
        return QString::fromLatin1(shares[preset]);
    }
    // The preset of the pool's payout option: per game, half or quarter.
    int optionPreset() const
    {
        const PoolValues &pool = m.pools.value(m.shown());
        return pool.value(u"Quarter"_s).toInt() ? 0
               : pool.value(u"Half"_s).toInt()  ? 1
               : pool.value(u"Game"_s).toInt()  ? 2
                                                : 0;
    }
    // The side the board was shown with: a new pool's is empty.
    Side shownSide() const { return m.mode == Mode::Adding ? Side{} : m.sides.value(m.shown()); }
    // The winner lookup for a quarter, with the scores on the board unless
    // given: where they point at a square, the quarter keeps them.
    void lookUp(int quarter, const QString &first, const QString &second)
    {
        if (squareOf(board(), first, second) >= 0)
            m_side.scores[size_t(quarter)] = std::pair{first, second};
    }
    void lookUp(int quarter) { lookUp(quarter, w().Score[0]->text(), w().Score[1]->text()); }
    QString close()
    {
        act([this] { w().close(); }, true);
        const bool goes = goesOn();
        if (w().isVisible() == goes)
            m_failure = goes ? u"the window stayed open"_s : u"the window closed"_s;
        if (!goes || !m_failure.isEmpty())
            return u"close the window"_s;
        reopen();
        return u"close the window"_s + std::exchange(m_via, {}) + u", open it again"_s;
    }

    quint64 m_seed;
    std::mt19937_64 m_random;
    TestData m_data;
    std::unique_ptr<TestWindow> m_window;
    Model m;
    QMap<qint64, PoolValues> m_first; // an amount may stay as another program wrote it
    QStringList m_log;
    QString m_via, m_told, m_failure; // how the step was done and answered; the disk; the model
    // The board as the last load, clear or save left it (anything else on it
    // is a change of the user's), and as the command found it.
    PoolValues m_baseline, m_before;
    bool m_loaded = false, m_asks = false, m_failed = false, m_failureSeen = false;
    bool m_pending = false;                  // a locked pool's digits the disk did not take
    Side m_side;                             // the board's plan and scores, stored by the next save
    bool m_stayed = false, m_update = false; // the caret left in a box typed into; Update next
    int m_byKey = 12, m_answer = 0;   // a button pressed by its key, in percent; Yes, No, Cancel
    std::optional<QString> m_expect;  // a message the step must show; empty: none; unset: any
    std::optional<PoolValues> m_keep; // the board the step must leave
};

} // namespace

// 2,000 steps in the ordinary suite, 100,000 with QUADRIX_LONG; one seed
// alone with `test_walk walk:"seed 3"`.
class TestWalk : public QObject
{
    Q_OBJECT

private slots:
    void walk_data()
    {
        QTest::addColumn<quint64>("seed");
        for (int i = 1; i <= (kLong ? 20 : 4); ++i)
            QTest::addRow("seed %d", i) << quint64(i);
    }
    void walk()
    {
        QFETCH(quint64, seed);
        const QString failure = Walk(seed).run(kLong ? 5000 : 500);
        if (!failure.isEmpty())
            qWarning().noquote() << failure; // in full: a test's message is cut short
        QVERIFY2(failure.isEmpty(), qPrintable(failure.section(u'\n', 0, 0)));
    }
};

QTEST_MAIN(TestWalk)
#include "test_walk.moc"
