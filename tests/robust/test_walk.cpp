// A seeded random walk over the user's commands through the real window. A
// model keeps what the pool file must hold, which pool is on show and which
// pools the moves must reach; every step is checked against it, and no change
// the user made is lost unless the user said so. A failing walk prints its
// seed and the steps that lead to the failure: the shortest prefix that
// fails, since every step is checked.
#include "money/money.h"
#include "players/ledger.h"
#include "players/playersdialog.h"
#include "store/schema.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

#include <random>

namespace {

// What the pool file must hold and what the window must be doing.
struct Model
{
    QMap<qint64, PoolValues> pools;
    bool searching = false;
    QString searchDate;
    qint64 current = 0; // the pool the record set stands on; 0: none
    bool editing = false, addNew = false, locked = false;
    qint64 lastId = 0;

    QList<qint64> set() const
    {
        QList<qint64> ids;
        for (auto it = pools.cbegin(); it != pools.cend(); ++it)
            if (!searching || it.value().value(Schema::kDate).toString() == searchDate)
                ids << it.key();
        return ids;
    }
    QString password() const { return pools.value(current).value(Schema::kPassword).toString(); }
};

class Walk
{
public:
    Walk(quint64 seed, const QString &locale) : m_seed(seed), m_random(seed)
    {
        QLocale::setDefault(QLocale(locale));
        seedPools();
        m_window = std::make_unique<TestWindow>(m_data, true, seed);
        m_model.pools = m_data.allPools();
        m_model.lastId = m_model.pools.lastKey();
        m_model.current = m_model.pools.firstKey();
        loaded();
        m_baseline = boardValues(w());
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
        QString report =
            u"seed %1 failed after %2 steps: %3\n"_s.arg(m_seed).arg(m_log.size()).arg(failure);
        for (int i = 0; i < m_log.size(); ++i)
            report += u"  %1. %2\n"_s.arg(i + 1).arg(m_log[i]);
        return report;
    }

private:
    frmScore &w() { return m_window->w(); }
    int below(int n) { return int(m_random() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QString oneOf(const QStringList &texts) { return texts[below(int(texts.size()))]; }
    bool offered(QWidget *widget) { return widget->isVisibleTo(&w()) && widget->isEnabled(); }

    // Pools the program wrote, one another tool wrote (Null everywhere but
    // its date), locked ones, one with numbers where texts belong and one
    // with an amount that is no number.
    void seedPools()
    {
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
        PoolValues typed = samplePool("10/05/2025", "Ohio", "Iowa");
        typed.insert({{"Num0", 7}, {"Score1", 21}, {"Im0", "Kim"}});
        m_data.addPool(typed);
        PoolValues second = samplePool("09/14/2025", "Utah", "Ohio");
        second.insert("Password", "Secret");
        m_data.addPool(second);
    }

    // One command among those the window offers, chosen at random by its
    // weight in percent; checked.
    QString oneStep()
    {
        static const QList<std::pair<int, QString (Walk::*)()>> commands{
            {11, &Walk::begin}, {9, &Walk::update},  {5, &Walk::cancel}, {3, &Walk::remove},
            {22, &Walk::move},  {5, &Walk::find},    {4, &Walk::lock},   {4, &Walk::unlock},
            {3, &Walk::quick},  {3, &Walk::draw},    {2, &Walk::teams},  {21, &Walk::type},
            {5, &Walk::option}, {3, &Walk::players},
        };
        int roll = below(100);
        auto it = commands.cbegin();
        while (roll >= it->first)
            roll -= (it++)->first;
        m_loaded = false;
        m_message.reset();
        m_window->dialogs.clearShown();
        const QString done = (this->*(it->second))();
        m_window->dialogs.clearScript();
        if (done.isEmpty())
            return {}; // not offered by the window just now
        m_log << done;
        if (m_loaded)
            m_baseline = boardValues(w());
        return m_failure.isEmpty() ? check() : m_failure;
    }

    // Before a command that replaces the board: the answer to "Save the
    // changes to this pool?", should the program ask it.
    void replacing()
    {
        m_before = boardValues(w());
        m_beforeDate = w().txtGameDate->text();
        m_saveAnswer = std::array{Dialogs::Answer::Yes, Dialogs::Answer::No,
                                  Dialogs::Answer::Cancel}[below(3)];
        m_asked = false;
        if (w().hasUnsavedChanges())
            m_window->dialogs.setNextAnswer(m_saveAnswer);
    }
    // After it: false when the command stopped at the question (Cancel, or a
    // save that was refused), with the board as it was. A board replaced
    // without the question must have held nothing but what was loaded.
    bool goesOn()
    {
        for (const Dialogs::Shown &shown : m_window->dialogs.shown())
            m_asked = m_asked || shown.text == frmScore::kSaveChangesQuestion;
        if (!m_asked) {
            // The program's own refresh of an amount ("$000.00" shown as
            // "$0.00", or one it could not read put back to the last good
            // one) is no change.
            QStringList changed;
            for (auto it = m_before.cbegin(); it != m_before.cend(); ++it) {
                const QVariant was = m_baseline.value(it.key());
                const auto amount = [](const QVariant &v) { return Money::read(v.toString()); };
                if (!sameValue(it.value(), was) &&
                    (it.key() != "PoolAmount" ||
                     (amount(it.value()) && amount(was) && amount(it.value()) != amount(was))))
                    changed << it.key() + " = " + it.value().toString();
            }
            if (!changed.isEmpty() && boardValues(w()) != m_before)
                m_failure = u"the board was replaced and what the user changed on it was lost "
                            "without asking: "_s +
                            changed.join(", ");
            return true;
        }
        if (m_saveAnswer == Dialogs::Answer::Cancel)
            return false;
        if (m_saveAnswer == Dialogs::Answer::No) {
            m_baseline = m_before; // the user let the changes go
            return true;
        }
        return save(m_before, m_beforeDate);
    }
    QString answered(const QString &name)
    {
        static const QMap<Dialogs::Answer, QString> said{{Dialogs::Answer::Yes, "Yes"},
                                                         {Dialogs::Answer::No, "No"},
                                                         {Dialogs::Answer::Cancel, "Cancel"}};
        return m_asked ? name + u" (save the changes? %1)"_s.arg(said[m_saveAnswer]) : name;
    }

    // A save of the board as Update does it; false, with a message, when it
    // is refused.
    bool save(const PoolValues &board, const QString &date)
    {
        Model &m = m_model;
        const bool addNew = m.editing && m.addNew;
        const bool dated = date.size() == 10 && QDate::fromString(date, "MM/dd/yyyy").isValid();
        if (!dated || m.locked || (!addNew && !m.pools.contains(m.current))) {
            m_message = true;
            return false;
        }
        if (addNew) {
            qint64 id = 0; // the key the file gave the new pool
            for (qint64 key : m_data.allPools().keys())
                id = m.pools.contains(key) ? id : key;
            if (id <= m.lastId)
                m_failure = u"the new pool got the key %1"_s.arg(id);
            PoolValues pool = board;
            pool.insert(
                {{Schema::kId, id}, {Schema::kDate, date}, {Schema::kPassword, QVariant()}});
            m.pools.insert(id, pool);
            m.current = m.lastId = id;
        } else {
            m.pools[m.current].insert(board);
            m.pools[m.current].insert(Schema::kDate, date);
        }
        m.editing = m.searching = false;
        m_baseline = board;
        return true;
    }

    QString check()
    {
        Model &m = m_model;
        QString integrity;
        const QMap<qint64, PoolValues> file = m_data.allPools(&integrity);
        if (integrity != QLatin1String("ok"))
            return u"integrity check: "_s + integrity;
        if (file.keys() != m.pools.keys())
            return u"the file holds %1 pools, not %2"_s.arg(file.size()).arg(m.pools.size());
        for (auto it = file.cbegin(); it != file.cend(); ++it)
            for (const QString &column : Schema::allColumns())
                if (!sameValue(it.value().value(column), m.pools[it.key()].value(column)))
                    return u"pool %1 holds %2 = \"%3\", not \"%4\""_s.arg(it.key()).arg(
                        column, it.value().value(column).toString(),
                        m.pools[it.key()].value(column).toString());
        if (w().cmdUpdate->isVisibleTo(&w()) != m.editing ||
            w().cmdAdd->isVisibleTo(&w()) == m.editing || w().cmdNext->isEnabled() == m.editing)
            return u"the window is not in %1 mode"_s.arg(m.editing ? "Editing" : "Browse");
        if (m.editing && (w().document().mode() == PoolDocument::Mode::Adding) != m.addNew)
            return u"the mode is %1"_s.arg(int(w().document().mode()));
        // A pool's payments name only players on its board.
        OtherProgram other(m_data.poolFile());
        QSqlQuery payments(other.db());
        for (bool any = payments.exec("SELECT PoolID, Player FROM Payments");
             any && payments.next();) {
            QStringList players;
            for (int k = 0; k < Schema::kSquareCount; ++k)
                players << Ledger::keyOf(file.value(payments.value(0).toLongLong())
                                             .value(Schema::imColumn(k))
                                             .toString());
            if (!players.contains(payments.value(1).toString()))
                return u"pool %1 has a payment of \"%2\", who is not on its board"_s.arg(
                    payments.value(0).toString(), payments.value(1).toString());
        }
        if (w().isLocked() != m.locked)
            return u"Locked is %1"_s.arg(w().isLocked());
        if (m_loaded) {
            const QString wrong = boardMismatch(w(), m.pools.value(m.current));
            if (!wrong.isEmpty())
                return u"pool %1 on show: %2"_s.arg(m.current).arg(wrong);
        }
        const QStringList messages = m_window->dialogs.shownTexts(Dialogs::Shown::Kind::Message);
        if (m_message && messages.isEmpty() == *m_message)
            return messages.isEmpty() ? u"no message was shown"_s
                                      : u"unexpected message: "_s + messages.first();
        return {};
    }

    // A load: the board must show the pool on show, quietly.
    QString loaded(const QString &name = {})
    {
        m_loaded = true;
        m_message = false;
        m_model.locked = !m_model.password().isEmpty();
        return name;
    }

    QString begin() // Add or Edit
    {
        const bool add = chance(50);
        QPushButton *button = add ? w().cmdAdd : w().cmdEdit;
        // Every step reads every pool, so their number is kept small.
        if (!offered(button) || (add && m_model.pools.size() >= 20))
            return {};
        if (add)
            replacing();
        button->click();
        m_message = m_model.locked;
        if (m_model.locked)
            return add ? "Add" : "Edit";
        if (add && !goesOn())
            return answered("Add");
        m_model.editing = true;
        m_model.addNew = add;
        if (add) // a new pool starts from a cleared board
            m_baseline = boardValues(w());
        return answered(add ? "Add" : "Edit");
    }

    QString update()
    {
        if (!offered(w().cmdUpdate))
            return {};
        const PoolValues board = boardValues(w());
        const QString date = w().txtGameDate->text();
        w().cmdUpdate->click();
        if (!save(board, date))
            return u"Update (refused: date \"%1\")"_s.arg(date);
        m_message = false;
        return u"Update"_s;
    }

    QString cancel()
    {
        if (!offered(w().cmdCancel))
            return {};
        w().cmdCancel->click(); // the user's own discarding of the changes
        m_model.editing = false;
        return loaded("Cancel");
    }

    QString remove()
    {
        if (!offered(w().cmdDelete))
            return {};
        Model &m = m_model;
        if (m.locked || !m.current) {
            w().cmdDelete->click();
            m_message = true;
            return u"Delete (refused)"_s;
        }
        // "Delete the pool of ...?" comes first, then the question about the
        // changes to it.
        const bool confirmed = chance(70);
        m_window->dialogs.setNextAnswer(confirmed ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        replacing();
        w().cmdDelete->click();
        if (!goesOn() || m.locked || !m.current)
            return answered(u"Delete"_s);
        if (!confirmed)
            return answered(u"Delete (not confirmed)"_s);
        const qint64 gone = m.current;
        m.pools.remove(gone);
        // The next pool, or the previous one when the last went.
        const QList<qint64> set = m.set();
        const auto after = std::upper_bound(set.begin(), set.end(), gone);
        m.current = after != set.end() ? *after : set.isEmpty() ? 0 : set.last();
        return loaded(answered(u"Delete"_s));
    }

    QString move()
    {
        static const char *names[] = {"First", "Previous", "Next", "Last"};
        QToolButton *buttons[] = {w().cmdFirst, w().cmdPrevious, w().cmdNext, w().cmdLast};
        const int which = below(4);
        if (!offered(buttons[which]))
            return {};
        replacing();
        buttons[which]->click();
        if (!goesOn())
            return answered(names[which]);
        const QList<qint64> set = m_model.set();
        if (set.isEmpty()) { // First and Last report the missing pool
            m_message = which == 0 || which == 3;
            return answered(names[which] + u" (no pools)"_s);
        }
        qint64 &at = m_model.current;
        const auto after = std::upper_bound(set.begin(), set.end(), at);
        const auto before = std::lower_bound(set.begin(), set.end(), at);
        if (which == 0 || (which == 1 && before == set.begin()))
            at = set.first();
        else if (which == 3 || (which == 2 && after == set.end()))
            at = set.last();
        else
            at = which == 1 ? *(before - 1) : *after;
        return loaded(answered(names[which]));
    }

    QString find()
    {
        // Find puts the caret in the search box: a pool amount typed and
        // still in its box is checked on the way, and may be refused.
        const bool amountLeft = w().txtPoolAmount->hasFocus();
        w().cmdSearch->click();
        const QString date = chance(70) ? oneOf({"09/14/2025", "09/21/2025", "10/05/2025"})
                                        : oneOf({"01/01/2030", "09", ""});
        w().txtSearch->setText(date);
        replacing();
        w().cmdFind->click();
        const QString name = u"Find \"%1\""_s.arg(date);
        if (!goesOn())
            return answered(name);
        Model found = m_model;
        found.searching = true;
        found.searchDate = w().txtSearch->text().trimmed();
        // A date no pool has leaves everything as it was, with a message.
        if (found.set().isEmpty()) {
            m_message = true;
            return answered(name + u" (none)"_s);
        }
        found.current = found.set().first();
        m_model = found;
        const QString done = loaded(answered(name));
        if (amountLeft)
            m_message.reset();
        return done;
    }

    QString lock()
    {
        Model &m = m_model;
        const QString password = chance(10) ? QString() : oneOf({"pw", "Secret", "  "});
        const QString again = chance(80) ? password : u"other"_s;
        w().Text2->setText(password);
        w().Text1->setText(again);
        w().cmdLock->click();
        m_message = !m.locked; // LOCK on a locked pool does nothing at all
        if (m.locked || m.editing || password.isEmpty() || password != again || !m.current)
            return u"LOCK \"%1\"/\"%2\" (refused)"_s.arg(password, again);
        m_message = false;
        m.pools[m.current].insert(Schema::kPassword, password);
        m.locked = true;
        m.searching = false;
        return u"LOCK \"%1\""_s.arg(password);
    }

    QString unlock()
    {
        Model &m = m_model;
        const QString typed = chance(60) ? m.password() : u"nope"_s;
        w().Text2->setText(typed);
        w().cmdunlock->click();
        m_message = m.editing || m.password().isEmpty() || typed != m.password();
        if (*m_message)
            return u"UNLOCK \"%1\" (refused)"_s.arg(typed);
        m.pools[m.current].insert(Schema::kPassword, QString(""));
        m.locked = m.searching = false;
        return u"UNLOCK \"%1\""_s.arg(typed);
    }

    // The board: none of these may change the file.
    QString quick()
    {
        const QString name = oneOf({"Ann", " ", "O'Neil"});
        const QString count = oneOf({"0", "1", "3", "2.5", "abc", "200"});
        m_window->dialogs.setNextInput(name);
        m_window->dialogs.setNextInput(count);
        w().cmdQuick->click();
        return u"Quick Pick \"%1\" x %2"_s.arg(name, count);
    }

    // On a locked pool the drawn digits are stored at once.
    QString draw()
    {
        const bool yes = chance(70);
        m_window->dialogs.setNextAnswer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        const PoolValues before = boardValues(w());
        w().Command3->click();
        const PoolValues after = boardValues(w());
        if (m_model.locked && after != before) {
            for (int i = 0; i < Schema::kHeaderCount; ++i) {
                const QString column = Schema::numColumn(i);
                m_model.pools[m_model.current].insert(column, after.value(column));
                m_baseline.insert(column, after.value(column));
            }
        }
        return u"SET Numbers (%1)"_s.arg(yes ? "Yes" : "No");
    }

    QString teams()
    {
        const bool down = chance(50);
        w().Combo1[0]->setFocus();
        QTest::keyClick(w().Combo1[0], down ? Qt::Key_Down : Qt::Key_Up);
        return u"PRO/COLLAGE %1"_s.arg(down ? "Down" : "Up");
    }

    // Types into a square, a score, the pool amount or the date, then leaves
    // the box (its lost-focus handling runs) or keeps the focus in it.
    QString type()
    {
        static const QList<QStringList> texts{{"Ann", "Bo", " ", "O'Neil", "Zo\u00eb", ""},
                                              {"", "7", "14", "21", "3a"},
                                              {"250", "1,000", "lots", "250.10", ""},
                                              {"09/14/2025", "10/05/2025", "", "12", "02/30/2025"}};
        // A square half of the time, often one of the first three, so that
        // a player who owns a single square is renamed now and then.
        const int kind = std::max(0, below(6) - 2);
        QWidget *const boxes[] = {w().Imput[below(chance(50) ? 3 : 100)], w().Score[below(2)],
                                  w().txtPoolAmount, w().txtGameDate};
        QWidget *box = boxes[kind];
        const QString text = oneOf(texts[kind]);
        if (!offered(box))
            return {};
        // Typed key by key over what the box held, as the user does.
        box->setFocus();
        if (auto *square = qobject_cast<SquareBox *>(box))
            square->selectAll();
        else
            static_cast<QLineEdit *>(box)->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        const QString keys = box == w().txtGameDate ? QString(text).remove(u'/') : text;
        for (const QChar key : keys)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(key), Qt::NoModifier);
        const bool leave = chance(70);
        if (leave)
            w().txtGameDate->setFocus();
        return u"type \"%1\" into %2%3"_s.arg(text, box->objectName(), leave ? "" : " and stay");
    }

    // The ledger of the pool on show: a payment ticked or taken back.
    QString players()
    {
        w().cmdPlayers->click();
        PlayersDialog *dialog = w().playersDialog();
        QTableWidget *table = dialog->table();
        QString done = u"Players"_s;
        if (table->rowCount() > 0) {
            QTableWidgetItem *tick = table->item(below(table->rowCount()), 4);
            if (tick->flags() & Qt::ItemIsEnabled) {
                tick->setCheckState(tick->checkState() == Qt::Checked ? Qt::Unchecked
                                                                      : Qt::Checked);
                done += u", tick "_s + table->item(tick->row(), 0)->text();
            }
        }
        dialog->close();
        return done;
    }

    QString option() // a quarter or a payout period
    {
        const int which = below(7);
        QRadioButton *button = which < 4 ? w().Quarter[which] : w().Option1[which - 4];
        if (!offered(button))
            return {};
        button->click();
        return u"click "_s + button->objectName();
    }

    quint64 m_seed;
    std::mt19937_64 m_random;
    TestData m_data;
    std::unique_ptr<TestWindow> m_window;
    Model m_model;
    QStringList m_log;
    bool m_loaded = false;
    // The board as the last load, clear or save left it: anything else on it
    // is a change of the user's.
    PoolValues m_baseline;
    PoolValues m_before;
    QString m_beforeDate;
    Dialogs::Answer m_saveAnswer = Dialogs::Answer::Cancel;
    bool m_asked = false;
    std::optional<bool> m_message; // whether a message must be shown; unset: either
    QString m_failure;
};

} // namespace

class TestWalk : public QObject
{
    Q_OBJECT

private slots:
    // 2,000 steps in the ordinary suite, 100,000 in the long mode; one seed
    // alone with `test_walk walk:"seed 3"`.
    void walk_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("locale");
        const bool longMode = qEnvironmentVariableIntValue("QUADRIX_LONG") > 0;
        for (int i = 1; i <= (longMode ? 20 : 4); ++i)
            QTest::addRow("seed %d", i)
                << quint64(i) << (longMode ? 5000 : 500) << QString(i % 2 ? "en_US" : "de_DE");
    }
    void walk()
    {
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        QFETCH(QString, locale);
        const QString failure = Walk(seed, locale).run(steps);
        if (!failure.isEmpty())
            qWarning().noquote() << failure; // in full: a test's message is cut short
        QVERIFY2(failure.isEmpty(), qPrintable(failure.section(u'\n', 0, 0)));
    }
};

QTEST_MAIN(TestWalk)
#include "test_walk.moc"
