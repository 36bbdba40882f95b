#pragma once

#include "controls.h"
#include "document/pooldocument.h"
#include "print/boardpage.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <bitset>
#include <memory>

class Dialogs;
class PlayersDialog;
class PoolListDialog;
class ResultsDialog;
class PoolRecords;
class PoolStore;
class PrintSeam;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSettings;
class QToolButton;
class QUrl;
class RandomSource;
class UrlOpener;

// What the window needs from outside, handed in so that tests can replace
// every part that would touch the user's files, screen, printer or browser.
struct frmScoreServices
{
    PoolStore *store = nullptr;
    Dialogs *dialogs = nullptr;
    RandomSource *random = nullptr;
    PrintSeam *print = nullptr;
    UrlOpener *urls = nullptr;
    QSettings *settings = nullptr;
    QString dataDir;    // pool file, team lists, error log
    QString programDir; // help page
};

// The main window: a view of the document's pool. It builds the layout,
// shows a pool through one mapping and reads the board back through it, and
// routes each control's event to the document, whose answer it shows. Each
// subsystem implements its own handlers in its own folder.
class frmScore : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmScore(const frmScoreServices &services, QWidget *parent = nullptr);
    ~frmScore() override;

    // --- Controls (names and indices as the layout tables give them) ---
    std::array<QLineEdit *, 4> Who{};
    QGroupBox *Frame3 = nullptr;
    std::array<QRadioButton *, 4> Quarter{};
    std::array<QComboBox *, 3> Combo1{};
    std::array<QLabel *, 3> Label1{}; // only Label1(2) exists
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    std::array<SquareBox *, 100> Imput{};
    std::array<QLineEdit *, 20> Number{};
    QGroupBox *frSearch = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *txtSearch = nullptr;
    QPushButton *cmdFind = nullptr;
    QLabel *Picture1 = nullptr;
    QLineEdit *txtID = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *txtGameDate = nullptr;
    QGroupBox *Frame4 = nullptr;
    QGroupBox *Frame5 = nullptr;
    std::array<QLabel *, 5> Label6{};
    QLabel *lblOpen = nullptr;
    QLabel *lblLeft = nullptr;
    QPushButton *cmdQuick = nullptr;
    std::array<QLineEdit *, 2> TeamScore{};
    std::array<QLineEdit *, 2> Score{};
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdPlayers = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblLocked = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *cmdLock = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *cmdunlock = nullptr;
    QLabel *lblAgain = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdUpdate = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdSearch = nullptr;
    QToolButton *cmdFirst = nullptr;
    QToolButton *cmdPrevious = nullptr;
    QLabel *lblStatus = nullptr;
    QProgressBar *Pb1 = nullptr;
    QToolButton *cmdNext = nullptr;
    QToolButton *cmdLast = nullptr;
    QGroupBox *frAmount = nullptr;
    std::array<QRadioButton *, 3> Option1{};
    QLabel *lblAmountPer = nullptr;
    QLineEdit *txtPoolAmount = nullptr;
    QLabel *lblPayOut = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;

    // --- State of the view alone ---
    qint16 MyValue = 0;
    bool NumbersSet = false; // one window per program, so this is program-wide
    QString PrintCopies;

    // The pool on show, its mode, its lock and what each command may do.
    PoolDocument &document() { return *m_doc; }
    const PoolDocument &document() const { return *m_doc; }
    bool isLocked() const;

    // --- Start-up and shutdown (app) ---
    void Form_Load();
    void Form_Unload();
    // The placement Form_Load applied, in pixels (outer rectangle).
    QRect restoredPlacement() const { return m_restored; }

    // --- Web links (app) ---
    void Label5_Click();
    void Label8_Click();
    // The pages the two links open: on the web site when the build names one,
    // else the help page beside the program.
    QUrl homePage() const;
    QUrl helpPage() const;

    // --- The board and the pool (store) ---
    // The one mapping between a pool and the controls: showPool writes
    // every control of the pool, boardPool reads them back.
    void showPool(const Pool &pool);
    Pool boardPool() const;
    // Shows the document's stored pool, or the cleared board when there is
    // none, as the program's own write: no handler takes it for typing.
    void showStored();
    // Asks about each payment a save of the board would drop; false when
    // the user cancels the save.
    bool carryPayments(const Pool &board, QHash<QString, QString> &carried);
    // The one save of the board; false when refused or failed (the message
    // has been shown and nothing was written).
    bool saveBoard();
    void ClearBoard();
    void SetBrowseMode(bool browse);
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdUpdate_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdSearch_Click();
    void cmdFind_Click();
    // The list of all pools (Ctrl+Shift+L); the pool chosen there is shown,
    // the moves walking all pools again.
    void cmdList_Click();
    PoolListDialog *poolListDialog() const { return m_list.get(); }
    void showListed(qint64 id);
    // Esc: closes the search frame, else cancels an edit.
    void escape();
    // Whether the board differs from the pool as it was shown.
    bool hasUnsavedChanges() const;
    // Asks the document whether the command may run now and shows its
    // answer: a refusal's message, or the question it needs (a Yes to
    // "save the changes?" saves them). True when the command goes on.
    bool proceed(PoolDocument::Command command);

    // --- Board: counts, Quick Pick, number draw, winner lookup (board) ---
    void AddUm();
    void Imput_LostFocus(int index);
    void Score_GotFocus(int index);
    void txtPoolAmount_GotFocus();
    void cmdQuick_Click();
    void Command3_Click();
    bool IsUsedLower(int num) const;
    bool IsUsedUpper(int num) const;
    void FindWinner();
    int downColum(int dNum) const;
    int acrossColum(int aNum) const;
    void Quarter_Click(int index);
    void Score_Change(int index);

    // --- Money (money) ---
    // fromLoad: called by showPool for a stored amount, which loads as zero
    // without a message when it is not a number.
    void txtPoolAmount_LostFocus(bool fromLoad = false);
    void Payout();
    // The pool amount and the two figures under it, each whole in its box.
    void fitFigures();
    void Option1_Click(int index);

    // --- Lock (lock) ---
    void cmdLock_Click();
    void cmdunlock_Click();
    void Text2_LostFocus(Qt::FocusReason reason = Qt::TabFocusReason);
    void LockControls();
    void UnlockControls();

    // --- Printing (print) ---
    void cmdPrint_Click();
    // The board as a PDF file: offered when there is no printer, and on
    // Ctrl+Shift+S with a printer or without.
    void savePdf();
    // Every pool and every player of the file as two CSV files (Ctrl+Shift+E).
    void exportSeason();

    // --- Players and payments (players) ---
    void cmdPlayers_Click();
    // The ledger while it is up (tests keep it up; users close it).
    PlayersDialog *playersDialog() const { return m_players.get(); }
    // The payout plan and the periods' scores of the pool on show.
    void cmdResults_Click();
    bool cmdResults(); // true once new ones are stored
    // The payout dialog while it is up (tests fill it in and accept it).
    ResultsDialog *resultsDialog() const { return m_results.get(); }
    // Stores them with the pool on show and shows it again; false, with
    // the user told why, when they are not stored.
    bool storeResults(const std::optional<Payout::Plan> &plan, const Pool::Scores &scores);
    // Tints the squares that won a quarter; once per turn of the event loop.
    void scheduleTint();
    void tintWinners();

    // --- Team lists (teams) ---
    void ProFootball();
    void Collage();
    void Combo1_Click(int index);
    // Returns with keyAscii 0 when the key was consumed by a completion.
    void Combo1_KeyPress(int index, int &keyAscii);

    const frmScoreServices &services() const { return m_services; }

    static const QString kSaveChangesQuestion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildLayout();
    void bindControls();
    void routeEvents();
    // naming: a screen reader's name for every control, and for a square
    // its place and, once drawn, its digits
    void nameControls();
    void nameSquare(int k);
    void nameSquaresOf(int header);
    void setTabOrder();

    // The program itself is writing the board: the handlers that typing
    // runs (lock messages, the winner lookup, money checks) stay quiet.
    bool m_filling = false;
    // lock: a refused LOCK or UNLOCK gives the password box the focus back
    void refuseLockCommand(const QString &text);
    // lock: shows the document's lock state on the board
    void showLock();
    // lock: stores the digits drawn on a locked pool, its one change
    void storeDrawOfLockedPool();
    // lock: the editable controls of the board, in the order they switch
    void setBoardEnabled(bool enabled);
    void goTo(PoolDocument::Command step);
    // Shows the document's mode by the buttons it offers.
    void showMode() { SetBrowseMode(!m_doc->isEditing()); }

    QUrl localHelp(const QString &section) const;

    frmScoreServices m_services;
    std::unique_ptr<PoolDocument> m_doc;
    QRect m_restored;
    bool m_placementPending = false; // the frame's size is known only once shown
    void applyPlacement();
    QString m_lastGoodAmount = QStringLiteral("$000.00"); // money

    // --- board: private members of the board subsystem go here ---

    // --- teams: private members of the team lists go here ---
    int m_teamLoadGeneration = 0;
    // Empties both team boxes and fills them from the named team list.
    void loadTeamBoxes(const QString &fileName);

    // --- players ---
    std::unique_ptr<PlayersDialog> m_players;
    std::unique_ptr<ResultsDialog> m_results;
    std::unique_ptr<PoolListDialog> m_list;
    bool m_tintScheduled = false;
    void watchForTints();

    // --- print: private members of printing go here ---
    QPixmap pictureOfTheWindow();
    // The board as the PDF file draws it.
    BoardPage::Content boardPage() const;
    QPointF screenDpi() const;
};
