#pragma once

#include "support/diskshim.h"
#include "support/testwindow.h"

#include <QtWidgets>

#include <memory>

// The five commands that write the pool file, driven through the window
// exactly as users give them, for the tests that make the disk fail under
// them. The file holds three pools, the second locked with "pw".
enum class Save
{
    EditedPool,
    NewPool,
    Delete,
    Lock,
    Unlock
};

inline const std::pair<const char *, Save> kSaves[] = {
    {"update of an edited pool", Save::EditedPool},
    {"update of a new pool", Save::NewPool},
    {"delete", Save::Delete},
    {"lock", Save::Lock},
    {"unlock", Save::Unlock}};

// A fresh pool file and window, with everything typed that the save needs.
inline std::unique_ptr<TestWindow> prepareSave(TestData &data, Save save)
{
    data.addPool(samplePool("01/01/2025", "Open", "X"));
    PoolValues locked = samplePool("02/02/2025", "Shut", "Y");
    locked.insert("Password", "pw");
    data.addPool(locked);
    data.addPool(samplePool("03/03/2025", "Last", "Z"));
    auto window = std::make_unique<TestWindow>(data);
    frmScore &w = window->w();
    const auto type = [&w] {
        w.Imput[7]->setText("typed");
        w.Imput[93]->setText("typed too");
        w.Combo1[1]->setEditText("Typed Team");
    };
    switch (save) {
    case Save::EditedPool:
        w.cmdEdit->click();
        type();
        break;
    case Save::NewPool:
        w.cmdAdd->click();
        w.txtGameDate->setText("04/04/2025");
        type();
        break;
    case Save::Delete:
        break;
    case Save::Lock:
        w.Text2->setText("new");
        w.Text1->setText("new");
        break;
    case Save::Unlock:
        w.cmdNext->click();
        w.Text2->setText("pw");
        break;
    }
    return window;
}

inline void performSave(frmScore &w, Save save)
{
    switch (save) {
    case Save::EditedPool:
    case Save::NewPool:
        w.cmdUpdate->click();
        break;
    case Save::Delete:
        w.cmdDelete->click();
        break;
    case Save::Lock:
        w.cmdLock->click();
        break;
    case Save::Unlock:
        w.cmdunlock->click();
        break;
    }
}

// The pool file before and after the save on a sound disk, and the file
// operations the save took.
struct SaveOutcome
{
    QMap<qint64, PoolValues> before, after;
    int operations = 0;
};
inline SaveOutcome soundSave(Save save)
{
    TestData data;
    auto window = prepareSave(data, save);
    SaveOutcome outcome{data.allPools(), {}};
    DiskShim::cutPowerAt(0);
    performSave(window->w(), save);
    outcome.operations = DiskShim::operations();
    if (!window->messages().isEmpty())
        qFatal("a save on a sound disk failed: %s", qPrintable(window->messages().join(' ')));
    outcome.after = data.allPools();
    return outcome;
}
