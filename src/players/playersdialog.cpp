#include "playersdialog.h"

#include "app/dialogs.h"
#include "money/money.h"
#include "payments.h"
#include "print/pdffile.h"
#include "print/printjob.h"
#include "print/printseam.h"
#include "store/poolerror.h"
#include "store/recordmapping.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

enum Column
{
    Name,
    Count,
    Numbers,
    Owed,
    Paid,
    PaidSoFar, // cents of a part payment in its user data
    StillOwes,
    Won
};

// One line per prize paid, a split prize one line per player, then what
// they add up to.
QString paidOutText(const PlayersDialog::Pool &pool)
{
    using Kind = Payout::Prize::Kind;
    QList<Payout::Prize> merged; // a split's square stands for its player's squares
    QList<int> squares;          // how many squares each merged line holds
    for (const Payout::Prize &prize : pool.paidOut) {
        const QString key = Ledger::keyOf(pool.squares.value(prize.square));
        qsizetype same = -1;
        for (qsizetype i = 0; prize.kind == Kind::Split && i < merged.size(); ++i)
            if (merged[i].kind == Kind::Split && merged[i].period == prize.period &&
                Ledger::keyOf(pool.squares.value(merged[i].square)) == key)
                same = i;
        if (same >= 0) {
            merged[same].cents += prize.cents;
            ++squares[same];
        } else {
            merged << prize;
            squares << 1;
        }
    }
    QStringList lines;
    qint64 total = 0;
    for (qsizetype i = 0; i < merged.size(); ++i) {
        const Payout::Prize &prize = merged[i];
        if (prize.square >= 0)
            total += prize.cents; // not what is handed back
        const QString name = prize.square < 0
                                 ? QString()
                                 : RecordMapping::isolated(pool.squares.value(prize.square));
        const QString who =
            PlayersDialog::tr("%1 (square %2)").arg(name, QString::number(prize.square));
        const QString amount = Money::currencyOfCents(prize.cents);
        const QString period = Payout::periodName(prize.period);
        switch (prize.kind) {
        case Kind::Winner:
            lines << PlayersDialog::tr("%1: %2 wins %3").arg(period, who, amount);
            break;
        case Kind::Reverse:
            lines << PlayersDialog::tr("%1: %2 wins %3 as the reverse winner")
                         .arg(period, who, amount);
            break;
        case Kind::RolledOver:
            lines << PlayersDialog::tr("%1: %2 wins %3 rolled over from earlier periods")
                         .arg(period, who, amount);
            break;
        case Kind::Split:
            lines << (squares[i] == 1
                          ? PlayersDialog::tr("%1: %2 gets %3 of a prize nobody won, for 1 square")
                                .arg(period, name, amount)
                          : PlayersDialog::tr(
                                "%1: %2 gets %3 of a prize nobody won, for %4 squares")
                                .arg(period, name, amount, QString::number(squares[i])));
            break;
        case Kind::Unpaid:
            lines << PlayersDialog::tr("%1: %2 not won, handed back").arg(period, amount);
            break;
        }
    }
    lines << PlayersDialog::tr("Prizes paid: %1 of the pool's %2")
                 .arg(Money::currencyOfCents(total), Money::currencyOfCents(pool.poolCents));
    return lines.join(QLatin1Char('\n'));
}

