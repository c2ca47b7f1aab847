#include "settings/uploadchunker.h"

#include "settings/accountrequests.h"
#include "settings/optionsfile.h"

namespace {

const QString Separator = QStringLiteral("<BR>");

} // namespace

void UploadChunker::start(const UploadEntries &entries)
{
    // Entries never exceed 200 characters, so every chunk can take one.
    m_entries = OptionsFile::uploadEntries(entries);
    m_next = 1;
}

UploadChunker::Chunk UploadChunker::take()
{
    Chunk chunk;
    chunk.first = m_next == 1;
    int taken = 0;
    while (m_next + taken <= count()) {
        const QString &entry = m_entries.at(m_next + taken - 1);
        if (chunk.text.size() + Separator.size() + entry.size() > MaxChunk)
            break;
        if (taken > 0)
            chunk.text += Separator;
        chunk.text += entry;
        ++taken;
    }
    m_next += taken;
    chunk.text.remove(QLatin1Char('&'));
    return chunk;
}

QString UploadChunker::requestAddress(const QString &serverBase, const QString &userId, const Chunk &chunk)
{
    return serverBase + QStringLiteral("/Radio/settaimpostazioni.asp?idutente=") + AccountRequests::encode(userId)
        + (chunk.first ? QStringLiteral("&primo=SI&valore=") : QStringLiteral("&primo=NO&valore="))
        + AccountRequests::encode(chunk.text);
}
