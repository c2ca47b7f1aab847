#pragma once

#include "shell.h"

// Opens addresses and folders with the desktop's default handlers.
class DesktopShell final : public Shell
{
public:
    bool open(const QString &addressOrFolder) override;
};
