#include "desktopshell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool DesktopShell::open(const QString &addressOrFolder)
{
    // A local folder or file becomes a file: URL; everything else is an address.
    const QUrl url = QFileInfo(addressOrFolder).isAbsolute() && QFileInfo::exists(addressOrFolder)
                         ? QUrl::fromLocalFile(addressOrFolder)
                         : QUrl::fromUserInput(addressOrFolder);
    return url.isValid() && QDesktopServices::openUrl(url);
}
