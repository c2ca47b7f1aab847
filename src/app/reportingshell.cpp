#include "reportingshell.h"

#include "platform/dialogs.h"

ReportingShell::ReportingShell(Shell &desktop, Dialogs &dialogs, std::function<QString()> message)
    : m_desktop(desktop)
    , m_dialogs(dialogs)
    , m_message(std::move(message))
{
}

bool ReportingShell::open(const QString &addressOrFolder)
{
    const bool opened = m_desktop.open(addressOrFolder);
    if (!opened)
        m_dialogs.message(m_message().arg(addressOrFolder));
    return opened;
}
