#include "frmScore.h"

#include "artwork.h"
#include "controls.h"
#include "layout.h"
#include "players/playersdialog.h"
#include "players/resultsdialog.h"
#include "store/poollistdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>

namespace {

QString keyOf(const char *name, int index)
{
    return index < 0 ? QString::fromLatin1(name)
                     : QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

int px(int twips)
{
    return qRound(double(twips) / Layout::kTwipsPerPixel);
}

QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

QFont fontOf(const Layout::Font &look)
{
    QFont font(QString::fromLatin1(look.family ? look.family : "MS Sans Serif"));
    font.setPointSizeF(look.points);
    font.setBold(look.bold);
    font.setUnderline(look.underline);
    return font;
}

// Focus changes caused by another window (a message box, a menu, the user
// switching programs) are not the control losing or getting the focus.
bool isWindowSwitch(const QEvent *event)
{
    const auto reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// Tab enters a group of options at its selected one, whichever it is.
void tabToTheSelected(const QList<QRadioButton *> &group)
{
    for (QRadioButton *option : group)
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

frmScore::frmScore(const frmScoreServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services),
      m_doc(std::make_unique<PoolDocument>(*services.store))
{
    // The layout was drawn for narrow sans-serif faces; where those are
    // missing, take the closest metric-compatible ones the system has.
    const QStringList narrow = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrow);
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), narrow);
    setObjectName(QStringLiteral("frmScore"));
    setWindowTitle(QStringLiteral("Quadrix"));
    setWindowIcon(Artwork::programIcon());
    buildLayout();
    bindControls();
    nameControls();
    routeEvents();
    setTabOrder();
    resize(px(Layout::kClientWidth), px(Layout::kClientHeight));
}

frmScore::~frmScore() = default;

void frmScore::buildLayout()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("window"));
    setCentralWidget(central);
    static AsteriskStyle *asterisks = [] {
        auto *style = new AsteriskStyle;
        style->setParent(qApp);
        return style;
    }();
    static FocusFrameStyle *focusFrames = [] {
        auto *style = new FocusFrameStyle;
        style->setParent(qApp);
        return style;
    }();

    QHash<QString, QWidget *> containers{{QStringLiteral("window"), central}};
    auto create = [&](const Layout::Control &c) {
        QWidget *parent = containers.value(QString::fromLatin1(c.container));
        const QString text = QCoreApplication::translate("Layout", c.text);
        QWidget *w = nullptr;
        switch (c.kind) {
        case Layout::Kind::Label: {
            auto *label = new QLabel(text, parent);
            // Labels show team names and pool texts: never as markup.
            label->setTextFormat(Qt::PlainText);
            // Only a label tall enough for two lines wraps its caption.
            label->setWordWrap(px(c.height) >= 2 * QFontMetrics(fontOf(c.font)).lineSpacing());
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = label;
            break;
        }
        case Layout::Kind::TextBox:
            w = new QLineEdit(text, parent);
            w->setStyle(focusFrames);
            break;
        case Layout::Kind::MultiLine:
            w = new SquareBox(parent);
            break;
        case Layout::Kind::Masked: {
            auto *edit = new QLineEdit(parent);
            edit->setInputMask(QStringLiteral("99/99/9999;_"));
            edit->setMaxLength(10);
            edit->setStyle(focusFrames);
            w = edit;
            break;
        }
        case Layout::Kind::Password: {
            auto *edit = new QLineEdit(parent);
            edit->setEchoMode(QLineEdit::Password);
            edit->setStyle(asterisks);
            w = edit;
            break;
        }
        case Layout::Kind::Combo: {
            auto *combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr); // the program completes typing itself
            combo->setEditText(text);
            w = combo;
            break;
        }
        case Layout::Kind::Option:
            w = new QRadioButton(text, parent);
            break;
        case Layout::Kind::Frame:
            // Opaque: the search frame lies over the squares.
            w = new QGroupBox(text, parent);
            w->setAutoFillBackground(true);
            containers.insert(QString::fromLatin1(c.name), w);
            break;
        case Layout::Kind::Button: {
            const QFontMetrics metrics(fontOf(c.font));
            const bool fits = metrics.size(Qt::TextShowMnemonic, text).width() + 8 <= px(c.width);
            w = fits ? new QPushButton(text, parent) : new WrappingButton(text, parent);
            break;
        }
        case Layout::Kind::PictureButton: {
            auto *button = new QToolButton(parent);
            button->setIcon(QIcon(Artwork::moveArrow(c.text)));
            button->setIconSize(QSize(16, 16));
            button->setAutoRaise(false);
            // A click takes the focus as on the other buttons, so the control
            // the user leaves has its lost-focus handling before the move.
            button->setFocusPolicy(Qt::StrongFocus);
            w = button;
            break;
        }
        case Layout::Kind::Picture: {
            auto *picture = new QLabel(parent);
            picture->setPixmap(Artwork::decorativePicture());
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = picture;
            break;
        }
        case Layout::Kind::Progress: {
            auto *bar = new QProgressBar(parent);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);
            w = bar;
            break;
        }
        }
        w->setObjectName(keyOf(c.name, c.index));
        w->setGeometry(px(c.left), px(c.top), px(c.width), px(c.height));
        w->setFont(fontOf(c.font));
        if (c.colour != 0) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::WindowText, fromBgr(c.colour));
            palette.setColor(QPalette::Text, fromBgr(c.colour));
            w->setPalette(palette);
        }
        if (c.hidden)
            w->setVisible(false);
        return w;
    };

    int count = 0;
    const Layout::Control *rows = Layout::controls(&count);
    for (int i = 0; i < count; ++i)
        create(rows[i]);

    // Header digits and squares follow their rules rather than a table.
    QWidget *frame1 = containers.value(QStringLiteral("Frame1"));
    QWidget *frame2 = containers.value(QStringLiteral("Frame2"));
    const QFont headerFont = fontOf({13.5, true});
    for (int i = 0; i < 20; ++i) {
        auto *header = new QLineEdit(frame1);
        header->setObjectName(keyOf("Number", i));
        const Layout::HeaderPlace &place = Layout::headerPlace(i);
        const bool first = i == 0;
        header->setGeometry(px(place.left), px(place.top), px(first ? 375 : 420),
                            px(first ? 405 : 375));
        header->setFont(headerFont);
        header->setAlignment(Qt::AlignCenter);
    }
    const QFont squareFont = fontOf({});
    for (int k = 0; k < 100; ++k) {
        auto *square = new SquareBox(frame2);
        square->setObjectName(keyOf("Imput", k));
        square->setGeometry(px(Layout::squareLeft(k)), px(Layout::squareTop(k)),
                            px(Layout::kSquareWidth), px(Layout::kSquareHeight));
        square->setFont(squareFont);
    }
    const Layout::Control *search = Layout::searchControls(&count);
    for (int i = 0; i < count; ++i)
        create(search[i]);
}

