#pragma once

#include "payout.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One pool as the pool file holds it: every column of its row and the data
// kept beside it. A pool is a value: the window reads its board into one,
// the store loads and saves one whole, and two pools compare equal when
// everything stored is equal. That comparison is what "unsaved changes"
// means, so no event has to remember to raise a flag.
struct Pool
{
    // A text column; nullopt for Null, which the board shows as empty.
    using Text = std::optional<QString>;

    qint64 id = 0; // 0: not stored yet
    Text date;     // "mm/dd/yyyy" as typed
    std::array<Text, 20> headers;
    std::array<Text, 100> squares;
    Text amount;
    // The payout period; Null reads as not set, and a row may set none.
    bool perQuarter = false, perGame = false, perHalf = false;
    std::array<Text, 4> winners;
    Text team1, team2, score1, score2;
    Text password;
    bool pro = false;
    // Side data: the ledger keys of the players who have paid; how the pool
    // pays out (none: as its payout option says); each period's two scores
    // as entered (none: not played yet); the draws of its digits.
    QSet<QString> paid;
    std::optional<Payout::Plan> plan;
    using Scores = std::array<std::optional<std::array<QString, 2>>, 4>;
    Scores scores;
    // Every draw of the digits, oldest first: when ("yyyy-MM-ddThh:mm:ss",
    // local time) and what (the column digits, a slash, the row digits), so
    // that anyone can see the board was not drawn again.
    struct Draw
    {
        QString at, digits;
        bool operator==(const Draw &) const = default;
        // "Digits drawn 12/06/2026 19:02:11 (columns ..., rows ...)".
        QString line() const;
    };
    QList<Draw> draws;

    bool operator==(const Pool &) const = default;

    bool isLocked() const { return password && !password->isEmpty(); }
    static QString text(const Text &value) { return value.value_or(QString()); }
    QStringList squareTexts() const;
    QStringList headerTexts() const;
    // The ledger keys of the players on the board.
    QSet<QString> players() const;

    // What is wrong with the pool for a save, as the user is told it; empty
    // when it may be stored. An amount that cannot be read may be stored
    // only as the stored pool already holds it (a value another program
    // wrote is never replaced by a guess); every other amount must be a
    // number of 0 or more.
    QString problem(const Pool &stored) const;

    // Whether only the header digits (and the record of their draws) differ
    // from the other pool: the one change a locked pool takes (its draw).
    bool differsOnlyInHeaders(const Pool &other) const;
};
