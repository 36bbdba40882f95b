#pragma once

class QUrl;

// Opens a web address in the user's browser. A seam so tests can see what
// would have been opened without starting a browser.
class UrlOpener
{
public:
    virtual ~UrlOpener();
    // False when no browser could be started.
    virtual bool open(const QUrl &url);
};
