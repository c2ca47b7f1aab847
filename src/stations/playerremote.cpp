#include "playerremote.h"

#include "favouritestep.h"

#include "platform/browser.h"

namespace {

// StationSource of a station page that reported its own name.
constexpr int PageNamedItself = 18;

} // namespace

PlayerRemote::PlayerRemote(Browser &Wb_Radio, NowPlaying &nowPlaying, Fields fields, PlayFavourite playFavourite,
    std::function<void()> raise, QObject *parent)
    : QObject(parent)
    , m_radio(Wb_Radio)
    , m_nowPlaying(nowPlaying)
    , m_fields(fields)
    , m_playFavourite(std::move(playFavourite))
    , m_raise(std::move(raise))
{
    connect(&m_radio, &Browser::audioChange, this, [this](bool playing) {
        // Sound again, whoever started it: the stop is over.
        if (playing)
            m_stopped = false;
        publish();
    });
    connect(&m_radio, &Browser::progressChange, this, [this](int progress, int progressMax) {
        noteFavourite();
        if (progress == progressMax)
            publish();
    });
    m_nowPlaying.setCommands(this);
    publish();
}

PlayerRemote::~PlayerRemote() { m_nowPlaying.setCommands(nullptr); }

void PlayerRemote::play()
{
    // Nothing in the player yet: the favourites are what the user chose to hear.
    if (!m_fields.StationStarted) {
        next();
        return;
    }
    m_stopped = false;
    m_radio.setAudioPaused(false);
    publish();
}

void PlayerRemote::pause()
{
    m_radio.setAudioPaused(true);
    publish();
}

void PlayerRemote::playPause()
{
    if (m_radio.audioPlaying())
        pause();
    else
        play();
}

void PlayerRemote::stop()
{
    m_stopped = true;
    m_radio.setAudioPaused(true);
    publish();
}

void PlayerRemote::next() { step(+1); }

void PlayerRemote::previous() { step(-1); }

void PlayerRemote::raise() { m_raise(); }

void PlayerRemote::step(int direction)
{
    const int slot = nextSlot(direction);
    if (slot == 0)
        return;
    m_stopped = false;
    m_favourite = slot;
    m_playFavourite(slot, m_fields.favourites[static_cast<std::size_t>(slot - 1)].id);
    publish();
}

// A favourite's page that names itself turns StationSource into "a page that
// named itself": the favourite is still the one playing. Any other source
// means the player left the favourites.
void PlayerRemote::noteFavourite()
{
    if (const int slot = favouriteSlotOf(m_fields.StationSource))
        m_favourite = slot;
    else if (m_fields.StationSource != PageNamedItself)
        m_favourite = 0;
}

// A step that would only play the same favourite again is no step.
int PlayerRemote::nextSlot(int direction) const
{
    const int slot = favouriteStep(m_fields.favourites, m_favourite, direction);
    return slot == m_favourite ? 0 : slot;
}

void PlayerRemote::publish()
{
    const bool sounding = m_radio.audioPlaying();
    NowPlaying::Status status = NowPlaying::Status::Paused;
    if (sounding)
        status = NowPlaying::Status::Playing;
    else if (m_stopped || !m_fields.StationStarted)
        status = NowPlaying::Status::Stopped;

    NowPlaying::Abilities abilities;
    abilities.pause = m_fields.StationStarted;
    abilities.next = nextSlot(+1) != 0;
    abilities.previous = nextSlot(-1) != 0;
    abilities.play = m_fields.StationStarted || abilities.next;
    m_nowPlaying.showStatus(status, abilities);
}
