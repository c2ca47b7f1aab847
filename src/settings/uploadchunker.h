#pragma once

#include "settings/uploadentries.h"

#include <QString>

// The options upload: consecutive entries joined by "<BR>", at most 249
// characters a chunk, "&" removed, one page request per chunk.
class UploadChunker final
{
public:
    static constexpr int MaxChunk = 249;

    struct Chunk
    {
        QString text;
        bool first = false;
    };

    // A fresh upload from entry 1; whatever was pending is forgotten.
    void start(const UploadEntries &entries);
    // Entries remain to be sent. False before the first start.
    bool pending() const { return m_next >= 1 && m_next <= m_entries.size(); }
    // The next chunk; it always takes at least one entry.
    Chunk take();
    // Nothing more is sent until the next start.
    void stop() { m_next = 0; }

    int next() const { return m_next; }
    int count() const { return static_cast<int>(m_entries.size()); }

    // The chunk travels percent-encoded, so "#", "?", "%", "+", spaces and
    // letters outside ASCII reach the server as written instead of cutting
    // the address short or changing meaning.
    static QString requestAddress(const QString &serverBase, const QString &userId, const Chunk &chunk);

private:
    UploadEntries m_entries;
    int m_next = 0;
};
