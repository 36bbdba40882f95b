#pragma once

// Ways to lay out a board for the board tests, and the uniformity check
// their statistical cases share.

#include "app/frmScore/frmScore.h"

#include <QLineEdit>
#include <QList>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace BoardTest {

// Money and counts are read and shown in United States English, whatever the
// machine's locale, so the expected texts can be written out.
inline void useUsLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Header digits as "1 0 6 3 ...": columns Number(0..9), rows Number(10..19).
inline void setHeaders(frmScore &w, const QString &columns, const QString &rows)
{
    const QStringList across = columns.split(QLatin1Char(' '));
    const QStringList down = rows.split(QLatin1Char(' '));
    for (int i = 0; i < 10; ++i) {
        w.Number[i]->setText(across.value(i));
        w.Number[10 + i]->setText(down.value(i));
    }
}

// Square k holds "P<k>", so a copied name tells which square it came from.
inline void nameEverySquare(frmScore &w)
{
    for (int k = 0; k < 100; ++k)
        w.Imput[k]->setText(QStringLiteral("P%1").arg(k));
}

inline QStringList digitsOf(frmScore &w, int first)
{
    QStringList digits;
    for (int i = first; i < first + 10; ++i)
        digits << w.Number[i]->text();
    return digits;
}

// Pearson's statistic of observed counts that should all equal `expected`,
// checked against degrees of freedom + 4 standard deviations: a fair source
// passes with room to spare, a draw that favours some outcomes by a few
// percent fails. `lost` is subtracted from the degrees of freedom for cells
// that are tied by the totals.
inline bool looksUniform(const QList<int> &counts, double expected, int lost, double *statistic)
{
    double chi = 0;
    for (int observed : counts)
        chi += (observed - expected) * (observed - expected) / expected;
    const double freedom = counts.size() - lost;
    *statistic = chi;
    return chi < freedom + 4 * std::sqrt(2 * freedom);
}

} // namespace BoardTest
