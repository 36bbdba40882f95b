#include "urlopener.h"

#include <QDesktopServices>
#include <QUrl>

UrlOpener::~UrlOpener() = default;

void UrlOpener::open(const QUrl &url)
{
    // A failure (no browser) is deliberately not reported.
    QDesktopServices::openUrl(url);
}
