#include "placement.h"

#include <QSettings>

#include <cmath>
#include <limits>

namespace Placement {

double readValue(const QVariant &stored, double defaultValue)
{
    if (!stored.isValid() || stored.isNull())
        return defaultValue;
    bool ok = false;
    const double value = stored.toString().trimmed().toDouble(&ok);
    // Placements far outside any desktop are as useless as garbage.
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1.0e7)
        return defaultValue;
    return value;
}

std::array<double, 4> load(QSettings &settings)
{
    std::array<double, 4> values{};
    settings.beginGroup(QStringLiteral("Settings"));
    for (size_t i = 0; i < kKeys.size(); ++i) {
        values[i] = readValue(settings.value(QLatin1String(kKeys[i].name)), kKeys[i].defaultTwips);
        if (i >= 2 && values[i] < kSmallestSizeTwips) // width and height
            values[i] = kKeys[i].defaultTwips;
    }
    settings.endGroup();
    return values;
}

void save(QSettings &settings, const QRect &outerPixels)
{
    const int values[4] = {outerPixels.x(), outerPixels.y(), outerPixels.width(),
                           outerPixels.height()};
    settings.beginGroup(QStringLiteral("Settings"));
    for (size_t i = 0; i < kKeys.size(); ++i)
        settings.setValue(QLatin1String(kKeys[i].name),
                          QString::number(values[i] * kTwipsPerPixel));
    settings.endGroup();
    settings.sync();
}

QRect toPixels(const std::array<double, 4> &twips)
{
    auto px = [](double t) { return static_cast<int>(std::lround(t / kTwipsPerPixel)); };
    return QRect(px(twips[0]), px(twips[1]), std::max(1, px(twips[2])), std::max(1, px(twips[3])));
}

} // namespace Placement
