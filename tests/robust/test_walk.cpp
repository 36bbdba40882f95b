// A seeded random walk over the user's commands through the real window. A
// model keeps what the pool file must hold, which pool is on show and which
// pools the moves must reach; every step is checked against it. A failing
// walk prints its seed and the steps that lead to the failure, which are the
// shortest prefix that fails, because every step is checked.
#include "store/schema.h"
#include "support/testwindow.h"

#include <QTest>
#include <QtWidgets>

#include <functional>
#include <random>

namespace {

const QString kLock = frmScore::kLockMessage;

// What the pool file must hold and what the window must be doing.
struct Model
{
    QMap<qint64, PoolValues> pools;
    bool searching = false;
    QString searchDate;
    qint64 current = 0; // the pool the record set stands on; 0: none
    bool editing = false;
    bool addNew = false;
    bool locked = false;
    qint64 lastId = 0;

    QList<qint64> set() const
    {
        QList<qint64> ids;
        for (auto it = pools.cbegin(); it != pools.cend(); ++it)
            if (!searching || it.value().value(Schema::kDate).toString() == searchDate)
                ids << it.key();
        return ids;
    }
    bool hasPassword(qint64 id) const
    {
        return !pools.value(id).value(Schema::kPassword).toString().isEmpty();
    }
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
        m_model.locked = m_model.hasPassword(m_model.current);
    }
    ~Walk() { QLocale::setDefault(QLocale::c()); }

