#include "pagecapture.h"

#include "linerecords.h"

#include "platform/browser.h"
#include "platform/dialogs.h"

#include <QFile>

void PageCapture::onProgress(Browser &browser, int progress, int progressMax, const QString &captureFile,
                             bool *latch, Reading reading)
{
    if ((latch && *latch) || !loadComplete(progress, progressMax))
        return;
    if (latch)
        *latch = true;
    if (!browser.hasDocument())
        return;
    QFile file(captureFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_dialogs.error(QStringLiteral("Cannot create file \"%1\". %2").arg(captureFile, file.errorString()));
        return;
    }
    file.close();
    browser.saveDocument(captureFile, [this, reading = std::move(reading)](bool ok) {
        if (!ok)
            m_dialogs.message(QStringLiteral("SaveAs HTML fail!"));
        runReading(reading);
    });
}

void PageCapture::runReading(const Reading &reading)
{
    try {
        reading();
    } catch (const FileError &error) {
        m_dialogs.error(error.message());
    }
}
