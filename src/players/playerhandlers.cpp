// The players of the pool on show, and the winning squares on the board.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "board/boardrules.h"
#include "ledger.h"
#include "money/money.h"
#include "payments.h"
#include "playersdialog.h"
#include "pool/payout.h"
#include "resultsdialog.h"
#include "store/poolstore.h"
#include "store/schema.h"
#include "winnings.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

void frmScore::cmdPlayers_Click()
{
    // The ledger of the pool as saved: payments name only players who stand
    // on the stored board. A new pool shows the board as it stands, with
    // nothing to pay into yet.
    const bool stored = m_doc->hasPool();
    const Pool shown = stored ? m_doc->stored() : boardPool();
    PlayersDialog::Pool pool;
    pool.id = shown.id;
    pool.date = Pool::text(shown.date);
    pool.team1 = Pool::text(shown.team1);
    pool.team2 = Pool::text(shown.team2);
    pool.squares = shown.squareTexts();
    for (const Pool::Text &winner : shown.winners)
        pool.winners << Pool::text(winner);
    const qint64 cents = Money::poolCents(Pool::text(shown.amount));
    pool.perSquare = Money::share(cents, 100);
    pool.poolCents = cents;
    const std::array<qint64, 4> own = Payout::periodPrizes(cents, Winnings::planOf(shown));
    pool.prizes = {own.begin(), own.end()};
    pool.paidOut = Winnings::prizesOf(shown);
    pool.won = Winnings::byPlayer(shown, pool.paidOut);
    for (const Pool::Draw &draw : shown.draws)
        pool.draws << draw.line();
    pool.unsaved = stored && hasUnsavedChanges();
    m_players = std::make_unique<PlayersDialog>(pool, m_services.store->database(),
                                                *m_services.dialogs, m_services.print, this);
    if (m_services.dialogs->isScripted())
        return; // tests tick and read it as it stands
    const int result = m_players->exec();
    m_players.reset();
    if (result == PlayersDialog::kResultsAsked && cmdResults())
        cmdPlayers_Click(); // the ledger again, with the new prizes
}

void frmScore::cmdResults_Click()
{
    cmdResults();
}

bool frmScore::cmdResults()
{
    if (!proceed(PoolDocument::Command::Results))
        return false;
    m_results = std::make_unique<ResultsDialog>(
        m_doc->stored(), m_doc->isLocked(), *m_services.dialogs,
        [this](const auto &plan, const auto &scores) { return storeResults(plan, scores); }, this);
    if (m_services.dialogs->isScripted())
        return false; // tests fill it in and accept it
    const bool accepted = m_results->exec() == QDialog::Accepted;
    m_results.reset();
    return accepted;
}

bool frmScore::storeResults(const std::optional<Payout::Plan> &plan, const Pool::Scores &scores)
{
    QString refusal;
    try {
        refusal = m_doc->setResults(plan, scores);
    } catch (const PoolError &error) {
        refusal = error.description();
    }
    if (!refusal.isEmpty()) {
        m_services.dialogs->message(refusal);
        return false;
    }
    showStored(); // the winners the scores name
    return true;
}

void frmScore::watchForTints()
{
    // The tint follows the scores, the digits, the winners, the names and
    // the quarter.
    QList<QLineEdit *> edits{Score[0], Score[1]};
    edits << QList<QLineEdit *>(Number.begin(), Number.end())
          << QList<QLineEdit *>(Who.begin(), Who.end());
    for (QLineEdit *edit : edits)
        connect(edit, &QLineEdit::textChanged, this, &frmScore::scheduleTint);
    for (SquareBox *square : Imput)
        connect(square, &QPlainTextEdit::textChanged, this, &frmScore::scheduleTint);
    for (QRadioButton *quarter : Quarter)
        connect(quarter, &QRadioButton::toggled, this, &frmScore::scheduleTint);
}

void frmScore::scheduleTint()
{
    if (m_tintScheduled)
        return;
    m_tintScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_tintScheduled = false;
        tintWinners();
    });
}

void frmScore::tintWinners()
{
    // The square that won each period that pays, lightly; the square the
    // scores point at now, for the selected quarter, strongly. A player's
    // other squares won nothing and stay as they are.
    const Pool board = boardPool();
    const Payout::Plan plan = Winnings::planOf(board);
    const auto results = Winnings::resultsOf(board);
    QSet<int> won;
    for (size_t p = 0; p < results.size(); ++p)
        if (results[p] && plan.shares[p] > 0)
            won.insert(results[p]->square);
    const QStringList headers = board.headerTexts();
    const std::optional<int> now = BoardRules::winningSquare(headers.mid(0, BoardRules::kDigits),
                                                             headers.mid(BoardRules::kDigits),
                                                             Score[0]->text(), Score[1]->text());
    for (int k = 0; k < Schema::kSquareCount; ++k) {
        const int level = now == k ? 2 : won.contains(k) ? 1 : 0;
        if (Imput[k]->property("tint").toInt() == level)
            continue;
        Imput[k]->setProperty("tint", level);
        QPalette palette = Imput[k]->palette();
        palette.setColor(QPalette::Base, level == 2 ? QColor(255, 196, 64)
                                         : level == 1
                                             ? QColor(255, 238, 170)
                                             : QApplication::palette().color(QPalette::Base));
        Imput[k]->setPalette(palette);
    }
}
