#pragma once

#include "settings/playlistrow.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

class WallClock;
class PlaylistHost;

// TimerRadio: once a minute, every playlist entry whose time key is the
// clock's hour and minute is played, in row order, so of several entries of
// one minute the last is left playing. It reads the live grid at each tick,
// unsaved rows included.
class PlaylistTimer final : public QObject
{
    Q_OBJECT
public:
    static constexpr int Interval = 60000;
    static constexpr int PlaylistSource = 20;
    using Rows = std::function<std::vector<PlaylistRow>()>;

    PlaylistTimer(const WallClock &clock, PlaylistHost &host, QObject *parent = nullptr);

    // The hidden grid of the options window, once that window exists.
    void setRows(Rows rows) { m_rows = std::move(rows); }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_timer.isActive(); }
    QTimer &TimerRadio() { return m_timer; }

public Q_SLOTS:
    void TimerRadioTimer();

private:
    const WallClock &m_clock;
    PlaylistHost &m_host;
    Rows m_rows;
    QTimer m_timer;
};
