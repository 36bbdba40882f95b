#include "durable.h"

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

bool Durable::sync(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
