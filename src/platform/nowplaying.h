#pragma once

#include <QString>

// The desktop's player for the program: it shows which station is heard and
// whether it sounds, and passes the desktop's commands (media keys,
// now-playing widgets) back to the program.
class NowPlaying
{
public:
    enum class Status { Stopped, Playing, Paused };

    // What the desktop shows; an empty title shows nothing.
    struct Track
    {
        QString title;
        QString artist;
        bool operator==(const Track &) const = default;
    };

    // What the desktop may ask for at the moment.
    struct Abilities
    {
        bool play = false;
        bool pause = false;
        bool next = false;
        bool previous = false;
        bool operator==(const Abilities &) const = default;
    };

    // The program's side of the player.
    class Commands
    {
    public:
        virtual ~Commands() = default;
        virtual void play() = 0;
        virtual void pause() = 0;
        virtual void playPause() = 0;
        virtual void stop() = 0;
        virtual void next() = 0;
        virtual void previous() = 0;
        virtual void raise() = 0;
    };

    virtual ~NowPlaying() = default;
    // The player appears on the desktop once it has someone to obey.
    virtual void setCommands(Commands *commands) = 0;
    virtual void showTrack(const Track &track) = 0;
    virtual void showStatus(Status status, const Abilities &abilities) = 0;
};
