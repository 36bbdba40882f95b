#pragma once

#include "controls.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <bitset>
#include <memory>

class Dialogs;
class PlayersDialog;
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

// The main window. Its controls are the pool on show and the user's work on
// it; there is no second copy of the board. The class holds the controls,
// the flags and the routing of events; each subsystem implements its own
// handlers in its own folder.
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

    // --- Flags ---
    bool StartUp = false;
    bool Moveit = false;
    bool Locked = false;
    bool mbAddNewFlag = false;
    qint16 MyValue = 0;
    bool NumbersSet = false; // one window per program, so this is program-wide
    QString PrintCopies;

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

    // --- Record load and save, commands, search (store) ---
    void Fill();
    // False when the save was refused (no date, a locked pool); the message
    // has been shown and nothing was written.
    bool Update();
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
    // Esc: closes the search frame, else cancels an edit.
    void escape();
    // Whether the board holds changes the user has not saved: what was
    // typed, picked or drawn since the last load, clear or save.
    bool hasUnsavedChanges() const { return m_changed; }
    // Before anything replaces the board: with unsaved changes, asks whether
    // to save them. False when the user cancels or the save fails.
    bool mayReplaceBoard();

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
    // fromLoad: called by Fill for a stored amount, which loads as zero
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

    // --- Players and payments (players) ---
    void cmdPlayers_Click();
    // The ledger while it is up (tests keep it up; users close it).
    PlayersDialog *playersDialog() const { return m_players.get(); }
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

    static const QString kLockMessage; // "You Must UnLock This Record Before This Is Allowed"
    static const QString kSaveChangesQuestion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildLayout();
    void bindControls();
    void routeEvents();
    void setTabOrder();

    // store: reloads the current pool with the board's handlers kept quiet
    void reloadQuietly();
    void clearSquaresLeftForFill();
    bool m_editing = false; // Editing mode: Update and Cancel are offered, the moves are not
    // lock: a refused LOCK or UNLOCK; true when the window is editing (nothing
    // may change until the edit is saved or cancelled)
    void refuseLockCommand(const QString &text);
    bool lockRefusedWhileEditing();
    // lock: the digits drawn on a locked pool, the one change it takes
    void storeDrawOfLockedPool();
    // A reload clears only the squares the loaded pool leaves empty: writing
    // every square twice was the larger part of a move's cost.
    bool m_squaresLeftForFill = false;
    std::bitset<100> m_filledSquares;
    // lock: the editable controls of the board, in the order they switch
    void setBoardEnabled(bool enabled);
    void moveRecord(void (PoolRecords::*step)(), void (PoolRecords::*correction)(),
                    bool (PoolRecords::*overrun)() const, bool report);
    // store: unsaved changes
    bool m_changed = false;
    void watchForChanges();
    void markChanged();
    bool saveChanges();

    QUrl localHelp(const QString &section) const;

    frmScoreServices m_services;
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
    bool m_tintScheduled = false;
    void watchForTints();

    // --- print: private members of printing go here ---
    QPixmap pictureOfTheWindow();
    QPointF screenDpi() const;
};
