#include "audioctllibrary.h"

#include "audiorecord.h"

#include <QFileInfo>

QStringList AudioCtlLibrary::defaultCandidates(const QString &programFolder)
{
    const QString name = QLatin1String(FileName);
    return {programFolder + QStringLiteral("/../" SONVELA_PRIVATE_LIBDIR "/") + name,
            programFolder + QStringLiteral("/../lib/") + name};
}

AudioCtlLibrary::AudioCtlLibrary(QStringList candidates)
    : m_candidates(std::move(candidates))
{
}

bool AudioCtlLibrary::load()
{
    if (m_entry)
        return true;
    m_problem = QStringLiteral("%1 not found").arg(QLatin1String(FileName));
    for (const QString &candidate : m_candidates) {
        if (!QFileInfo::exists(candidate))
            continue;
        m_library.setFileName(QFileInfo(candidate).canonicalFilePath());
        if (!m_library.load()) {
            m_problem = m_library.errorString();
            continue;
        }
        m_entry = m_library.resolve(SONVELA_AUDIORECORD_ENTRY);
        if (m_entry)
            return true;
        m_problem = m_library.errorString();
        m_library.unload();
    }
    return false;
}

bool AudioCtlLibrary::available()
{
    return load();
}

std::unique_ptr<AudioRecord> AudioCtlLibrary::create()
{
    if (!load())
        return nullptr;
    return std::unique_ptr<AudioRecord>(reinterpret_cast<CreateAudioRecordFunction>(m_entry)());
}
