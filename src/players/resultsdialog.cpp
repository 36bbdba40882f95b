#include "resultsdialog.h"

#include "app/dialogs.h"
#include "players/winnings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// The split list: the payout option's own, the presets, then one's own.
constexpr int kAsOption = 0;
int customIndex()
{
    return int(Payout::presets().size()) + 1;
}

int hundredths(const QDoubleSpinBox *box)
{
    return int(std::lround(box->value() * 100));
}

} // namespace

ResultsDialog::ResultsDialog(const Pool &pool, bool locked, Dialogs &dialogs, Store store,
                             QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_store(std::move(store)), m_locked(locked)
{
    setWindowTitle(tr("Payout and Scores"));
    Pool asOption = pool;
    asOption.plan.reset();
    m_optionShares = Winnings::planOf(asOption).shares;
    const Payout::Plan plan = Winnings::planOf(pool);

    auto *layout = new QVBoxLayout(this);
    auto *payout = new QGroupBox(tr("Payout"), this);
    auto *form = new QFormLayout(payout);
    m_split = new QComboBox(payout);
    m_split->addItem(tr("As the payout option"));
    for (const Payout::Preset &preset : Payout::presets())
        m_split->addItem(QString::fromLatin1(preset.name));
    m_split->addItem(tr("My own split"));
    m_split->setAccessibleName(tr("Split of the pool"));
    form->addRow(tr("&Split:"), m_split);
    for (int p = 0; p < 4; ++p) {
        auto *box = new QDoubleSpinBox(payout);
        box->setRange(0, 100);
        box->setDecimals(2);
        box->setSuffix(QStringLiteral(" %"));
        box->setValue(plan.shares[size_t(p)] / 100.0);
        box->setAccessibleName(tr("%1 share").arg(Payout::periodName(p)));
        m_shares[size_t(p)] = box;
        form->addRow(Payout::periodName(p) + QLatin1Char(':'), box);
    }
    m_unsold = new QComboBox(payout);
    m_unsold->addItems({tr("Rolls over to the next period"), tr("Is split among the sold squares"),
                        tr("Is not paid (handed back)")});
    m_unsold->setCurrentIndex(int(plan.unsold));
    m_unsold->setAccessibleName(tr("Prize of an unsold winning square"));
    form->addRow(tr("&Unsold winning square's prize:"), m_unsold);
    m_reverse = new QDoubleSpinBox(payout);
    m_reverse->setRange(0, 100);
    m_reverse->setDecimals(2);
    m_reverse->setSuffix(QStringLiteral(" %"));
    m_reverse->setValue(plan.reverseShare / 100.0);
    m_reverse->setAccessibleName(tr("Reverse winner's share of each prize"));
    form->addRow(tr("&Reverse winner's share:"), m_reverse);
    layout->addWidget(payout);

    int split = customIndex();
    if (!pool.plan)
        split = kAsOption;
    for (int i = 0; i < Payout::presets().size() && pool.plan; ++i)
        if (Payout::presets()[i].shares == pool.plan->shares)
            split = i + 1;
    m_split->setCurrentIndex(split);
    splitChosen(split);
    connect(m_split, &QComboBox::currentIndexChanged, this, &ResultsDialog::splitChosen);
    if (locked) {
        payout->setEnabled(false);
        auto *note = new QLabel(
            tr("This pool is locked: its payout stays as it is. Scores can still be entered."));
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto *scores = new QGroupBox(tr("Scores"), this);
    auto *grid = new QGridLayout(scores);
    const QString teams[] = {Pool::text(pool.team1), Pool::text(pool.team2)};
    for (int team = 0; team < 2; ++team) {
        auto *name = new QLabel(teams[team].isEmpty() ? tr("Team %1").arg(team + 1) : teams[team]);
        name->setTextFormat(Qt::PlainText);
        grid->addWidget(name, 0, team + 1);
    }
    for (int p = 0; p < 4; ++p) {
        grid->addWidget(new QLabel(Payout::periodName(p)), p + 1, 0);
        for (int team = 0; team < 2; ++team) {
            auto *edit = new QLineEdit(scores);
            if (const auto &held = pool.scores[size_t(p)])
                edit->setText((*held)[size_t(team)]);
            edit->setAccessibleName(
                tr("%1 score of %2")
                    .arg(Payout::periodName(p),
                         teams[team].isEmpty() ? tr("team %1").arg(team + 1) : teams[team]));
            m_scores[size_t(p)][size_t(team)] = edit;
            grid->addWidget(edit, p + 1, team + 1);
        }
    }
    layout->addWidget(scores);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ResultsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ResultsDialog::reject);
    layout->addWidget(buttons);
}

void ResultsDialog::splitChosen(int index)
{
    const bool own = index == customIndex();
    if (!own) {
        const std::array<int, 4> shares =
            index == kAsOption ? m_optionShares : Payout::presets()[index - 1].shares;
        for (int p = 0; p < 4; ++p)
            m_shares[size_t(p)]->setValue(shares[size_t(p)] / 100.0);
    }
    for (QDoubleSpinBox *box : m_shares)
        box->setEnabled(own);
}

std::optional<Payout::Plan> ResultsDialog::plan() const
{
    Payout::Plan plan;
    for (int p = 0; p < 4; ++p)
        plan.shares[size_t(p)] = hundredths(m_shares[size_t(p)]);
    plan.unsold = Payout::Unsold(m_unsold->currentIndex());
    plan.reverseShare = hundredths(m_reverse);
    // The option's split with its own rules is no plan of the pool's own.
    if (m_split->currentIndex() == kAsOption && plan.unsold == Payout::Unsold::Unpaid &&
        plan.reverseShare == 0)
        return std::nullopt;
    return plan;
}

Pool::Scores ResultsDialog::scores() const
{
    Pool::Scores scores;
    for (size_t p = 0; p < 4; ++p) {
        const QString first = m_scores[p][0]->text().trimmed();
        const QString second = m_scores[p][1]->text().trimmed();
        if (!first.isEmpty() || !second.isEmpty())
            scores[p] = std::array<QString, 2>{first, second};
    }
    return scores;
}

QString ResultsDialog::problem() const
{
    // A locked pool's plan is not the user's to mend here.
    if (const std::optional<Payout::Plan> own = plan();
        !m_locked && own && !own->problem().isEmpty())
        return own->problem();
    // As the winner lookup reads a score: by its last digit.
    static const QRegularExpression endsInDigit(QStringLiteral("[0-9]$"));
    const Pool::Scores typed = scores();
    for (size_t p = 0; p < 4; ++p) {
        if (!typed[p])
            continue;
        for (const QString &score : *typed[p])
            if (!endsInDigit.match(score).hasMatch())
                return tr("The scores of the %1 must both end in a digit, such as 14 and 7; "
                          "leave both empty for a period not played yet.")
                    .arg(Payout::periodName(p).toLower());
    }
    return {};
}

void ResultsDialog::accept()
{
    const QString wrong = problem();
    if (!wrong.isEmpty()) {
        m_dialogs.message(wrong);
        return;
    }
    if (m_store && !m_store(plan(), scores()))
        return;
    QDialog::accept();
}
