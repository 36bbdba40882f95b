#pragma once

#include "ledger.h"
#include "pool/payout.h"

#include <QDialog>
#include <QSet>

class Dialogs;
class PoolDatabase;
class PrintSeam;
class QLabel;
class QPrinter;
class QTableWidget;

// The ledger of one pool: who bought which squares, what they owe, what
// they have paid (a tick for in full, or an amount so far), what they won,
// and the prizes paid. A payment is stored the moment it is entered; the
// ledger prints or goes to a PDF file as text, over as many pages as it
// needs.
class PlayersDialog : public QDialog
{
    Q_OBJECT

public:
    struct Pool
    {
        qint64 id = 0; // 0: not saved, so no payment can be kept
        QString date, team1, team2;
        QStringList squares;          // the hundred squares as stored
        qint64 perSquare = 0;         // cents
        QStringList winners;          // the four winner boxes
        QList<qint64> prizes;         // cents, each period's own prize by the plan
        QList<Payout::Prize> paidOut; // what the periods played have paid
        QHash<QString, qint64> won;   // each player's winnings, by ledger key
        QStringList draws;            // when the digits were drawn
        qint64 poolCents = 0;
        bool unsaved = false; // the board shows changes the ledger does not
    };

    PlayersDialog(const Pool &pool, PoolDatabase &db, Dialogs &dialogs, PrintSeam *print,
                  QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QLabel *totals() const { return m_totals; }
    QLabel *winners() const { return m_winners; }
    QLabel *paidOut() const { return m_paidOut; }
    // The dialog's result when the user asks for the payout and scores.
    static constexpr int kResultsAsked = 2;
    // The ledger as a document of text, for the printer and the PDF file.
    QString html() const;
    bool printDocument(QPrinter &printer) const;
    void printLedger();
    void savePdf();

private:
    void paidChanged(int row);
    void partChanged(int row);
    qint64 owed(int row) const;
    qint64 paidSoFar(int row) const; // in full when ticked
    void showPayment(int row);
    void showTotals();

    Pool m_pool;
    PoolDatabase &m_db;
    Dialogs &m_dialogs;
    PrintSeam *m_print;
    QList<Ledger::Player> m_players;
    QTableWidget *m_table = nullptr;
    QLabel *m_totals = nullptr;
    QLabel *m_winners = nullptr;
    QLabel *m_paidOut = nullptr;
};
