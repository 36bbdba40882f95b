// The one mapping between a pool and the board, and the one save.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "money/money.h"
#include "poolerror.h"
#include "recordmapping.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>

const QString frmScore::kSaveChangesQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("frmScore", "Save the changes to this pool?"));

namespace {

// A long name shows from its start, as the user would type it.
void showStart(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

// The date box reads "//" with nothing typed; the pool holds no date then.
QString dateOf(const QLineEdit *box)
{
    const QString text = box->text();
    return text == QLatin1String("//") ? QString() : text;
}

} // namespace

void frmScore::showPool(const Pool &pool)
{
    const QScopedValueRollback<bool> quiet(m_filling, true);
    const auto text = &Pool::text;
    setWindowTitle(QStringLiteral("QUADRIX POOL"));
    for (int i = 0; i < 20; ++i)
        Number[size_t(i)]->setText(text(pool.headers[size_t(i)]));
    for (int k = 0; k < 100; ++k)
        Imput[size_t(k)]->setText(text(pool.squares[size_t(k)]));
    // A stored amount is shown as stored; one that is missing as the amount
    // of a cleared board.
    txtPoolAmount->setText(pool.amount ? *pool.amount : Money::clearedAmount());
    m_lastGoodAmount = txtPoolAmount->text();
    // Exactly the period the pool holds, none where it holds none; of a row
    // that sets more than one, half time before the game before quarters.
    QRadioButton *period = pool.perHalf      ? Option1[1]
                           : pool.perGame    ? Option1[0]
                           : pool.perQuarter ? Option1[2]
                                             : nullptr;
    if (period) {
        period->setChecked(true);
    } else {
        for (QRadioButton *option : Option1) {
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    }
    for (int q = 0; q < 4; ++q)
        showStart(Who[size_t(q)], text(pool.winners[size_t(q)]));
    const QString teams[] = {text(pool.team1), text(pool.team2)};
    for (int team = 0; team < 2; ++team) {
        showStart(TeamScore[size_t(team)], teams[team]);
        Combo1[size_t(team + 1)]->setEditText(teams[team]);
        Combo1[size_t(team + 1)]->lineEdit()->setCursorPosition(0);
    }
    Score[0]->setText(text(pool.score1));
    Score[1]->setText(text(pool.score2));
    txtGameDate->setText(text(pool.date));
    // The entry itself is chosen, not only its text: a box whose text differs
    // from its entry takes the text as the user's choice when it loses the
    // focus, which would load the other list and empty the team boxes.
    const QString gameType = pool.pro ? QStringLiteral("Pro") : QStringLiteral("COLLAGE");
    const int entry = Combo1[0]->findText(gameType, Qt::MatchFixedString);
    if (entry >= 0)
        Combo1[0]->setCurrentIndex(entry);
    Combo1[0]->setEditText(gameType);
    txtID->setText(pool.id ? QString::number(pool.id) : QString());
    Text1->clear();
    Text2->clear();
    Text1->hide();
    lblAgain->hide();
    NumbersSet = false;
    showLock();
    txtPoolAmount_LostFocus(true);
    const auto value = [](const Pool::Text &t) { return t ? QVariant(*t) : QVariant(); };
    lblStatus->setText(
        RecordMapping::gameLine(value(pool.date), value(pool.team1), value(pool.team2)));
}

Pool frmScore::boardPool() const
{
    Pool pool;
    pool.date = dateOf(txtGameDate);
    for (int i = 0; i < 20; ++i)
        pool.headers[size_t(i)] = Number[size_t(i)]->text();
    for (int k = 0; k < 100; ++k)
        pool.squares[size_t(k)] = Imput[size_t(k)]->text();
    pool.amount = txtPoolAmount->text();
    pool.perGame = Option1[0]->isChecked();
    pool.perHalf = Option1[1]->isChecked();
    pool.perQuarter = Option1[2]->isChecked();
    for (int q = 0; q < 4; ++q)
        pool.winners[size_t(q)] = Who[size_t(q)]->text();
    pool.team1 = Combo1[1]->currentText();
    pool.team2 = Combo1[2]->currentText();
    pool.score1 = Score[0]->text();
    pool.score2 = Score[1]->text();
    pool.pro = RecordMapping::isProGame(Combo1[0]->currentText());
    return m_doc->complete(pool);
}

void frmScore::showStored()
{
    const QScopedValueRollback<bool> quiet(m_filling, true);
    if (m_doc->hasPool())
        showPool(m_doc->stored());
    else
        ClearBoard();
    m_doc->setShownBoard(boardPool());
    showMode();
}

bool frmScore::hasUnsavedChanges() const
{
    return m_doc->isChanged(boardPool());
}

bool frmScore::carryPayments(const Pool &board, QHash<QString, QString> &carried)
{
    // A paid player's name typed anew, or cleared, would take the payment
    // with it; the user says which payments go where before anything is
    // stored.
    const auto shown = [this](const QString &name) {
        return RecordMapping::isolated(name.trimmed().isEmpty() ? tr("(blanks)") : name);
    };
    for (const PoolDocument::Carry &drop : m_doc->paymentsDroppedBy(board)) {
        if (drop.newKey.isEmpty()) {
            // Deleting a payment cannot be undone: Enter keeps it.
            if (!m_services.dialogs->confirm(
                    tr("%1 has paid, and the board no longer holds that name: the payment "
                       "will be deleted. Save anyway?")
                        .arg(shown(drop.player))))
                return false;
            continue;
        }
        switch (m_services.dialogs->question(
            tr("%1 has paid, and the squares of %1 now read %2. Carry the payment to %2? No "
               "deletes the payment.")
                .arg(shown(drop.player), shown(drop.newName)),
            QStringLiteral("Quadrix"), Dialogs::Icon::None, Dialogs::Answer::Yes)) {
        case Dialogs::Answer::Yes:
            carried.insert(drop.key, drop.newKey);
            break;
        case Dialogs::Answer::No:
            break;
        default:
            return false;
        }
    }
    return true;
}

bool frmScore::saveBoard()
{
    // The save is one statement in one commit; the bar passes its ten steps
    // as the board is read, the last once the pool is stored. Repainting at
    // every step would cost more than the save itself.
    Pb1->show();
    Pb1->setValue(0);
    Pb1->setUpdatesEnabled(false);
    const auto hide = qScopeGuard([this] {
        Pb1->setUpdatesEnabled(true);
        Pb1->hide();
    });
    QString refusal;
    try {
        const bool adding = !m_doc->hasPool();
        const Pool board = boardPool();
        QHash<QString, QString> carried;
        if (!carryPayments(board, carried))
            return false;
        for (int step = 10; step < 100; step += 10)
            Pb1->setValue(step);
        refusal = m_doc->save(board, carried);
        if (refusal.isEmpty())
            Pb1->setValue(100);
        if (refusal.isEmpty() && adding)
            txtID->setText(QString::number(m_doc->stored().id));
    } catch (const PoolError &error) {
        refusal = error.description();
    }
    if (!refusal.isEmpty()) {
        // A refused or failed save stays in its mode, so nothing typed is
        // lost and nothing can be saved into another pool.
        m_services.dialogs->message(refusal);
        return false;
    }
    showMode();
    return true;
}

bool frmScore::proceed(PoolDocument::Command command)
{
    const PoolDocument::Answer answer = m_doc->decide(command, boardPool());
    switch (answer.verdict) {
    case PoolDocument::Verdict::Allowed:
        return true;
    case PoolDocument::Verdict::Ignored:
        return false;
    case PoolDocument::Verdict::Refused:
        m_services.dialogs->message(answer.message);
        return false;
    case PoolDocument::Verdict::AskToDelete:
        return m_services.dialogs->confirm(
            tr("Delete the pool of %1, %2 VS %3? This cannot be undone.")
                .arg(dateOf(txtGameDate), RecordMapping::isolated(Combo1[1]->currentText()),
                     RecordMapping::isolated(Combo1[2]->currentText())));
    case PoolDocument::Verdict::AskToSave:
        switch (m_services.dialogs->question(tr(kSaveChangesQuestion.toUtf8().constData()),
                                             QStringLiteral("Quadrix"), Dialogs::Icon::None,
                                             Dialogs::Answer::Yes)) {
        case Dialogs::Answer::Yes:
            return saveBoard();
        case Dialogs::Answer::No:
            return true; // the command replaces the board
        default:
            return false;
        }
    }
    return false;
}
