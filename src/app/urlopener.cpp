#include "urlopener.h"

#include <QDesktopServices>
#include <QUrl>

UrlOpener::~UrlOpener() = default;

bool UrlOpener::open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
