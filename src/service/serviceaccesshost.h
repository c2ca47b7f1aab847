#pragma once

#include <QString>

// What the title protocols ask of the main window.
class ServiceAccessHost
{
public:
    virtual ~ServiceAccessHost() = default;

    virtual void lightIndicator(int mirror) = 0;
    virtual void dimIndicator(int mirror) = 0;
    // Clears the preferences latch and requests the user's preferences.
    virtual void requestPreferences() = 0;
    // Empties the catalogue, clears its latch and requests it again.
    virtual void requestCatalogue() = 0;
    // Whether the last catalogue request was answered without stations and
    // none with stations has been read in this run.
    virtual bool catalogueMissing() const = 0;
    virtual void processPendingEvents() = 0;
    virtual void sendNowPlaying(bool playing, bool force) = 0;
    // The station name the hints show for the current StationSource.
    virtual QString hintStationName() const = 0;
    // The tray and window hints (and, in compact mode, the caption).
    virtual void setNowPlayingHint(const QString &hint) = 0;
    virtual void setLoadingLine(const QString &caption, bool shown) = 0;
};
