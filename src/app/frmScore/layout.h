#pragma once

#include <cstdint>

// The window's controls as data: one row per control, in twips, with the
// container each one sits in. The window is built by walking these rows.
namespace Layout {

enum class Kind
{
    Label,
    TextBox,
    MultiLine,
    Masked,
    Password,
    Combo,
    Option,
    Frame,
    Button,
    PictureButton,
    Picture,
    Progress,
};

struct Font
{
    double points = 8.25;
    bool bold = false;
    const char *family = nullptr; // null: the window's default family
    bool underline = false;
};

struct Control
{
    const char *name;
    int index; // -1 for a control that is not an array element
    Kind kind;
    const char *container; // "window" or a frame's name
    int left, top, width, height;
    const char *text;
    Font font;
    std::uint32_t colour = 0; // 0x00BBGGRR text colour, 0 = system colour
    bool hidden = false;
};

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 13440;
constexpr int kClientHeight = 10470;
constexpr std::uint32_t kRed = 0x000000FF;

// Every control except the squares and the header digits, whose places
// follow the rules below; containers come before what they hold, and
// a later row is drawn above an earlier one.
const Control *controls(int *count);
// The search frame and its contents, built over the squares.
const Control *searchControls(int *count);

// The header digits' places inside Frame1.
struct HeaderPlace
{
    int left, top;
};
const HeaderPlace &headerPlace(int index);
// Square k = 10 r + c inside Frame2.
inline int squareLeft(int k)
{
    return 135 + 855 * (k % 10);
}
inline int squareTop(int k)
{
    return 315 + 720 * (k / 10);
}
constexpr int kSquareWidth = 825;
constexpr int kSquareHeight = 690;

// The Tab key's order, by name and index (-1: every element in index order,
// -2: every element from the highest index down).
struct TabStop
{
    const char *name;
    int index;
};
const TabStop *tabOrder(int *count);

// What a screen reader calls each control whose caption, if it has one,
// does not say what it holds (marked for translation in the "Layout"
// context). The squares and the digit boxes are named by their place.
struct AccessibleName
{
    const char *name;
    int index;
    const char *text;
    const char *label = nullptr; // the caption that names it on screen
};
const AccessibleName *accessibleNames(int *count);

} // namespace Layout
