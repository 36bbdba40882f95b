// Printing the board: Print takes a picture of the window; the PDF file is
// the board drawn as text and lines.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "board/boardrules.h"
#include "boardpage.h"
#include "money/money.h"
#include "pdffile.h"
#include "players/winnings.h"
#include "printjob.h"
#include "printseam.h"
#include "store/poolerror.h"
#include "store/poolstore.h"
#include "store/seasoncsv.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>

QPixmap frmScore::pictureOfTheWindow()
{
    // Let the window repaint where a dialog was before its picture is taken;
    // user input waits so that nothing changes the board meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return m_services.print ? m_services.print->capture(this) : grab();
}

BoardPage::Content frmScore::boardPage() const
{
    // The board as it stands, unsaved changes and all, as Print shows it.
    const Pool board = m_doc->complete(boardPool());
    BoardPage::Content page;
    page.date = txtGameDate->text();
    page.team1 = Combo1[1]->currentText();
    page.team2 = Combo1[2]->currentText();
    const QStringList headers = board.headerTexts();
    page.columnDigits = headers.mid(0, BoardRules::kDigits);
    page.rowDigits = headers.mid(BoardRules::kDigits);
    page.squares = board.squareTexts();
    page.figures = {tr("Pool amount %1").arg(txtPoolAmount->text()),
                    tr("Per square %1").arg(lblAmountPer->text()),
                    tr("Pay out %1").arg(lblPayOut->text())};
    const Payout::Plan plan = Winnings::planOf(board);
    const auto results = Winnings::resultsOf(board);
    for (int p = 0; p < 4; ++p) {
        const QString winner = Who[size_t(p)]->text();
        const auto &scores = board.scores[size_t(p)];
        if (winner.isEmpty() && !scores)
            continue;
        QString line = tr("%1: %2").arg(Payout::periodName(p), winner);
        if (scores)
            line += tr(" (%1 - %2)").arg((*scores)[0], (*scores)[1]);
        page.winners << line;
        // Shaded only where the scores decide the square: a name alone may
        // stand on several.
        if (scores && results[size_t(p)] && plan.shares[size_t(p)] > 0)
            page.winningSquares.insert(results[size_t(p)]->square);
    }
    for (const Pool::Draw &draw : board.draws)
        page.draws << draw.line();
    return page;
}

QPointF frmScore::screenDpi() const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    return shownOn ? QPointF(shownOn->logicalDotsPerInchX(), shownOn->logicalDotsPerInchY())
                   : QPointF(96.0, 96.0);
}

void frmScore::savePdf()
{
    PdfFile::save(*m_services.dialogs, tr("Save the Board as PDF"),
                  PrintJob::pdfFileName(txtGameDate->text(), Combo1[1]->currentText(),
                                        Combo1[2]->currentText()),
                  PdfFile::What::Board, [page = boardPage()](QPrinter &printer) {
                      return BoardPage::print(printer, page);
                  });
}

void frmScore::cmdPrint_Click()
{
    Dialogs &dialogs = *m_services.dialogs;
    PrintCopies =
        dialogs.input(tr("How many Copies Do You Want?"), tr("How many Copies?"), QString());
    if (PrintCopies.isEmpty())
        return;
    PrintSeam *seam = m_services.print;
    std::unique_ptr<QPrinter> printer = seam ? seam->printer() : nullptr;
    if (!printer) {
        if (PdfFile::offeredInstead(dialogs, PdfFile::What::Board, QStringLiteral("Quadrix")))
            savePdf();
        return;
    }
    const std::optional<int> copies = PrintJob::copiesFrom(PrintCopies, Money::userLocale());
    if (!copies) {
        dialogs.message(tr("Please enter a number of copies from 1 to 32767."));
        return;
    }
    const QPixmap picture = pictureOfTheWindow();
    const QPointF dpi = screenDpi();
    if (!PrintJob::print(*printer, picture, *copies, dpi.x(), dpi.y()))
        dialogs.message(tr("The printer did not accept the board, so nothing was "
                           "printed."));
}

void frmScore::exportSeason()
{
    // Two files, each written whole beside its final name and put in place
    // only once complete: a failed write leaves nothing half-written.
    Dialogs &dialogs = *m_services.dialogs;
    QString pools =
        dialogs.saveFile(tr("Export the Season as CSV"),
                         QDir::home().filePath(tr("season pools.csv")), tr("CSV files (*.csv)"));
    if (pools.isEmpty())
        return;
    if (!pools.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        pools += QLatin1String(".csv");
    QString players = pools;
    players.insert(players.size() - 4, tr(" players"));
    PoolDatabase &db = m_services.store->database();
    // Each file whole, or the reason it is not; a season of many pools
    // takes a while.
    const auto write = [&db](const QString &name, bool (*rows)(PoolDatabase &, QIODevice &)) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        QSaveFile file(name);
        QString failure;
        try {
            if (!file.open(QIODevice::WriteOnly) || !rows(db, file) || !file.commit())
                failure = file.errorString();
        } catch (const PoolError &error) {
            failure = error.description();
        }
        if (!failure.isEmpty())
            file.cancelWriting();
        return failure;
    };
    for (const auto &[name, rows] :
         {std::pair{pools, &SeasonCsv::writePools}, std::pair{players, &SeasonCsv::writePlayers}}) {
        if (const QString failure = write(name, rows); !failure.isEmpty()) {
            dialogs.message(
                tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(name), failure));
            return;
        }
    }
    dialogs.message(tr("The season is in %1 and %2.")
                        .arg(QDir::toNativeSeparators(pools), QDir::toNativeSeparators(players)));
}
