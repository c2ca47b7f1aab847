#pragma once

#include <QString>

#include <functional>

class Browser;
class Dialogs;

// Turns a finished page load into data: on the first complete load after a
// request (the latch), the browser's document is saved into the capture file
// and the site's reading runs on it. File errors end the capture with an
// error report; the latch stays set, so a request yields at most one answer.
class PageCapture
{
public:
    using Reading = std::function<void()>;

    explicit PageCapture(Dialogs &dialogs) : m_dialogs(dialogs) {}

    static bool loadComplete(int progress, int progressMax) { return progress == progressMax; }

    // One progress event of `browser`. `latch` may be null for sites without one.
    void onProgress(Browser &browser, int progress, int progressMax, const QString &captureFile, bool *latch,
                    Reading reading);

private:
    void runReading(const Reading &reading);

    Dialogs &m_dialogs;
};
