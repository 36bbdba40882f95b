// The players of the pool on show, and the winning squares on the board.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "board/boardrules.h"
#include "ledger.h"
#include "money/money.h"
#include "payments.h"
#include "playersdialog.h"
#include "pool/payout.h"
#include "store/poolstore.h"
#include "store/schema.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

// What each quarter's winner takes: every quarter pays, or the half time
// and the end, or only the end; in whole cents that add up to the pool.
QList<qint64> prizesOf(qint64 pool, bool perQuarter, bool perHalf)
{
    const Payout::Preset &preset = Payout::presets()[perQuarter ? 0 : perHalf ? 1 : 2];
    const std::array<qint64, 4> prizes = Payout::periodPrizes(pool, {preset.shares});
    return {prizes.begin(), prizes.end()};
}

} // namespace

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
    pool.prizes = prizesOf(cents, shown.perQuarter, shown.perHalf);
    pool.unsaved = stored && hasUnsavedChanges();
    m_players = std::make_unique<PlayersDialog>(pool, m_services.store->database(),
                                                *m_services.dialogs, m_services.print, this);
    if (m_services.dialogs->isScripted())
        return; // tests tick and read it as it stands
    m_players->exec();
    m_players.reset();
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
    // Every square of a quarter's winner lightly; the square the scores
    // point at now, for the selected quarter, strongly.
    QSet<QString> winners;
    for (const QLineEdit *winner : Who)
        if (!Ledger::keyOf(winner->text()).isEmpty())
            winners.insert(Ledger::keyOf(winner->text()));
    QStringList columns, rows;
    for (int i = 0; i < 10; ++i) {
        columns << Number[i]->text();
        rows << Number[10 + i]->text();
    }
    const std::optional<int> now =
        BoardRules::winningSquare(columns, rows, Score[0]->text(), Score[1]->text());
    for (int k = 0; k < Schema::kSquareCount; ++k) {
        const int level = now == k ? 2 : winners.contains(Ledger::keyOf(Imput[k]->text())) ? 1 : 0;
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
