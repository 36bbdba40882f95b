// The team boxes: lists from the team files and completion while typing.
#include "app/frmScore/frmScore.h"

#include "app/dialogs.h"
#include "app/errorreport.h"
#include "app/handleerror.h"
#include "combofill.h"
#include "store/poolerror.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QScopedValueRollback>

#include <exception>

namespace {

// The number the error report shows when a completion fails for a reason
// of its own rather than one of the store's: "invalid procedure call".
constexpr int kCompletionFailed = 5;

} // namespace

void frmScore::ProFootball()
{
    loadTeamBoxes(QStringLiteral("Pro.txt"));
}

void frmScore::Collage()
{
    loadTeamBoxes(QStringLiteral("Collage.txt"));
}

void frmScore::loadTeamBoxes(const QString &fileName)
{
    // Both boxes change list together, so that the second never offers
    // teams of the other list while the first is filling.
    const int generation = ++m_teamLoadGeneration;
    for (int i = 1; i <= 2; ++i) {
        Combo1[i]->clear();
        Combo1[i]->clearEditText();
    }
    const QString path = QDir(m_services.dataDir).filePath(fileName);
    const QPointer<frmScore> alive(this);
    for (int i = 1; i <= 2; ++i) {
        const QString refused = FillComboFromFile(path, Combo1[i]);
        if (i == 1 && !refused.isEmpty())
            m_services.dialogs->message(refused);
        // Events ran during the fill: the window may be gone, or a newer
        // choice of list may have refilled both boxes already.
        if (!alive || generation != m_teamLoadGeneration)
            return;
    }
}

void frmScore::Combo1_Click(int index)
{
    if (index == 0) {
        // The list a locked pool was made with stays, and so do its teams.
        if (!proceed(PoolDocument::Command::GameType)) {
            const QScopedValueRollback<bool> quiet(m_filling, true);
            const QString gameType =
                document().stored().pro ? QStringLiteral("Pro") : QStringLiteral("COLLAGE");
            Combo1[0]->setCurrentIndex(Combo1[0]->findText(gameType, Qt::MatchFixedString));
            Combo1[0]->setEditText(gameType);
            return;
        }
        if (Combo1[0]->currentText() == QLatin1String("PRO"))
            ProFootball();
        else
            Collage();
        return;
    }
    if (index == 1 || index == 2) {
        const QString team = Combo1[index]->currentText();
        if (!team.isEmpty()) {
            TeamScore[index - 1]->setText(team);
            TeamScore[index - 1]->setCursorPosition(0); // a long name shows from its start
        }
    }
}

void frmScore::Combo1_KeyPress(int index, int &keyAscii)
{
    if (index < 0 || index > 2)
        return;
    const int typed = keyAscii;
    try {
        AutoCompleteCombo(Combo1[index], keyAscii);
        // A completion chooses a list entry, which is a click on the box.
        // It runs once the box shows the completed text, so that events
        // handled while a choice of list reloads see the finished box.
        if (keyAscii == 0)
            Combo1_Click(index);
    } catch (const std::exception &failure) {
        // No exception may cross into the toolkit's event dispatch.
        keyAscii = typed;
        if (!m_services.dialogs)
            return;
        const auto *poolError = dynamic_cast<const PoolError *>(&failure);
        const PoolError report =
            poolError ? *poolError
                      : PoolError(kCompletionFailed, QStringLiteral("AutoCompleteCombo"),
                                  QString::fromLocal8Bit(failure.what()));
        HandleError(report, *m_services.dialogs,
                    QDir(m_services.dataDir).filePath(ErrorReport::logFileName()));
    }
}
