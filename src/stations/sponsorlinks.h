#pragma once

#include <QObject>

#include <functional>

class Dialogs;
class MirrorPool;
class Shell;
class StationPlayer;
struct Deployment;
struct ListeningArea;

// The side sponsor box, the HOT video section, the personal web address and
// the outside links opened in the default browser.
class SponsorLinks final : public QObject
{
    Q_OBJECT
public:
    struct Fields
    {
        int &StationSource;
        bool &HotVideoMode;
    };
    using TextFor = std::function<QString(int)>;

    SponsorLinks(const ListeningArea &area, MirrorPool &mirrors, Fields fields, StationPlayer &player,
                 Dialogs &dialogs, Shell &shell, const Deployment &deployment, TextFor text,
                 std::function<void(const QString &)> setWindowCaption, QObject *parent = nullptr);

    void hotVideo();
    void personalWebAddress();

    enum class Link { Maker, Product, Partner1, Partner2, WindowsMediaPlayer, RealPlayer, Advertising, Forum };
    void openLink(Link link);
    QString linkAddress(Link link) const;

public Q_SLOTS:
    void WB_SponsorAggiuntiviTitleChange(const QString &title);

private:
    void focusRadio();

    const ListeningArea &m_area;
    MirrorPool &m_mirrors;
    Fields m_fields;
    StationPlayer &m_player;
    Dialogs &m_dialogs;
    Shell &m_shell;
    const Deployment &m_deployment;
    TextFor m_text;
    std::function<void(const QString &)> m_setWindowCaption;
};
