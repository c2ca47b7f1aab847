#pragma once

#include "platform/nowplaying.h"
#include "settings/personalstations.h"

#include <QObject>

#include <functional>

class Browser;

// The desktop's player commands (media keys, now-playing widgets) acting on
// the station player: play and pause its page's sound, step through the
// favourites, bring the window forward. It tells the desktop what the page's
// sound really does and what may be asked next.
class PlayerRemote final : public QObject, public NowPlaying::Commands
{
public:
    struct Fields
    {
        const int &StationSource;
        const bool &StationStarted;
        const PersonalStations &favourites;
    };
    using PlayFavourite = std::function<void(int slot, int id)>;

    PlayerRemote(Browser &Wb_Radio, NowPlaying &nowPlaying, Fields fields, PlayFavourite playFavourite,
        std::function<void()> raise, QObject *parent = nullptr);
    ~PlayerRemote() override;

    void play() override;
    void pause() override;
    void playPause() override;
    void stop() override;
    void next() override;
    void previous() override;
    void raise() override;

    // Tells the desktop the status and abilities again; the program calls it
    // when the favourites change.
    void publish();

private:
    void step(int direction);
    void noteFavourite();
    int nextSlot(int direction) const;

    Browser &m_radio;
    NowPlaying &m_nowPlaying;
    Fields m_fields;
    PlayFavourite m_playFavourite;
    std::function<void()> m_raise;
    // Stop was asked for: silence then reads "Stopped", not "Paused".
    bool m_stopped = false;
    // The favourite slot in the player, 0 for another station.
    int m_favourite = 0;
};
