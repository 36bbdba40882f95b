#pragma once

#include "pool/pool.h"

#include <QDialog>

#include <functional>

class Dialogs;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

// How the pool on show pays out, and the two scores of each period. The
// board's payout option says only how often a winner is paid; organisers
// also weight the final, pay the swapped digits, and answer a winning
// square nobody bought. A locked pool keeps its plan here, but its scores
// can still be typed: the game is played after the board is locked.
class ResultsDialog : public QDialog
{
    Q_OBJECT

public:
    // OK hands the entries to store, and closes only once it says they are
    // stored: what was typed is never lost to a refused write.
    using Store = std::function<bool(const std::optional<Payout::Plan> &, const Pool::Scores &)>;
    ResultsDialog(const Pool &pool, bool locked, Dialogs &dialogs, Store store,
                  QWidget *parent = nullptr);

    // None while the pool pays as its payout option says and nothing more.
    std::optional<Payout::Plan> plan() const;
    Pool::Scores scores() const;
    // What is wrong with the entries, as the user is told it; empty if none.
    QString problem() const;

    QComboBox *split() const { return m_split; }
    QDoubleSpinBox *share(int period) const { return m_shares[size_t(period)]; }
    QComboBox *unsold() const { return m_unsold; }
    QDoubleSpinBox *reverse() const { return m_reverse; }
    QLineEdit *score(int period, int team) const { return m_scores[size_t(period)][size_t(team)]; }

    void accept() override;

private:
    void splitChosen(int index);

    Dialogs &m_dialogs;
    Store m_store;
    bool m_locked = false;
    std::array<int, 4> m_optionShares{};
    QComboBox *m_split = nullptr;
    std::array<QDoubleSpinBox *, 4> m_shares{};
    QComboBox *m_unsold = nullptr;
    QDoubleSpinBox *m_reverse = nullptr;
    std::array<std::array<QLineEdit *, 2>, 4> m_scores{};
};