void frmScore::bindControls()
{
    auto get = [this](auto *&member, const char *name, int index = -1) {
        using T = std::remove_pointer_t<std::remove_reference_t<decltype(member)>>;
        member = findChild<T *>(keyOf(name, index));
        Q_ASSERT_X(member, "frmScore", qPrintable(keyOf(name, index)));
    };
    for (int i = 0; i < 4; ++i) {
        get(Who[i], "Who", i);
        get(Quarter[i], "Quarter", i);
    }
    get(Frame3, "Frame3");
    for (int i = 0; i < 3; ++i) {
        get(Combo1[i], "Combo1", i);
        get(Option1[i], "Option1", i);
    }
    get(Label1[2], "Label1", 2);
    get(Frame1, "Frame1");
    get(Frame2, "Frame2");
    for (int k = 0; k < 100; ++k)
        get(Imput[k], "Imput", k);
    for (int i = 0; i < 20; ++i)
        get(Number[i], "Number", i);
    get(frSearch, "frSearch");
    get(Label3, "Label3");
    get(txtSearch, "txtSearch");
    get(cmdFind, "cmdFind");
    get(Picture1, "Picture1");
    get(txtID, "txtID");
    get(Label4, "Label4");
    get(txtGameDate, "txtGameDate");
    get(Frame4, "Frame4");
    get(Frame5, "Frame5");
    for (int i = 0; i < 5; ++i)
        get(Label6[i], "Label6", i);
    get(lblOpen, "lblOpen");
    get(lblLeft, "lblLeft");
    get(cmdQuick, "cmdQuick");
    for (int i = 0; i < 2; ++i) {
        get(TeamScore[i], "TeamScore", i);
        get(Score[i], "Score", i);
    }
    get(cmdPrint, "cmdPrint");
    get(cmdPlayers, "cmdPlayers");
    get(Label2, "Label2");
    get(lblLocked, "lblLocked");
    get(Text2, "Text2");
    get(cmdLock, "cmdLock");
    get(Text1, "Text1");
    get(cmdunlock, "cmdunlock");
    get(lblAgain, "lblAgain");
    get(Command3, "Command3");
    get(cmdAdd, "cmdAdd");
    get(cmdUpdate, "cmdUpdate");
    get(cmdEdit, "cmdEdit");
    get(cmdCancel, "cmdCancel");
    get(cmdDelete, "cmdDelete");
    get(cmdSearch, "cmdSearch");
    get(cmdFirst, "cmdFirst");
    get(cmdPrevious, "cmdPrevious");
    get(lblStatus, "lblStatus");
    get(Pb1, "Pb1");
    get(cmdNext, "cmdNext");
    get(cmdLast, "cmdLast");
    get(frAmount, "frAmount");
    get(lblAmountPer, "lblAmountPer");
    get(txtPoolAmount, "txtPoolAmount");
    get(lblPayOut, "lblPayOut");
    get(Label5, "Label5");
    get(Label7, "Label7");
    get(Label8, "Label8");

    // Values the tables cannot say.
    Quarter[0]->setChecked(true);
    Option1[2]->setChecked(true);
    Combo1[0]->addItems({QStringLiteral("PRO"), QStringLiteral("COLLAGE")});
    Combo1[0]->setCurrentIndex(0);
    lblStatus->setAutoFillBackground(true);
    QPalette status = lblStatus->palette();
    status.setColor(QPalette::Window, Qt::white);
    lblStatus->setPalette(status);
    QPalette link = Label8->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Highlight));
    Label8->setPalette(link);
    Label5->setCursor(Qt::PointingHandCursor);
    Label8->setCursor(Qt::PointingHandCursor);
    txtID->setVisible(false);
    Picture1->setFocusPolicy(Qt::NoFocus);
}

