// Start-up and shutdown of the main window.
#include "frmScore/frmScore.h"

#include "placement.h"
#include "store/poolstore.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSettings>

namespace {

// A placement that shows nothing of the window on any screen (a screen that
// was unplugged, say) comes back onto the primary screen.
QRect ontoAScreen(const QRect &wanted)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(wanted);
        if (visible.width() >= 40 && visible.height() >= 40)
            return wanted;
    }
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return wanted;
    const QRect area = primary->availableGeometry();
    QRect moved = wanted;
    moved.moveTopLeft(area.topLeft());
    return moved;
}

} // namespace

void frmScore::Form_Load()
{
    if (m_services.settings) {
        const QRect wanted =
            ontoAScreen(Placement::toPixels(Placement::load(*m_services.settings)));
        m_restored = wanted;
        m_placementPending = true;
        applyPlacement();
    }
    {
        const QScopedValueRollback<bool> quiet(m_filling, true);
        if (Combo1[0]->currentText() == QLatin1String("PRO"))
            ProFootball();
        else
            Collage();
    }
    // A first pool that cannot be read is reported as the pool file's
    // failure, and the program ends.
    m_doc->open();
    showStored();
    Pb1->hide();

    // The first control in Tab order that can take the focus gets it: the
    // bottom-right square, unless a locked pool disabled the squares.
    QWidget *first = Imput[99];
    for (int guard = 0; guard < 400 && first; ++guard) {
        if (first->isEnabled() && first->isVisibleTo(this) && (first->focusPolicy() & Qt::TabFocus))
            break;
        first = first->nextInFocusChain();
    }
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

void frmScore::applyPlacement()
{
    // The stored size is the outer one, frame included.
    const QSize frame = frameGeometry().size() - geometry().size();
    move(m_restored.topLeft());
    resize(std::max(1, m_restored.width() - frame.width()),
           std::max(1, m_restored.height() - frame.height()));
}

// The window manager adds its frame only after the window is mapped, and
// tells its size later still: the stored outer size is applied again once
// the frame is known, so that the window does not grow by its title bar at
// every start.
bool frmScore::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    const QEvent::Type type = event->type();
    if (m_placementPending && isVisible() &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
        frameGeometry().size() != geometry().size()) {
        m_placementPending = false;
        applyPlacement();
    }
    return handled;
}

void frmScore::Form_Unload()
{
    if (m_services.settings && !isMinimized())
        Placement::save(*m_services.settings, frameGeometry());
}
