#pragma once

#include <QString>

#include <optional>

// Starting the client with the desktop session.
class Autostart
{
public:
    virtual ~Autostart() = default;
    // Registers "Sonvela" to start the given executable. Both return what
    // went wrong, in words for the user, or nothing on success; removing an
    // entry that does not exist succeeds.
    virtual std::optional<QString> set(const QString &executablePath) = 0;
    virtual std::optional<QString> remove() = 0;
    virtual bool isSet() const = 0;
};
