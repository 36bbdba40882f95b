// The pool on show without a window: what each command may do in each
// state, and the sequences of commands that once lost or mixed up pools.
// Links the core library only.
#include "document/pooldocument.h"
#include "store/poolstore.h"
#include "store/schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Command = PoolDocument::Command;
using Verdict = PoolDocument::Verdict;
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Verdict)

namespace {

const QString kLock = u"You Must UnLock This Record Before This Is Allowed"_s;
const QString kEditing = u"Save or cancel your changes before you lock or unlock this pool."_s;
const QString kNoRecord = u"No current record."_s;
const QString kSaveFirst = u"Save this pool before you lock it: only a saved pool can be locked."_s;

Pool pool(const QString &date, const QString &square = {})
{
    Pool p;
    p.date = date;
    p.amount = u"$100.00"_s;
    p.perQuarter = true;
    p.squares[0] = square;
    return p;
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PoolStore> m_store;
    std::unique_ptr<PoolDocument> m_doc;

    PoolDocument &doc() { return *m_doc; }
    PoolRepository repo() { return PoolRepository(m_store->database()); }
    // Stores pools straight into the file, then opens the document on them.
    void open(const QList<Pool> &pools)
    {
        for (const Pool &p : pools)
            repo().save(p);
        m_doc = std::make_unique<PoolDocument>(*m_store);
        doc().open();
    }
    int count()
    {
        QSqlQuery q(QSqlDatabase::database(m_store->database().connectionName()));
        q.exec(u"SELECT COUNT(*) FROM Football"_s);
        q.next();
        return q.value(0).toInt();
    }
    // The board as the user left it: the pool on show with one square typed.
    Pool changed() const
    {
        Pool board = m_doc->stored();
        board.squares[99] = u"typed"_s;
        return board;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        PoolDatabase::create(PoolStore::poolFilePath(m_dir->path()));
        m_store = std::make_unique<PoolStore>();
        m_store->OpenDB(m_dir->path());
    }
    void cleanup()
    {
        m_doc.reset();
        m_store.reset();
        m_dir.reset();
    }

    // Each row: a state reached by real commands, a command, the answer.
    void decide_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<Command>("command");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("message");
        using C = Command;
        using V = Verdict;
        const struct
        {
            const char *state;
            C command;
            V verdict;
            QString message;
        } rows[] = {
            {"locked", C::Add, V::Refused, kLock},
            {"changed", C::Add, V::AskToSave, {}},
            {"browsing", C::Add, V::Allowed, {}},
            {"empty file, changed", C::Add, V::AskToSave, {}},
            {"locked", C::Edit, V::Refused, kLock},
            {"adding", C::Edit, V::Ignored, {}},
            {"empty file", C::Edit, V::Allowed, {}},
            {"browsing", C::Update, V::Ignored, {}},
            {"editing, changed", C::Update, V::Allowed, {}},
            {"browsing", C::Cancel, V::Ignored, {}},
            {"locked", C::Delete, V::Refused, kLock},
            {"empty file", C::Delete, V::Refused, kNoRecord},
            {"changed", C::Delete, V::AskToDelete, {}},
            {"editing", C::Delete, V::Ignored, {}},
            {"empty file, changed", C::First, V::Refused, kNoRecord},
            {"empty file, changed", C::Last, V::Refused, kNoRecord},
            {"empty file, changed", C::Next, V::Ignored, {}},
            {"empty file", C::Previous, V::Ignored, {}},
            {"editing, changed", C::Next, V::Ignored, {}},
            {"changed", C::Previous, V::AskToSave, {}},
            {"locked", C::Last, V::Allowed, {}},
            // A search ends an add: the new pool is asked about, not copied.
            {"adding, changed", C::Find, V::AskToSave, {}},
            {"editing", C::Find, V::Allowed, {}},
            {"editing", C::Lock, V::Refused, kEditing},
            {"adding", C::Unlock, V::Refused, kEditing},
            {"locked", C::Lock, V::Ignored, {}},
            // A lock holds what the file holds.
            {"changed", C::LockConfirmed, V::AskToSave, {}},
            {"empty file, changed", C::LockConfirmed, V::Refused, kSaveFirst},
            {"browsing", C::LockConfirmed, V::Allowed, {}},
            {"locked", C::Unlock, V::Allowed, {}},
            {"locked", C::QuickPick, V::Refused, kLock},
            {"locked", C::Lookup, V::Refused, kLock},
            {"locked", C::Score, V::Refused, kLock},
            {"locked", C::Amount, V::Refused, kLock},
            {"locked", C::Period, V::Refused, kLock},
            {"locked", C::GameType, V::Refused, kLock},
            {"browsing", C::GameType, V::Allowed, {}},
            {"locked", C::Draw, V::Allowed, {}},
            {"locked, changed", C::Close, V::AskToSave, {}},
            {"browsing", C::Close, V::Allowed, {}},
            {"locked", C::Players, V::Allowed, {}},
        };
        for (const auto &row : rows)
            QTest::addRow("%s: %d", row.state, int(row.command))
                << QString::fromLatin1(row.state) << row.command << row.verdict << row.message;
    }
    void decide()
    {
        QFETCH(QString, state);
        QFETCH(Command, command);
        QFETCH(Verdict, verdict);
        QFETCH(QString, message);
        Pool locked = pool(u"02/02/2025"_s, u"Lee"_s);
        locked.password = u"pw"_s;
        open(state.startsWith("empty file") ? QList<Pool>{}
                                            : QList<Pool>{pool(u"01/01/2025"_s), locked});
        if (state.startsWith("locked"))
            doc().move(Command::Next);
        if (state.startsWith("adding"))
            doc().beginAdd();
        if (state.startsWith("editing"))
            doc().beginEdit();
        QCOMPARE(doc().isLocked(), state.startsWith("locked"));
        const Pool board = state.endsWith("changed") ? changed() : doc().stored();
        const PoolDocument::Answer answer = doc().decide(command, board);
        QCOMPARE(answer.verdict, verdict);
        QCOMPARE(answer.message, message);
    }

