#pragma once

#include <QString>

// Opens a web address in the default browser or a folder in the file manager.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual bool open(const QString &addressOrFolder) = 0;
};
