#include "mprisplayeradaptor.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject *parent)
    : QDBusAbstractAdaptor(parent)
{
}

QVariantMap MprisPlayerAdaptor::showMetadata(const QVariantMap &metadata)
{
    if (metadata == m_metadata)
        return {};
    m_metadata = metadata;
    return { { QStringLiteral("Metadata"), m_metadata } };
}

QVariantMap MprisPlayerAdaptor::showStatus(const QString &status, const NowPlaying::Abilities &abilities)
{
    QVariantMap changed;
    if (status != m_status) {
        m_status = status;
        changed.insert(QStringLiteral("PlaybackStatus"), m_status);
    }
    const auto note = [&changed](const char *name, bool now, bool before) {
        if (now != before)
            changed.insert(QString::fromLatin1(name), now);
    };
    note("CanPlay", abilities.play, m_abilities.play);
    note("CanPause", abilities.pause, m_abilities.pause);
    note("CanGoNext", abilities.next, m_abilities.next);
    note("CanGoPrevious", abilities.previous, m_abilities.previous);
    m_abilities = abilities;
    return changed;
}

// The desktop may call whatever the Can* properties say; a command it was
// told is impossible is still passed on, and the program decides.
void MprisPlayerAdaptor::forward(void (NowPlaying::Commands::*command)())
{
    if (m_commands)
        (m_commands->*command)();
}

void MprisPlayerAdaptor::Next()
{
    forward(&NowPlaying::Commands::next);
}

void MprisPlayerAdaptor::Previous()
{
    forward(&NowPlaying::Commands::previous);
}

void MprisPlayerAdaptor::Pause()
{
    forward(&NowPlaying::Commands::pause);
}

void MprisPlayerAdaptor::PlayPause()
{
    forward(&NowPlaying::Commands::playPause);
}

void MprisPlayerAdaptor::Stop()
{
    forward(&NowPlaying::Commands::stop);
}

void MprisPlayerAdaptor::Play()
{
    forward(&NowPlaying::Commands::play);
}