void frmScore::routeEvents()
{
    for (int k = 0; k < 100; ++k)
        Imput[k]->installEventFilter(this);
    for (int i = 0; i < 2; ++i) {
        Score[i]->installEventFilter(this);
        connect(Score[i], &QLineEdit::textChanged, this, [this, i] { Score_Change(i); });
    }
    for (int i = 0; i < 20; ++i)
        connect(Number[size_t(i)], &QLineEdit::textChanged, this, [this, i] { nameSquaresOf(i); });
    txtPoolAmount->installEventFilter(this);
    Text2->installEventFilter(this);
    Label5->installEventFilter(this);
    Label8->installEventFilter(this);
    const QList<QRadioButton *> quarters(Quarter.begin(), Quarter.end());
    const QList<QRadioButton *> periods(Option1.begin(), Option1.end());
    for (const QList<QRadioButton *> &group : {quarters, periods}) {
        tabToTheSelected(group);
        for (QRadioButton *option : group)
            connect(option, &QRadioButton::toggled, this, [group] { tabToTheSelected(group); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
        connect(Combo1[i], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
        // Leaving the game-type box would count its text as a choice from its
        // list (the loaded "Pro" against the entry "PRO"), and a choice
        // empties both team boxes: only the list, a completed type-ahead or
        // Enter choose.
        if (i == 0)
            disconnect(Combo1[0]->lineEdit(), &QLineEdit::editingFinished, Combo1[0], nullptr);
        // Keys reach the combo box, which hands them to its line edit without
        // passing the line edit's filters, so both are watched.
        Combo1[i]->installEventFilter(this);
        Combo1[i]->lineEdit()->installEventFilter(this);
    }
    // A click runs the lookup, also on the quarter already selected (the user
    // asks for the winner again); the program never selects a quarter itself.
    for (int i = 0; i < 4; ++i)
        connect(Quarter[i], &QAbstractButton::clicked, this, [this, i] { Quarter_Click(i); });
    const std::pair<QAbstractButton *, void (frmScore::*)()> buttons[] = {
        {cmdQuick, &frmScore::cmdQuick_Click},       {Command3, &frmScore::Command3_Click},
        {cmdLock, &frmScore::cmdLock_Click},         {cmdunlock, &frmScore::cmdunlock_Click},
        {cmdAdd, &frmScore::cmdAdd_Click},           {cmdEdit, &frmScore::cmdEdit_Click},
        {cmdUpdate, &frmScore::cmdUpdate_Click},     {cmdCancel, &frmScore::cmdCancel_Click},
        {cmdDelete, &frmScore::cmdDelete_Click},     {cmdFirst, &frmScore::cmdFirst_Click},
        {cmdPrevious, &frmScore::cmdPrevious_Click}, {cmdNext, &frmScore::cmdNext_Click},
        {cmdLast, &frmScore::cmdLast_Click},         {cmdSearch, &frmScore::cmdSearch_Click},
        {cmdFind, &frmScore::cmdFind_Click},         {cmdPrint, &frmScore::cmdPrint_Click},
        {cmdPlayers, &frmScore::cmdPlayers_Click},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QAbstractButton::clicked, this, handler);
    watchForTints();
    // Beside the described commands: keys for what has no access key.
    const std::pair<QKeySequence, void (frmScore::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &frmScore::savePdf},
        {QKeySequence(Qt::Key_F1), &frmScore::Label8_Click},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &frmScore::cmdPlayers_Click},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), &frmScore::cmdResults_Click},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &frmScore::exportSeason},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), &frmScore::cmdList_Click},
        {QKeySequence(Qt::Key_Escape), &frmScore::escape},
    };
    for (const auto &[sequence, handler] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, handler);
    // The moves press their buttons, so they act only where the buttons are
    // offered (not while editing).
    const std::pair<QKeySequence, QAbstractButton *> moves[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), cmdPrevious},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), cmdNext},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp), cmdFirst},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown), cmdLast},
    };
    for (const auto &[sequence, button] : moves)
        connect(new QShortcut(sequence, this), &QShortcut::activated, button,
                &QAbstractButton::click);
    // Return searches also with a date half typed, which the masked box
    // would swallow: the search then asks for the whole date.
    txtSearch->installEventFilter(this);
    connect(Text1, &QLineEdit::returnPressed, this, &frmScore::cmdLock_Click);
}