    // The failure with the steps that led to it; empty when every step held.
    QString run(int steps)
    {
        m_loaded = true;
        QString failure = check();
        for (int step = 0; failure.isEmpty() && step < steps; ++step)
            failure = oneStep();
        if (failure.isEmpty())
            return {};
        QString report = QStringLiteral("seed %1 failed after %2 steps: %3\n")
                             .arg(m_seed)
                             .arg(m_log.size())
                             .arg(failure);
        for (int i = 0; i < m_log.size(); ++i)
            report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(m_log[i]);
        return report;
    }

private:
    frmScore &w() { return m_window->w(); }
    int below(int n) { return int(m_random() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> T oneOf(const QList<T> &list) { return list[below(int(list.size()))]; }
    bool shown(QWidget *widget) { return widget->isVisibleTo(&w()) && widget->isEnabled(); }

    void seedPools()
    {
        PoolValues full = samplePool("09/14/2025", "Dallas", "Denver");
        for (int k = 0; k < 100; ++k)
            full.insert(Schema::imColumn(k), QStringLiteral("P%1").arg(k % 7));
        for (int i = 0; i < 20; ++i)
            full.insert(Schema::numColumn(i), QString::number((i * 3) % 10));
        m_data.addPool(full);
        m_data.addPool({{"Date", "09/14/2025"}}); // another tool's: Null everywhere else
        PoolValues locked = samplePool("09/21/2025", "Navy", "Army");
        locked.insert("Password", "pw");
        locked.insert("PoolAmount", "lots");
        locked.insert("Im5", "Lee");
        m_data.addPool(locked);
        PoolValues typed = samplePool("10/05/2025", "Ohio", "Iowa");
        typed.insert("Num0", 7); // numbers where texts belong
        typed.insert("Score1", 21);
        typed.insert("Im0", "Kim");
        m_data.addPool(typed);
        PoolValues second = samplePool("09/14/2025", "Utah", "Ohio");
        second.insert("Password", "Secret");
        m_data.addPool(second);
    }

    // One command chosen at random among those the window offers; checked.
    QString oneStep()
    {
        using Command = std::pair<int, QString (Walk::*)()>;
        static const QList<Command> commands{
            {6, &Walk::add},    {6, &Walk::edit},     {10, &Walk::update},  {5, &Walk::cancel},
            {3, &Walk::remove}, {4, &Walk::first},    {7, &Walk::previous}, {8, &Walk::next},
            {4, &Walk::last},   {5, &Walk::find},     {5, &Walk::lock},     {5, &Walk::unlock},
            {3, &Walk::quick},  {3, &Walk::draw},     {2, &Walk::teams},    {12, &Walk::square},
            {5, &Walk::date},   {4, &Walk::score},    {5, &Walk::amount},   {3, &Walk::quarter},
            {3, &Walk::payout}, {2, &Walk::traverse},
        };
        int total = 0;
        for (const Command &c : commands)
            total += c.first;
        for (;;) {
            int roll = below(total);
            auto it = commands.cbegin();
            while (roll >= it->first)
                roll -= (it++)->first;
            m_loaded = false;
            m_message.reset();
            m_window->dialogs.clearShown();
            const QString done = (this->*(it->second))();
            m_window->dialogs.clearScript();
            if (done.isEmpty())
                continue; // not offered by the window just now
            if (!done.startsWith(u'|'))
                m_log << done;
            return m_failure.isEmpty() ? check() : m_failure;
        }
    }

    QString check()
    {
        Model &m = m_model;
        QString integrity;
        const QMap<qint64, PoolValues> file = m_data.allPools(&integrity);
        if (integrity != QLatin1String("ok"))
            return QStringLiteral("integrity check: ") + integrity;
        if (file.keys() != m.pools.keys())
            return QStringLiteral("the file holds the pools %1, not %2")
                .arg(ids(file.keys()), ids(m.pools.keys()));
        for (auto it = file.cbegin(); it != file.cend(); ++it)
            for (const QString &column : Schema::allColumns())
                if (!sameValue(it.value().value(column), m.pools[it.key()].value(column)))
                    return QStringLiteral("pool %1 holds %2 = \"%3\", not \"%4\"")
                        .arg(it.key())
                        .arg(column, it.value().value(column).toString(),
                             m.pools[it.key()].value(column).toString());
        if (w().cmdUpdate->isVisibleTo(&w()) != m.editing ||
            w().cmdAdd->isVisibleTo(&w()) == m.editing || w().cmdNext->isEnabled() == m.editing)
            return QStringLiteral("the window is not in %1 mode")
                .arg(m.editing ? "Editing" : "Browse");
        if (m.editing && w().mbAddNewFlag != m.addNew)
            return QStringLiteral("mbAddNewFlag is %1").arg(w().mbAddNewFlag);
        if (w().StartUp || w().Moveit)
            return QStringLiteral("StartUp or Moveit is left set");
        if (w().Locked != m.locked)
            return QStringLiteral("Locked is %1").arg(w().Locked);
        if (m_loaded) {
            const QString wrong = boardMismatch(w(), m.current ? m.pools[m.current] : PoolValues());
            if (!wrong.isEmpty())
                return QStringLiteral("pool %1 on show: %2").arg(m.current).arg(wrong);
        }
        const QStringList messages = m_window->messages();
        if (m_message && messages.isEmpty() == *m_message)
            return messages.isEmpty() ? QStringLiteral("no message was shown")
                                      : QStringLiteral("unexpected message: ") + messages.first();
        return {};
    }

    static QString ids(const QList<qint64> &list)
    {
        QStringList texts;
        for (qint64 id : list)
            texts << QString::number(id);
        return texts.join(u',');
    }

    // --- Record commands ---

    QString add()
    {
        if (!shown(w().cmdAdd) || m_model.pools.size() >= 20) // every step reads every pool
            return {};
        w().cmdAdd->click();
        m_message = m_model.locked;
        if (!m_model.locked)
            m_model.editing = m_model.addNew = true;
        return QStringLiteral("Add");
    }

    QString edit()
    {
        if (!shown(w().cmdEdit))
            return {};
        w().cmdEdit->click();
        m_message = m_model.locked;
        if (!m_model.locked) {
            m_model.editing = true;
            m_model.addNew = false;
        }
        return QStringLiteral("Edit");
    }

    QString update()
    {
        if (!shown(w().cmdUpdate))
            return {};
        Model &m = m_model;
        const PoolValues board = boardValues(w());
        const QString date = w().txtGameDate->text();
        w().cmdUpdate->click();
        const bool dated =
            date.size() == 10 && QDate::fromString(date, QStringLiteral("MM/dd/yyyy")).isValid();
        m_message = !dated || m.locked || (!m.addNew && !m.pools.contains(m.current));
        if (*m_message)
            return QStringLiteral("Update (refused: date \"%1\")").arg(date);
        if (m.addNew) {
            const qint64 id = w().txtID->text().toLongLong();
            if (id <= m.lastId)
                m_failure = QStringLiteral("the new pool got the key %1").arg(id);
            PoolValues pool = board;
            pool.insert(Schema::kId, id);
            pool.insert(Schema::kDate, date);
            pool.insert(Schema::kPassword, QVariant());
            m.pools.insert(id, pool);
            m.current = m.lastId = id;
        } else {
            m.pools[m.current].insert(board);
        }
        m.editing = m.searching = false;
        return QStringLiteral("Update");
    }

    QString cancel()
    {
        if (!shown(w().cmdCancel))
            return {};
        w().cmdCancel->click();
        m_model.editing = false;
        return loaded(QStringLiteral("Cancel"));
    }

    QString remove()
    {
        if (!shown(w().cmdDelete))
            return {};
        Model &m = m_model;
        w().cmdDelete->click();
        m_message = m.locked || !m.current;
        if (*m_message)
            return QStringLiteral("Delete (refused)");
        const qint64 gone = m.current;
        m.pools.remove(gone);
        // The next pool, or the previous one when the last went.
        const QList<qint64> set = m.set();
        const auto after = std::upper_bound(set.begin(), set.end(), gone);
        m.current = after != set.end() ? *after : set.isEmpty() ? 0 : set.last();
        return loaded(QStringLiteral("Delete"));
    }

    QString move(QAbstractButton *button, const QString &name, bool reports,
                 const std::function<qint64(const QList<qint64> &)> &target)
    {
        if (!shown(button))
            return {};
        button->click();
        const QList<qint64> set = m_model.set();
        if (set.isEmpty()) {
            m_message = reports;
            return name + QStringLiteral(" (no pools)");
        }
        m_model.current = target(set);
        return loaded(name);
    }
    QString first()
    {
        return move(w().cmdFirst, "First", true, [](const QList<qint64> &s) { return s.first(); });
    }
    QString last()
    {
        return move(w().cmdLast, "Last", true, [](const QList<qint64> &s) { return s.last(); });
    }
    QString next()
    {
        return move(w().cmdNext, "Next", false, [this](const QList<qint64> &s) {
            for (qint64 id : s)
                if (id > m_model.current)
                    return id;
            return s.contains(m_model.current) ? m_model.current : s.last();
        });
    }
    QString previous()
    {
        return move(w().cmdPrevious, "Previous", false, [this](const QList<qint64> &s) {
            for (auto it = s.crbegin(); it != s.crend(); ++it)
                if (*it < m_model.current)
                    return *it;
            return s.contains(m_model.current) ? m_model.current : s.first();
        });
    }
    // Every pool of the set, forwards and backwards, each move checked.
    QString traverse()
    {
        if (m_model.editing)
            return {};
        const int n = int(m_model.set().size());
        QString failure;
        for (int i = 0; failure.isEmpty() && i < 2 * n + 2; ++i) {
            m_loaded = false;
            m_message.reset();
            m_window->dialogs.clearShown();
            m_log << (i == 0 ? first() : i <= n ? next() : i == n + 1 ? last() : previous());
            failure = check();
        }
        m_failure = failure;
        return QStringLiteral("|");
    }

    QString find()
    {
        if (!shown(w().cmdSearch))
            return {};
        w().cmdSearch->click();
        const QString date = chance(70) ? oneOf<QString>({"09/14/2025", "09/21/2025", "10/05/2025"})
                                        : oneOf<QString>({"01/01/2030", "09", ""});
        w().txtSearch->setText(date);
        w().cmdFind->click();
        m_model.searching = true;
        m_model.searchDate = w().txtSearch->text().trimmed();
        const QList<qint64> set = m_model.set();
        m_model.current = set.isEmpty() ? 0 : set.first();
        return loaded(QStringLiteral("Find \"%1\"").arg(date));
    }

    // A load: the board must show the pool on show, quietly.
    QString loaded(const QString &name)
    {
        m_loaded = true;
        m_message = false;
        m_model.locked = m_model.hasPassword(m_model.current);
        return name;
    }

    // --- Lock ---

    QString lock()
    {
        Model &m = m_model;
        const QString password = chance(10) ? QString() : oneOf<QString>({"pw", "Secret", "  "});
        const QString again = chance(80) ? password : QStringLiteral("other");
        w().Text2->setText(password);
        w().Text1->setText(again);
        w().cmdLock->click();
        m_message = !m.locked;
        if (m.locked || m.editing || password.isEmpty() || password != again || !m.current)
            return QStringLiteral("LOCK \"%1\"/\"%2\" (refused)").arg(password, again);
        m_message = false;
        m.pools[m.current].insert(Schema::kPassword, password);
        m.locked = true;
        m.searching = false;
        return QStringLiteral("LOCK \"%1\"").arg(password);
    }

    QString unlock()
    {
        Model &m = m_model;
        const QString stored = m.pools.value(m.current).value(Schema::kPassword).toString();
        const QString typed = chance(60) ? stored : QStringLiteral("nope");
        w().Text2->setText(typed);
        w().cmdunlock->click();
        m_message = true;
        if (m.editing || stored.isEmpty() || typed != stored)
            return QStringLiteral("UNLOCK \"%1\" (refused)").arg(typed);
        m_message = false;
        m.pools[m.current].insert(Schema::kPassword, QString(""));
        m.locked = m.searching = false;
        return QStringLiteral("UNLOCK \"%1\"").arg(typed);
    }

    // --- The board: none of these may change the file ---

    QString quick()
    {
        const QString name = oneOf<QString>({"Ann", " ", "O'Neil"});
        const QString count = oneOf<QString>({"0", "1", "3", "2.5", "abc", "200"});
        m_window->dialogs.setNextInput(name);
        m_window->dialogs.setNextInput(count);
        w().cmdQuick->click();
        return QStringLiteral("Quick Pick \"%1\" x %2").arg(name, count);
    }

    QString draw()
    {
        const bool yes = chance(70);
        m_window->dialogs.setNextAnswer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        w().Command3->click();
        return QStringLiteral("SET Numbers (%1)").arg(yes ? "Yes" : "No");
    }

    QString teams()
    {
        const bool down = chance(50);
        w().Combo1[0]->setFocus();
        QTest::keyClick(w().Combo1[0], down ? Qt::Key_Down : Qt::Key_Up);
        return QStringLiteral("PRO/COLLAGE %1").arg(down ? "Down" : "Up");
    }

    // Types into a box; the box is left (its lost-focus handling runs) or
    // keeps the focus for the next command.
    QString type(QWidget *box, const QString &text, const QString &name)
    {
        if (!shown(box))
            return {};
        box->setFocus();
        if (auto *square = qobject_cast<SquareBox *>(box))
            square->setText(text);
        else
            static_cast<QLineEdit *>(box)->setText(text);
        const bool leave = chance(70);
        if (leave)
            w().txtGameDate->setFocus();
        return QStringLiteral("type \"%1\" into %2%3").arg(text, name, leave ? "" : " and stay");
    }
    QString square()
    {
        const int k = below(100);
        return type(w().Imput[k], oneOf<QString>({"Ann", "Bo", " ", "O'Neil", "Zo\u00eb", ""}),
                    w().Imput[k]->objectName());
    }
    QString score()
    {
        const int i = below(2);
        return type(w().Score[i], oneOf<QString>({"", "7", "14", "21", "3a"}),
                    w().Score[i]->objectName());
    }
    QString amount()
    {
        return type(w().txtPoolAmount, oneOf<QString>({"250", "1,000", "lots", "250.10", ""}),
                    QStringLiteral("txtPoolAmount"));
    }
    QString date()
    {
        const QString text = oneOf<QString>({"09/14/2025", "10/05/2025", "", "12", "02/30/2025"});
        w().txtGameDate->setText(text);
        return QStringLiteral("date \"%1\"").arg(text);
    }
    QString quarter()
    {
        const int q = below(4);
        if (!shown(w().Quarter[q]))
            return {};
        w().Quarter[q]->click();
        return QStringLiteral("quarter %1").arg(q + 1);
    }
    QString payout()
    {
        const int i = below(3);
        if (!shown(w().Option1[i]))
            return {};
        w().Option1[i]->click();
        return QStringLiteral("payout option %1").arg(i);
    }

    quint64 m_seed;
    std::mt19937_64 m_random;
    TestData m_data;
    std::unique_ptr<TestWindow> m_window;
    Model m_model;
    QStringList m_log;
    bool m_loaded = false;
    std::optional<bool> m_message; // whether a message must be shown; unset: either
    QString m_failure;
};

} // namespace

class TestWalk : public QObject
{
    Q_OBJECT

private slots:
    // 2,000 steps in the ordinary suite, 100,000 in the long mode; a seed of
    // one's own with QUADRIX_WALK_SEED (and QUADRIX_WALK_STEPS).
    void walk_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("locale");
        if (qEnvironmentVariableIsSet("QUADRIX_WALK_SEED")) {
            const int steps = qEnvironmentVariableIntValue("QUADRIX_WALK_STEPS");
            QTest::newRow("chosen") << qEnvironmentVariable("QUADRIX_WALK_SEED").toULongLong()
                                    << (steps > 0 ? steps : 2000) << QStringLiteral("en_US");
            return;
        }
        const bool longMode = qEnvironmentVariableIntValue("QUADRIX_LONG") > 0;
        const int walks = longMode ? 20 : 4;
        for (int i = 1; i <= walks; ++i)
            QTest::addRow("seed %d", i)
                << quint64(i) << (longMode ? 5000 : 500) << QString(i % 2 ? "en_US" : "de_DE");
    }
    void walk()
    {
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        QFETCH(QString, locale);
        Walk walk(seed, locale);
        const QString failure = walk.run(steps);
        if (!failure.isEmpty())
            qWarning().noquote() << failure; // in full: a test's message is cut short
        QVERIFY2(failure.isEmpty(), qPrintable(failure.section(u'\n', 0, 0)));
    }
};

QTEST_MAIN(TestWalk)
#include "test_walk.moc"
