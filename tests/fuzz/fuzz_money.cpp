// Whatever a user types into the pool amount box reads as a number or is
// refused; a number the program then shows reads back as itself.
#include "money/money.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::French, QLocale::France),
                                      QLocale(QLocale::Hindi, QLocale::India)};
    if (size == 0)
        return 0;
    const QLocale &locale = locales[data[0] % 4];
    const std::optional<double> value = Money::read(
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)), locale);
    if (!value)
        return 0;
    const std::optional<double> again =
        std::fabs(*value) < 1.0e12 ? Money::read(Money::currency(*value, locale), locale) : value;
    if (!std::isfinite(*value) || !again || std::fabs(*again - *value) > 0.0051)
        std::abort();
    return 0;
}
