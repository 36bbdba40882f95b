// Any bytes at all make a team list: no crash, no hang, and no entry that
// would show as an empty or broken line in the drop-down list (no control
// characters, the C1 ones of a binary file included).
#include "teams/teamlist.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto control = [](QChar c) {
        return (c.unicode() < 32 && c != QLatin1Char('\t')) ||
               (c.unicode() >= 0x7F && c.unicode() < 0xA0);
    };
    for (const QString &entry :
         TeamList::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        if (entry.isEmpty() || std::any_of(entry.begin(), entry.end(), control))
            std::abort();
    return 0;
}