QString numbersOf(const QList<int> &squares)
{
    QStringList numbers;
    for (int square : squares)
        numbers << QString::number(square);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

PlayersDialog::PlayersDialog(const Pool &pool, PoolDatabase &db, Dialogs &dialogs, PrintSeam *print,
                             QWidget *parent)
    : QDialog(parent), m_pool(pool), m_db(db), m_dialogs(dialogs), m_print(print)
{
    setWindowTitle(tr("Players"));
    m_players = Ledger::playersOf(pool.squares);
    QHash<QString, std::optional<qint64>> paid;
    try {
        if (pool.id > 0)
            paid = Payments::paymentsOf(db, pool.id);
    } catch (const PoolError &error) {
        dialogs.message(error.description());
    }

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(RecordMapping::gameLine(pool.date, pool.team1, pool.team2));
    heading->setObjectName(QStringLiteral("heading"));
    layout->addWidget(heading);
    if (pool.unsaved || pool.id <= 0)
        layout->addWidget(new QLabel(pool.id <= 0 ? tr("Save this pool to record payments.")
                                                  : tr("The board has changes that are not "
                                                       "saved; this is the pool as saved.")));

    m_table = new QTableWidget(int(m_players.size()), Won + 1, this);
    m_table->setAccessibleName(tr("Players"));
    m_table->setHorizontalHeaderLabels({tr("Player"), tr("Squares"), tr("Numbers"), tr("Owes"),
                                        tr("Paid"), tr("Paid so far"), tr("Still owes"),
                                        tr("Won")});
    m_table->setWordWrap(true);
    m_table->verticalHeader()->hide();
    // Only what a player paid so far is typed in: a part payment.
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < m_players.size(); ++row) {
        const Ledger::Player &player = m_players[row];
        const qsizetype count = player.squares.size();
        const QStringList texts{
            player.name, QString::number(count), numbersOf(player.squares),
            Money::currencyOfCents(Money::times(pool.perSquare, double(count)))};
        for (int column = Name; column <= Won; ++column) {
            auto *item = new QTableWidgetItem(texts.value(column));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_table->setItem(row, column, item);
        }
        const QString key = Ledger::keyOf(player.name);
        QTableWidgetItem *tick = m_table->item(row, Paid);
        tick->setFlags(pool.id > 0 ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                                   : Qt::ItemIsUserCheckable);
        tick->setCheckState(paid.contains(key) && !paid.value(key) ? Qt::Checked : Qt::Unchecked);
        m_table->item(row, PaidSoFar)->setData(Qt::UserRole, paid.value(key).value_or(0));
        if (pool.id > 0)
            m_table->item(row, PaidSoFar)
                ->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        m_table->item(row, Won)->setText(Money::currencyOfCents(pool.won.value(key)));
        showPayment(row);
        if (player.name.trimmed().isEmpty())
            m_table->item(row, Name)->setText(tr("(blanks)"));
    }
    m_table->resizeColumnsToContents();
    // A player of many squares wraps their numbers, so that the names and
    // the ticks stay in view together.
    // A long name wraps as well.
    for (const auto &[column, widest] : {std::pair{Numbers, 200}, std::pair{Name, 160}})
        if (m_table->columnWidth(column) > widest)
            m_table->setColumnWidth(column, widest);
    m_table->resizeRowsToContents();
    m_table->setCurrentCell(0, Paid); // Space ticks the first player
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == Paid)
            paidChanged(item->row());
        else if (item->column() == PaidSoFar)
            partChanged(item->row());
    });
    layout->addWidget(m_table);

    m_totals = new QLabel(this);
    layout->addWidget(m_totals);
    QStringList winners;
    // Each period's winner box and its own prize under the plan.
    for (int q = 0; q < 4; ++q)
        winners << tr("%1: %2  %3")
                       .arg(Payout::periodName(q),
                            pool.winners.value(q).isEmpty()
                                ? QStringLiteral("-")
                                : RecordMapping::isolated(pool.winners.value(q)),
                            Money::currencyOfCents(pool.prizes.value(q)));
    m_winners = new QLabel((winners + pool.draws).join(QLatin1Char('\n')), this);
    layout->addWidget(m_winners);
    m_paidOut = new QLabel(paidOutText(pool), this);
    m_paidOut->setObjectName(QStringLiteral("paidOut"));
    m_paidOut->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Many prizes scroll rather than push the players out of the window.
    auto *prizes = new QScrollArea(this);
    prizes->setWidget(m_paidOut);
    prizes->setWidgetResizable(true);
    prizes->setFrameShape(QFrame::NoFrame);
    prizes->setAccessibleName(tr("Prizes paid"));
    prizes->setMaximumHeight(std::min(m_paidOut->sizeHint().height() + 4, 160));
    layout->addWidget(prizes);
    showTotals();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *printButton = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
    QPushButton *pdfButton = buttons->addButton(tr("Save as P&DF"), QDialogButtonBox::ActionRole);
    connect(printButton, &QPushButton::clicked, this, &PlayersDialog::printLedger);
    connect(pdfButton, &QPushButton::clicked, this, &PlayersDialog::savePdf);
    QPushButton *resultsButton =
        buttons->addButton(tr("Payout and &Scores..."), QDialogButtonBox::ActionRole);
    connect(resultsButton, &QPushButton::clicked, this, [this] { done(kResultsAsked); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // The heading and the winners hold names from the pool: never markup.
    for (QLabel *label : findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    resize(640, 480);
}

qint64 PlayersDialog::owed(int row) const
{
    return Money::times(m_pool.perSquare, double(m_players[row].squares.size()));
}

qint64 PlayersDialog::paidSoFar(int row) const
{
    return m_table->item(row, Paid)->checkState() == Qt::Checked
               ? owed(row)
               : m_table->item(row, PaidSoFar)->data(Qt::UserRole).toLongLong();
}

void PlayersDialog::showPayment(int row)
{
    const QSignalBlocker quiet(m_table);
    m_table->item(row, PaidSoFar)->setText(Money::currencyOfCents(paidSoFar(row)));
    m_table->item(row, StillOwes)
        ->setText(Money::currencyOfCents(std::max<qint64>(0, owed(row) - paidSoFar(row))));
}

void PlayersDialog::paidChanged(int row)
{
    QTableWidgetItem *tick = m_table->item(row, Paid);
    const bool paid = tick->checkState() == Qt::Checked;
    try {
        Payments::setPaid(m_db, m_pool.id, Ledger::keyOf(m_players[row].name), paid);
        const QSignalBlocker quiet(m_table);
        m_table->item(row, PaidSoFar)->setData(Qt::UserRole, 0); // a tick ends a part payment
    } catch (const PoolError &error) {
        // The tick shows what the file holds.
        const QSignalBlocker quiet(m_table);
        tick->setCheckState(paid ? Qt::Unchecked : Qt::Checked);
        m_dialogs.message(error.description());
    }
    showPayment(row);
    showTotals();
}

void PlayersDialog::partChanged(int row)
{
    const QString typed = m_table->item(row, PaidSoFar)->text();
    const std::optional<double> amount = Money::poolAmount(typed, Money::userLocale());
    const qint64 cents = amount ? Money::toCents(*amount) : -1;
    if (cents < 0) {
        m_dialogs.message(tr("\"%1\" is not an amount. Type what the player has paid so far, "
                             "such as %2.")
                              .arg(typed, Money::currencyOfCents(owed(row) / 2)));
    } else {
        // What covers all the player owes is a payment in full: a tick.
        const QString key = Ledger::keyOf(m_players[row].name);
        const bool full = owed(row) > 0 && cents >= owed(row);
        try {
            if (full)
                Payments::setPaid(m_db, m_pool.id, key, true);
            else
                Payments::setPart(m_db, m_pool.id, key, cents);
            const QSignalBlocker quiet(m_table);
            m_table->item(row, Paid)->setCheckState(full ? Qt::Checked : Qt::Unchecked);
            m_table->item(row, PaidSoFar)->setData(Qt::UserRole, full ? 0 : cents);
        } catch (const PoolError &error) {
            m_dialogs.message(error.description());
        }
    }
    showPayment(row); // what the file holds
    showTotals();
}

void PlayersDialog::showTotals()
{
    int sold = 0;
    qint64 collected = 0, outstanding = 0;
    for (int row = 0; row < m_players.size(); ++row) {
        sold += int(m_players[row].squares.size());
        collected += paidSoFar(row);
        outstanding += std::max<qint64>(0, owed(row) - paidSoFar(row));
    }
    m_totals->setText(
        tr("Squares sold: %1   Unsold: %2   Collected: %3   "
           "Outstanding: %4")
            .arg(sold)
            .arg(100 - sold)
            .arg(Money::currencyOfCents(collected), Money::currencyOfCents(outstanding)));
}

QString PlayersDialog::html() const
{
    // The heading row repeats on every page of a long ledger.
    QString html =
        QStringLiteral("<h2>%1</h2><table border=1 cellspacing=0 cellpadding=4><thead><tr>")
            .arg(findChild<QLabel *>(QStringLiteral("heading"))->text().toHtmlEscaped());
    for (int column = Name; column <= Won; ++column)
        html += QStringLiteral("<th>%1</th>")
                    .arg(m_table->horizontalHeaderItem(column)->text().toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (int row = 0; row < m_table->rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column = Name; column <= Won; ++column)
            html += QStringLiteral("<td>%1</td>")
                        .arg(column != Paid ? m_table->item(row, column)->text().toHtmlEscaped()
                             : m_table->item(row, Paid)->checkState() == Qt::Checked ? tr("paid")
                                                                                     : QString());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    for (const QLabel *label : {m_totals, m_winners, m_paidOut})
        html += QStringLiteral("<p>%1</p>")
                    .arg(label->text().toHtmlEscaped().replace(QLatin1Char('\n'),
                                                               QStringLiteral("<br>")));
    return html;
}

bool PlayersDialog::printDocument(QPrinter &printer) const
{
    // Text, not a picture: it prints sharp at any size and can be searched
    // and copied; a long ledger runs on over as many pages as it needs.
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
    QTextDocument document;
    document.setHtml(html());
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

void PlayersDialog::printLedger()
{
    std::unique_ptr<QPrinter> printer = m_print ? m_print->printer() : nullptr;
    if (!printer) {
        if (PdfFile::offeredInstead(m_dialogs, PdfFile::What::Ledger, windowTitle()))
            savePdf();
        return;
    }
    if (!printDocument(*printer))
        m_dialogs.message(tr("The printer would not start the ledger."));
}

void PlayersDialog::savePdf()
{
    QString name = PrintJob::pdfFileName(m_pool.date, m_pool.team1, m_pool.team2);
    name.insert(name.size() - 4, QStringLiteral(" players"));
    PdfFile::save(m_dialogs, tr("Save the Ledger as PDF"), name, PdfFile::What::Ledger,
                  [this](QPrinter &printer) { return printDocument(printer); });
}
