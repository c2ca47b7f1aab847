#pragma once

#include "platform/shell.h"

#include <functional>

class Dialogs;

// The desktop's shell, telling the user when nothing opened an address or a
// folder (no browser or file manager installed) instead of failing silently.
class ReportingShell final : public Shell
{
public:
    // `message` gives the current language's text, "%1" for what was opened.
    ReportingShell(Shell &desktop, Dialogs &dialogs, std::function<QString()> message);

    bool open(const QString &addressOrFolder) override;

private:
    Shell &m_desktop;
    Dialogs &m_dialogs;
    std::function<QString()> m_message;
};
