#include "options/playlisttimer.h"

#include "options/playlistentries.h"
#include "options/playlisthost.h"
#include "options/typedtime.h"
#include "platform/wallclock.h"
#include "settings/settingslines.h"

PlaylistTimer::PlaylistTimer(const WallClock &clock, PlaylistHost &host, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_host(host)
{
    m_timer.setObjectName(QStringLiteral("TimerRadio"));
    m_timer.setInterval(Interval);
    connect(&m_timer, &QTimer::timeout, this, &PlaylistTimer::TimerRadioTimer);
}

void PlaylistTimer::setEnabled(bool enabled)
{
    // Restarting an active timer would move its phase; leave it running.
    if (enabled && !m_timer.isActive())
        m_timer.start();
    else if (!enabled)
        m_timer.stop();
}

void PlaylistTimer::TimerRadioTimer()
{
    if (!m_rows)
        return;
    const QTime now = m_clock.now();
    const QString key = TypedTime::clockKey(now.hour(), now.minute());
    for (const PlaylistRow &row : PlaylistEntries::due(m_rows(), key)) {
        m_host.setPlaylistStationName(row.stationName);
        m_host.playStationById(SettingsLines::toInteger(row.stationId, 0), PlaylistSource);
    }
}
