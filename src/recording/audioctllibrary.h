#pragma once

#include "audiorecordmodule.h"

#include <QLibrary>
#include <QStringList>

// The recording control's shared library, looked for in the program's private
// library folder and then in the build tree, and loaded on first use.
class AudioCtlLibrary final : public AudioRecordModule
{
public:
    static constexpr const char *FileName = "libsonvela_audioctl.so";

    // the private library folder beside the program's (installed, e.g.
    // `<program folder>/../lib/x86_64-linux-gnu/sonvela/`), then
    // `<program folder>/../lib/` (build tree).
    static QStringList defaultCandidates(const QString &programFolder);

    explicit AudioCtlLibrary(QStringList candidates);

    bool available() override;
    std::unique_ptr<AudioRecord> create() override;

    // The file that was loaded, or empty.
    QString loadedFile() const { return m_library.isLoaded() ? m_library.fileName() : QString(); }
    // Why the last load failed, for the installation panel.
    const QString &problem() const { return m_problem; }

private:
    bool load();

    QStringList m_candidates;
    QLibrary m_library;
    QString m_problem;
    QFunctionPointer m_entry = nullptr;
};
