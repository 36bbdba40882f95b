#pragma once

#include <QRect>
#include <QString>
#include <QVariant>

#include <array>

class QSettings;

// The main window's placement as the settings store keeps it: four numbers
// in twips under "Settings". A value that is missing or is not a number
// falls back to that key's default instead of stopping the program.
namespace Placement {

constexpr int kTwipsPerPixel = 15;

struct Key
{
    const char *name;
    int defaultTwips;
};

inline constexpr std::array<Key, 4> kKeys{
    {{"ScoreLeft", 450}, {"ScoreTop", 60}, {"ScoreWidth", 13620}, {"ScoreHeight", 11145}}};

// The smallest width or height a window can be used at; a stored size below
// it falls back to the key's default.
constexpr double kSmallestSizeTwips = 1500;

// Reads a stored value as a number, or the default when it is not one.
double readValue(const QVariant &stored, double defaultValue);

// Left, top, width and height in twips, in that order.
std::array<double, 4> load(QSettings &settings);
void save(QSettings &settings, const QRect &outerPixels);

// Twips to whole pixels; the size is kept at least one pixel.
QRect toPixels(const std::array<double, 4> &twips);

} // namespace Placement
