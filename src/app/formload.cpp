// Start-up and shutdown of the main window.
#include "frmScore/frmScore.h"

#include "placement.h"
#include "store/poolstore.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QProgressBar>
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
        const QRect wanted = ontoAScreen(Placement::toPixels(Placement::load(*m_services.settings)));
        m_restored = wanted;
        const QSize frame = frameGeometry().size() - geometry().size();
        move(wanted.topLeft());
        resize(std::max(1, wanted.width() - frame.width()),
               std::max(1, wanted.height() - frame.height()));
    }
    StartUp = true;
    if (Combo1[0]->currentText() == QLatin1String("PRO"))
        ProFootball();
    else
        Collage();
    m_services.store->OpenRecordSet(PoolQuery::all());
    Fill();
    StartUp = false;
    Pb1->hide();
}

void frmScore::Form_Unload()
{
    if (m_services.settings && !isMinimized())
        Placement::save(*m_services.settings, frameGeometry());
}
