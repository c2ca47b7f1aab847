#pragma once

#include "nowplaying.h"

#include <QDBusAbstractAdaptor>
#include <QStringList>

// org.mpris.MediaPlayer2 of the program's player: who plays, and a way to
// bring its window forward.
class MprisRootAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)

public:
    explicit MprisRootAdaptor(QObject *parent);

    bool canQuit() const { return false; }
    bool canRaise() const { return m_commands != nullptr; }
    bool hasTrackList() const { return false; }
    QString identity() const { return QStringLiteral("Sonvela"); }
    QString desktopEntry() const { return QStringLiteral("sonvela"); }
    QStringList supportedUriSchemes() const { return {}; }
    QStringList supportedMimeTypes() const { return {}; }

    void setCommands(NowPlaying::Commands *commands) { m_commands = commands; }

    Q_DISABLE_COPY_MOVE(MprisRootAdaptor)

public Q_SLOTS:
    void Raise();
    // Required by the interface; CanQuit says it does nothing.
    void Quit() { }

private:
    NowPlaying::Commands *m_commands = nullptr;
};