    // What a save refuses, as the user is told it; nothing is written then.
    void validation_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("refusal"); // the start of it; empty: stored
        const QString noDate = u" Game Date Has To Have A Date"_s;
        const QString amount = u"The pool amount must be"_s;
        // clang-format off
        QTest::newRow("a date")         << "07/04/2025" << "$250.10" << "";
        QTest::newRow("leap day")       << "02/29/2028" << "0"       << "";
        QTest::newRow("no date")        << ""           << "$1.00"   << noDate;
        QTest::newRow("part of one")    << "07/04"      << "$1.00"   << noDate;
        QTest::newRow("no such day")    << "02/30/2026" << "$1.00"   << "02/30/2026 is not a date.";
        QTest::newRow("day first")      << "28/12/2025" << "$1.00"   << "Type the game date as";
        QTest::newRow("negative")       << "07/04/2025" << "-50"     << amount;
        QTest::newRow("letters")        << "07/04/2025" << "abc"     << amount;
        QTest::newRow("kept as stored") << "07/04/2025" << "lots"    << "";
        // clang-format on
    }
    void validation()
    {
        QFETCH(QString, date);
        QFETCH(QString, amount);
        QFETCH(QString, refusal);
        Pool stored = pool(u"01/01/2025"_s, u"Ann"_s);
        stored.amount = u"lots"_s; // another program's text
        open({stored});
        doc().setShownBoard(doc().stored());
        doc().beginEdit();
        Pool board = doc().stored();
        board.date = date;
        board.amount = amount;
        const QString said = doc().save(board);
        QVERIFY2(refusal.isEmpty() ? said.isEmpty() : said.startsWith(refusal), qPrintable(said));
        const Pool file = repo().load(1);
        QCOMPARE(file == board, refusal.isEmpty());
        QCOMPARE(doc().isEditing(), !refusal.isEmpty());
    }

    // Sequences that once stored a copy, stranded the moves or dropped work.
    void sequences()
    {
        open({pool(u"01/01/2025"_s, u"A"_s), pool(u"02/02/2025"_s, u"B"_s),
              pool(u"03/03/2025"_s, u"C"_s)});
        // Add, then Find: the found pool is shown as stored, and its save
        // changes it rather than adding a copy.
        doc().beginAdd();
        QVERIFY(doc().find(u"02/02/2025"_s));
        QCOMPARE(doc().mode(), PoolDocument::Mode::Browsing);
        Pool board = doc().stored();
        board.squares[5] = u"Five"_s;
        QCOMPARE(doc().save(board), QString());
        QCOMPARE(count(), 3);
        QCOMPARE(repo().load(2).squares[5], u"Five"_s);
        // A text too long to load again is never stored.
        board.squares[6] = QString(65537, u'x');
        QVERIFY_THROWS_EXCEPTION(PoolError, doc().save(board));
        QVERIFY(repo().load(2).squares[6]->isEmpty());
        // Deleting the only pool of a search: the moves walk all pools again.
        QVERIFY(doc().find(u"02/02/2025"_s));
        doc().removeShown();
        QCOMPARE(doc().stored().id, 3);
        QCOMPARE(doc().query().kind, PoolQuery::Kind::All);
        doc().move(Command::First);
        QCOMPARE(doc().stored().id, 1);
        // Work typed on an empty board is saved as a new pool.
        doc().removeShown();
        doc().removeShown();
        QVERIFY(!doc().hasPool());
        QCOMPARE(doc().save(pool(u"04/04/2025"_s, u"D"_s)), QString());
        QCOMPARE(count(), 1);
        QVERIFY(doc().hasPool());
        QCOMPARE(repo().load(doc().stored().id).squares[0], u"D"_s);
        // A lock stores the pool as shown, and the moves walk all pools
        // again; the draw is the one change a locked pool takes.
        QVERIFY(doc().find(u"04/04/2025"_s));
        QCOMPARE(doc().lock(u"pw"_s), QString());
        QCOMPARE(doc().query().kind, PoolQuery::Kind::All);
        QVERIFY(repo().load(doc().stored().id).isLocked());
        Pool drawn = doc().stored();
        drawn.headers[0] = u"7"_s;
        doc().recordDraw(u"7/"_s);
        QVERIFY(doc().isChanged(drawn));
        QCOMPARE(doc().save(drawn), QString());
        QVERIFY(!doc().isChanged(drawn));
        QCOMPARE(repo().load(doc().stored().id).headers[0], u"7"_s);
        QCOMPARE(repo().load(doc().stored().id).draws.value(0).digits, u"7/"_s);
        drawn.squares[1] = u"sneaked"_s;
        QCOMPARE(doc().save(drawn), PoolDocument::lockMessage());
        QCOMPARE(doc().unlock(u"PW"_s), u"Passwords Do Not Match"_s);
        QCOMPARE(doc().unlock(u"pw"_s), QString());
        QVERIFY(!repo().load(doc().stored().id).isLocked());
    }

    // A new pool's save prunes its own payments only, never those of the
    // pool that was on show before Add.
    void aSaveKeepsTheOtherPoolsPayments()
    {
        open({pool(u"01/01/2025"_s, u"Ann"_s)});
        doc().setPaid(u"ann"_s, true);
        doc().beginAdd();
        QCOMPARE(doc().save(pool(u"03/03/2025"_s, u"Cy"_s)), QString());
        QCOMPARE(repo().load(1).paid, QSet<QString>{u"ann"_s});
    }

    // A pool's payout plan and period scores are stored with it, kept by a
    // save of a board that does not show them, and go when it goes.
    void payoutDataGoesWithItsPool()
    {
        Pool p = pool(u"01/01/2025"_s, u"Ann"_s);
        p.plan = Payout::Plan{{1000, 2000, 3000, 4000}, Payout::Unsold::SplitAmongSold, 2000};
        p.scores[0] = {u"7"_s, u"3"_s}, p.scores[3] = {u"21"_s, u"24"_s};
        p.draws = {{u"2026-12-06T19:02:11"_s, u"0123456789/9876543210"_s}, {u"later"_s, u"/"_s}};
        open({p});
        Pool board = changed();
        board.plan.reset(), board.scores = {};
        QCOMPARE(doc().save(board), QString());
        QVERIFY(repo().load(1).plan == p.plan && repo().load(1).scores == p.scores);
        QCOMPARE(repo().load(1).draws, p.draws);
        QCOMPARE(p.draws[0].line(),
                 u"Digits drawn 12/06/2026 19:02:11 (columns 0123456789, rows 9876543210)"_s);
        board = doc().stored();
        board.plan.reset(), board.scores[3].reset();
        repo().save(board);
        QVERIFY(!repo().load(1).plan && repo().load(1).scores[0] && !repo().load(1).scores[3]);
        doc().removeShown();
        QSqlQuery q(QSqlDatabase::database(m_store->database().connectionName()));
        QVERIFY(q.exec(u"SELECT (SELECT COUNT(*) FROM PeriodScores) + "
                       "(SELECT COUNT(*) FROM DigitDraws)"_s) &&
                q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }

    // The payout and the scores are stored at once with the pool as saved,
    // and name the winners the lookup would; a locked pool takes scores but
    // keeps its plan; a board with unsaved work or a new pool takes neither.
    // The lookup's scores wait for the save, and Add starts without them.
    void resultsAreStoredWithThePool()
    {
        Pool p = pool(u"01/01/2025"_s);
        for (int i = 0; i < 20; ++i)
            p.headers[size_t(i)] = QString::number(i % 10); // square 10 r + c
        p.squares[74] = u"Ann"_s;
        open({p, pool(u"02/02/2025"_s)});
        const Payout::Plan split{{1000, 2000, 3000, 4000}, Payout::Unsold::RollOver, 2000};
        Pool::Scores scores;
        scores[0] = {u"7"_s, u"3"_s}, scores[1] = {u"17"_s, u"24"_s};
        QCOMPARE(doc().decide(Command::Results, changed()).message,
                 u"Save or cancel your changes first: the payout and the scores are stored "
                 "with the pool as saved."_s);
        QCOMPARE(doc().setResults(Payout::Plan{{5000, 0, 0, 0}}, scores),
                 u"The four shares must add up to 100 %; they add up to 50 %."_s);
        QCOMPARE(doc().setResults(split, scores), QString());
        Pool stored = repo().load(1);
        QVERIFY(stored.plan == split && stored.scores == scores);
        QCOMPARE(stored.winners[0], QString()); // square 73 is nobody's
        QCOMPARE(stored.winners[1], u"Ann"_s);
        QVERIFY(!doc().isChanged(stored));
        // Locked: the scores go in, the plan stays.
        QCOMPARE(doc().lock(u"pw"_s), QString());
        scores[3] = {u"27"_s, u"34"_s};
        QCOMPARE(doc().setResults(std::nullopt, scores), PoolDocument::lockMessage());
        QCOMPARE(doc().setResults(split, scores), QString());
        QVERIFY(repo().load(1).scores[3] && repo().load(1).isLocked());
        QCOMPARE(repo().load(1).winners[3], u"Ann"_s);
        scores[3].reset(); // taken back: not played, so no winner
        QCOMPARE(doc().setResults(split, scores), QString());
        QCOMPARE(repo().load(1).winners[3], QString());
        QCOMPARE(doc().unlock(u"pw"_s), QString());
        // The lookup's scores are the board's: closing asks, a save stores
        // them, and a payout option gives the plan its split.
        doc().beginEdit();
        doc().recordScores(2, u"3"_s, u"3"_s);
        doc().choosePeriodOption(1);
        QCOMPARE(doc().decide(Command::Close, doc().stored()).verdict, Verdict::AskToSave);
        QCOMPARE(doc().save(doc().stored()), QString());
        stored = repo().load(1);
        QVERIFY(stored.scores[2] == (std::array<QString, 2>{u"3"_s, u"3"_s}));
        QVERIFY(stored.plan->shares == (std::array<int, 4>{0, 5000, 0, 5000}));
        doc().beginAdd();
        QVERIFY(!doc().plan() && !doc().scores()[0]);
        QCOMPARE(doc().decide(Command::Results, Pool()).message,
                 u"Save this pool first: the payout and the scores are stored with a saved "
                 "pool."_s);
    }

    // A file from another tool may hold a key twice: a delete or a save
    // refuses rather than change both rows.
    void aSharedKeyIsNeverChangedTwice()
    {
        QSqlDatabase db = QSqlDatabase::database(m_store->database().connectionName());
        QSqlQuery q(db);
        QString create = Schema::createStatements().first();
        create.replace(u"ID INTEGER PRIMARY KEY AUTOINCREMENT"_s, u"ID INTEGER"_s);
        QVERIFY(q.exec(u"DROP TABLE Football"_s));
        QVERIFY2(q.exec(create), qPrintable(q.lastError().text()));
        for (const char *date : {"01/01/2025", "02/02/2025"}) {
            q.prepare(u"INSERT INTO Football (ID, Date) VALUES (1, ?)"_s);
            q.addBindValue(QString::fromLatin1(date));
            QVERIFY(q.exec());
        }
        open({});
        QVERIFY_THROWS_EXCEPTION(PoolError, doc().removeShown());
        QVERIFY_THROWS_EXCEPTION(PoolError, doc().save(pool(u"05/05/2025"_s)));
        QCOMPARE(count(), 2);
        QVERIFY(q.exec(u"SELECT COUNT(*) FROM Football WHERE Date = '05/05/2025'"_s) && q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
