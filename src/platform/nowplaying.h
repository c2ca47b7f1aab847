#pragma once

#include <QByteArray>

// Tells the desktop which station is playing. The notice is the exact
// 256-byte buffer built by the messenger logic.
class NowPlaying
{
public:
    virtual ~NowPlaying() = default;
    virtual void deliver(const QByteArray &notice) = 0;
};
