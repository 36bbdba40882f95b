#include "layout.h"

#include <QtGlobal>

namespace Layout {

namespace {

using K = Kind;
constexpr Font kDefault{};
constexpr Font kBold{8.25, true};
constexpr Font kBig{24, true};
constexpr Font kHeading{13.5, true};
constexpr Font kCounter{18, true};

// Captions and names are marked for translation in the "Layout" context;
// the window translates them as it builds itself.
// clang-format off
const Control kControls[] = {
    // Top strip: quarter winners.
    {"Who", 0, K::TextBox, "window", 0, 0, 3345, 675, "", kBig},
    {"Who", 1, K::TextBox, "window", 3375, 0, 3345, 675, "", kBig},
    {"Who", 2, K::TextBox, "window", 6750, 0, 3345, 675, "", kBig},
    {"Who", 3, K::TextBox, "window", 10125, 0, 3300, 675, "", kBig},
    {"Frame3", -1, K::Frame, "window", 540, 675, 12300, 465, QT_TRANSLATE_NOOP("Layout", "Quarter"), kBold},
    {"Quarter", 0, K::Option, "Frame3", 90, 180, 915, 240, QT_TRANSLATE_NOOP("Layout", "First"), kBold},
    {"Quarter", 1, K::Option, "Frame3", 3870, 180, 1005, 240, QT_TRANSLATE_NOOP("Layout", "Second"), kBold},
    {"Quarter", 2, K::Option, "Frame3", 7605, 180, 915, 240, QT_TRANSLATE_NOOP("Layout", "Third"), kBold},
    {"Quarter", 3, K::Option, "Frame3", 10665, 180, 915, 240, QT_TRANSLATE_NOOP("Layout", "Fourth"), kBold},

    // Team line above the board.
    {"Combo1", 1, K::Combo, "window", 3825, 1305, 4155, 675, "TEAM 1", kBig},
    {"Label1", 2, K::Label, "window", 8055, 1350, 825, 600, QT_TRANSLATE_NOOP("Layout", "VS"), {27.75, true, "Microsoft Sans Serif"}, kRed},
    {"Combo1", 2, K::Combo, "window", 8910, 1305, 4245, 675, "TEAM 2", kBig},

    // The board; squares and header digits are added from their rules.
    {"Frame1", -1, K::Frame, "window", 3825, 1980, 9375, 8205, "", kDefault},
    {"Frame2", -1, K::Frame, "Frame1", 405, 360, 8790, 7665, "", kDefault},

    // Left panel, top to bottom.
    {"Picture1", -1, K::Picture, "window", 0, 1170, 1635, 2265, "", kDefault},
    {"txtID", -1, K::TextBox, "window", 1260, 1080, 375, 375, "", kDefault, 0, true},
    {"Label4", -1, K::Label, "window", 1800, 1140, 1320, 165, QT_TRANSLATE_NOOP("Layout", "Game Date"), kBold},
    {"txtGameDate", -1, K::Masked, "window", 1800, 1455, 1365, 285, "", kDefault},
    {"Frame4", -1, K::Frame, "window", 1680, 1800, 2055, 855, "", kDefault},
    {"Label6", 3, K::Label, "Frame4", 120, 120, 1140, 645, QT_TRANSLATE_NOOP("Layout", "Squares Taken"), kHeading},
    {"lblOpen", -1, K::Label, "Frame4", 1335, 315, 645, 375, "000", kCounter},
    {"Frame5", -1, K::Frame, "window", 1680, 2520, 2055, 855, "", kDefault},
    {"Label6", 2, K::Label, "Frame5", 120, 120, 1140, 645, QT_TRANSLATE_NOOP("Layout", "Squares Left"), kHeading},
    {"lblLeft", -1, K::Label, "Frame5", 1335, 270, 645, 375, "000", kCounter},
    {"Combo1", 0, K::Combo, "window", 90, 3465, 2220, 360, "PRO", {9.75, true}},
    {"cmdQuick", -1, K::Button, "window", 2880, 3585, 825, 690, QT_TRANSLATE_NOOP("Layout", "Quick Pick"), kBold},
    {"TeamScore", 0, K::TextBox, "window", 90, 3915, 1905, 330, "", kBold},
    {"Score", 0, K::TextBox, "window", 2070, 3915, 510, 330, "", {12, true}},
    {"TeamScore", 1, K::TextBox, "window", 90, 4275, 1905, 330, "", kBold},
    {"Score", 1, K::TextBox, "window", 2070, 4275, 510, 330, "", {12, true}},
    {"cmdPrint", -1, K::Button, "window", 2880, 4260, 825, 690, QT_TRANSLATE_NOOP("Layout", "Print"), kBold},
    // Beside the described window, in the free space under Print.
    {"cmdPlayers", -1, K::Button, "window", 2880, 4950, 825, 690, QT_TRANSLATE_NOOP("Layout", "&Players"), kBold},
    {"Label2", -1, K::Label, "window", 135, 4680, 870, 240, QT_TRANSLATE_NOOP("Layout", "Password"), kBold},
    {"lblLocked", -1, K::Label, "window", 1710, 4680, 1095, 465, QT_TRANSLATE_NOOP("Layout", "This Record  Is Locked"), kBold, kRed, true},
    {"Text2", -1, K::Password, "window", 90, 4950, 1410, 330, "", kDefault},
    {"cmdLock", -1, K::Button, "window", 1575, 5130, 1320, 240, QT_TRANSLATE_NOOP("Layout", "LOCK"), kBold},
    {"Text1", -1, K::Password, "window", 90, 5310, 1410, 330, "", kDefault, 0, true},
    {"cmdunlock", -1, K::Button, "window", 1575, 5400, 1320, 240, QT_TRANSLATE_NOOP("Layout", "UNLOCK"), kBold},
    {"lblAgain", -1, K::Label, "window", 90, 5670, 1365, 240, QT_TRANSLATE_NOOP("Layout", "Password Again"), kBold, 0, true},
    {"Command3", -1, K::Button, "window", 1575, 5670, 1320, 375, QT_TRANSLATE_NOOP("Layout", "SET Numbers"), kBold},
    {"cmdAdd", -1, K::Button, "window", 90, 6165, 870, 300, QT_TRANSLATE_NOOP("Layout", "&Add"), kDefault},
    {"cmdUpdate", -1, K::Button, "window", 90, 6165, 870, 300, QT_TRANSLATE_NOOP("Layout", "&Update"), kDefault, 0, true},
    {"cmdEdit", -1, K::Button, "window", 975, 6165, 825, 300, QT_TRANSLATE_NOOP("Layout", "&Edit"), kDefault},
    {"cmdCancel", -1, K::Button, "window", 1020, 6165, 780, 300, QT_TRANSLATE_NOOP("Layout", "&Cancel"), kDefault, 0, true},
    {"cmdDelete", -1, K::Button, "window", 1770, 6165, 870, 300, QT_TRANSLATE_NOOP("Layout", "&Delete"), kDefault},
    {"cmdSearch", -1, K::Button, "window", 2655, 6165, 870, 300, QT_TRANSLATE_NOOP("Layout", "&Find"), kDefault},
    {"cmdFirst", -1, K::PictureButton, "window", 0, 6570, 255, 525, "first", kDefault},
    {"cmdPrevious", -1, K::PictureButton, "window", 255, 6570, 255, 525, "previous", kDefault},
    {"lblStatus", -1, K::Label, "window", 510, 6570, 2865, 510, "", kDefault},
    {"Pb1", -1, K::Progress, "window", 480, 6600, 2775, 495, "", kDefault},
    {"cmdNext", -1, K::PictureButton, "window", 3300, 6570, 255, 525, "next", kDefault},
    {"cmdLast", -1, K::PictureButton, "window", 3555, 6570, 255, 525, "last", kDefault},
    {"frAmount", -1, K::Frame, "window", 90, 7155, 3615, 555, QT_TRANSLATE_NOOP("Layout", "Payout "), kBold},
    {"Option1", 0, K::Option, "frAmount", 45, 180, 825, 330, QT_TRANSLATE_NOOP("Layout", "Game"), kBold},
    {"Option1", 1, K::Option, "frAmount", 1305, 180, 780, 330, QT_TRANSLATE_NOOP("Layout", "Half"), kBold},
    {"Option1", 2, K::Option, "frAmount", 2475, 180, 960, 330, QT_TRANSLATE_NOOP("Layout", "Quarter"), kBold},
    {"Label6", 0, K::Label, "window", 135, 7965, 1095, 240, QT_TRANSLATE_NOOP("Layout", "Pool Amount"), kBold},
    {"txtPoolAmount", -1, K::TextBox, "window", 1305, 7875, 2310, 645, "$000.00", kBig},
    {"Label6", 1, K::Label, "window", 90, 8640, 1095, 420, QT_TRANSLATE_NOOP("Layout", " Amount Per    Square"), kBold},
    {"lblAmountPer", -1, K::Label, "window", 1620, 8595, 1995, 645, "$000.00", kBig, kRed},
    {"Label6", 4, K::Label, "window", 0, 9315, 1590, 645, QT_TRANSLATE_NOOP("Layout", "Pay Out"), kHeading},
    {"lblPayOut", -1, K::Label, "window", 1665, 9315, 2130, 690, "$000.00", kBig, kRed},

    // Bottom line.
    {"Label5", -1, K::Label, "window", 90, 10260, 6675, 195, QT_TRANSLATE_NOOP("Layout", "Copyright (c) 2026 The Quadrix developers. All rights reserved."), kBold},
    {"Label7", -1, K::Label, "window", 7065, 10260, 2850, 195, QT_TRANSLATE_NOOP("Layout", "Contact: quadrix@example.org"), kBold},
    {"Label8", -1, K::Label, "window", 12735, 10170, 735, 240, QT_TRANSLATE_NOOP("Layout", "help"), {9.75, true, nullptr, true}},
};

// The search frame lies over the middle of the squares, so it is built after them.
const Control kSearchControls[] = {
    {"frSearch", -1, K::Frame, "Frame2", 2475, 2475, 3705, 1455, QT_TRANSLATE_NOOP("Layout", "Search"), kBold, 0, true},
    {"Label3", -1, K::Label, "frSearch", 135, 225, 3210, 600,
     QT_TRANSLATE_NOOP("Layout", "Enter Date Like 01/08/2003 or 12/12/2003     Then use the arrow buttons to scroll through the records."), kBold},
    {"txtSearch", -1, K::Masked, "frSearch", 405, 990, 1185, 330, "", kDefault},
    {"cmdFind", -1, K::Button, "frSearch", 2160, 990, 1275, 285, QT_TRANSLATE_NOOP("Layout", "OK"), kDefault},
};

const HeaderPlace kHeaders[20] = {
    {720, 90}, {1575, 90}, {2430, 90}, {3330, 90}, {4185, 90},
    {4995, 90}, {5895, 90}, {6705, 90}, {7560, 90}, {8460, 90},
    {0, 720}, {0, 1530}, {0, 2205}, {0, 2925}, {0, 3690},
    {0, 4365}, {0, 5130}, {0, 5805}, {0, 6570}, {0, 7290},
};

const TabStop kTabOrder[] = {
    {"Imput", -2}, {"Number", -1}, {"Combo1", 0}, {"Combo1", 1}, {"Combo1", 2},
    {"TeamScore", 0}, {"TeamScore", 1}, {"Score", 0}, {"Score", 1}, {"cmdLock", -1},
    {"Command3", -1}, {"cmdunlock", -1}, {"Who", 0}, {"Text2", -1}, {"Who", 1}, {"Who", 2},
    {"Who", 3}, {"Quarter", -1}, {"Text1", -1}, {"cmdCancel", -1}, {"cmdUpdate", -1},
    {"cmdDelete", -1}, {"cmdEdit", -1}, {"cmdAdd", -1}, {"cmdLast", -1}, {"cmdNext", -1},
    {"cmdPrevious", -1}, {"cmdFirst", -1}, {"cmdSearch", -1}, {"cmdFind", -1},
    {"txtGameDate", -1}, {"txtSearch", -1}, {"txtID", -1}, {"txtPoolAmount", -1},
    {"Option1", -1}, {"Picture1", -1}, {"cmdQuick", -1}, {"cmdPrint", -1}, {"cmdPlayers", -1},
};

const AccessibleName kAccessibleNames[] = {
    {"Who", 0, QT_TRANSLATE_NOOP("Layout", "First quarter winner")}, {"Who", 1, QT_TRANSLATE_NOOP("Layout", "Second quarter winner")},
    {"Who", 2, QT_TRANSLATE_NOOP("Layout", "Third quarter winner")}, {"Who", 3, QT_TRANSLATE_NOOP("Layout", "Fourth quarter winner")},
    {"Combo1", 0, QT_TRANSLATE_NOOP("Layout", "Game type")}, {"Combo1", 1, QT_TRANSLATE_NOOP("Layout", "Team 1")}, {"Combo1", 2, QT_TRANSLATE_NOOP("Layout", "Team 2")},
    {"TeamScore", 0, QT_TRANSLATE_NOOP("Layout", "Team 1 at the scores")}, {"Score", 0, QT_TRANSLATE_NOOP("Layout", "Team 1 score")},
    {"TeamScore", 1, QT_TRANSLATE_NOOP("Layout", "Team 2 at the scores")}, {"Score", 1, QT_TRANSLATE_NOOP("Layout", "Team 2 score")},
    {"txtID", -1, QT_TRANSLATE_NOOP("Layout", "Pool number")},
    {"txtGameDate", -1, QT_TRANSLATE_NOOP("Layout", "Game date"), "Label4"},
    {"lblOpen", -1, QT_TRANSLATE_NOOP("Layout", "Squares taken"), "Label6(3)"},
    {"lblLeft", -1, QT_TRANSLATE_NOOP("Layout", "Squares left"), "Label6(2)"},
    {"Text2", -1, QT_TRANSLATE_NOOP("Layout", "Password"), "Label2"},
    {"Text1", -1, QT_TRANSLATE_NOOP("Layout", "Password again"), "lblAgain"},
    {"cmdFirst", -1, QT_TRANSLATE_NOOP("Layout", "First pool")}, {"cmdPrevious", -1, QT_TRANSLATE_NOOP("Layout", "Previous pool")},
    {"cmdNext", -1, QT_TRANSLATE_NOOP("Layout", "Next pool")}, {"cmdLast", -1, QT_TRANSLATE_NOOP("Layout", "Last pool")},
    {"lblStatus", -1, QT_TRANSLATE_NOOP("Layout", "Pool on show")}, {"Pb1", -1, QT_TRANSLATE_NOOP("Layout", "Saving")},
    {"txtPoolAmount", -1, QT_TRANSLATE_NOOP("Layout", "Pool amount"), "Label6(0)"},
    {"lblAmountPer", -1, QT_TRANSLATE_NOOP("Layout", "Amount per square"), "Label6(1)"},
    {"lblPayOut", -1, QT_TRANSLATE_NOOP("Layout", "Pay out"), "Label6(4)"},
    {"Picture1", -1, QT_TRANSLATE_NOOP("Layout", "Football goal")},
    {"txtSearch", -1, QT_TRANSLATE_NOOP("Layout", "Game date to find"), "Label3"},
    {"Frame1", -1, QT_TRANSLATE_NOOP("Layout", "Board")}, {"Frame2", -1, QT_TRANSLATE_NOOP("Layout", "Squares")},
    {"Frame4", -1, QT_TRANSLATE_NOOP("Layout", "Squares taken")}, {"Frame5", -1, QT_TRANSLATE_NOOP("Layout", "Squares left")},
};
// clang-format on

} // namespace

const Control *controls(int *count)
{
    *count = int(sizeof kControls / sizeof kControls[0]);
    return kControls;
}

const Control *searchControls(int *count)
{
    *count = int(sizeof kSearchControls / sizeof kSearchControls[0]);
    return kSearchControls;
}

const HeaderPlace &headerPlace(int index)
{
    return kHeaders[index];
}

const AccessibleName *accessibleNames(int *count)
{
    *count = int(sizeof kAccessibleNames / sizeof kAccessibleNames[0]);
    return kAccessibleNames;
}

const TabStop *tabOrder(int *count)
{
    *count = int(sizeof kTabOrder / sizeof kTabOrder[0]);
    return kTabOrder;
}

} // namespace Layout