void frmScore::setTabOrder()
{
    QList<QWidget *> order;
    int count = 0;
    const Layout::TabStop *stops = Layout::tabOrder(&count);
    for (int i = 0; i < count; ++i) {
        const Layout::TabStop &stop = stops[i];
        if (stop.index >= 0) {
            order << findChild<QWidget *>(keyOf(stop.name, stop.index));
            continue;
        }
        QList<QWidget *> elements;
        for (int k = 0;; ++k) {
            QWidget *w = findChild<QWidget *>(keyOf(stop.name, k));
            if (!w)
                break;
            elements << w;
        }
        if (elements.isEmpty())
            elements << findChild<QWidget *>(QString::fromLatin1(stop.name));
        if (stop.index == -2)
            std::reverse(elements.begin(), elements.end());
        order << elements;
    }
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool frmScore::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // A control the program disables loses the focus without the user
    // leaving it: locking a pool is no change of its amount.
    if (type == QEvent::FocusOut && !isWindowSwitch(event) &&
        static_cast<QWidget *>(watched)->isEnabled()) {
        for (int k = 0; k < 100; ++k) {
            if (watched == Imput[k]) {
                Imput_LostFocus(k);
                return false;
            }
        }
        if (watched == Combo1[1] || watched == Combo1[2]) // a long name shows from its start
            static_cast<QComboBox *>(watched)->lineEdit()->setCursorPosition(0);
        if (watched == txtPoolAmount)
            txtPoolAmount_LostFocus();
        else if (watched == Text2)
            Text2_LostFocus(static_cast<QFocusEvent *>(event)->reason());
    } else if (type == QEvent::FocusIn && !isWindowSwitch(event)) {
        if (watched == Score[0] || watched == Score[1])
            Score_GotFocus(watched == Score[0] ? 0 : 1);
        else if (watched == txtPoolAmount)
            txtPoolAmount_GotFocus();
    } else if (type == QEvent::MouseButtonRelease) {
        if (watched == Label5)
            Label5_Click();
        else if (watched == Label8)
            Label8_Click();
    } else if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == txtSearch && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            cmdFind_Click();
            return true;
        }
        for (int i = 0; i < 3; ++i) {
            if (watched != Combo1[i] && watched != Combo1[i]->lineEdit())
                continue;
            const QString text = key->text();
            if (text.size() != 1 || text.at(0).unicode() < 32)
                return false; // Backspace, Enter, Escape: their usual effect
            int code = text.at(0).unicode();
            Combo1_KeyPress(i, code);
            return code == 0;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmScore::closeEvent(QCloseEvent *event)
{
    // Closing asks only when the board holds unsaved changes; Cancel, or a
    // save that fails, keeps the window open.
    if (!proceed(PoolDocument::Command::Close)) {
        event->ignore();
        return;
    }
    Form_Unload();
    QMainWindow::closeEvent(event);
}
