#pragma once

#include <QString>

// Starting the client with the desktop session.
class Autostart
{
public:
    virtual ~Autostart() = default;
    // Registers "Sonvela" to start the given executable; false on failure.
    virtual bool set(const QString &executablePath) = 0;
    virtual bool remove() = 0;
    virtual bool isSet() const = 0;
};
