// "OpzSVR.txt" saved by a child killed at random moments is always its old
// or its new version, byte for byte.
#include "support/killsaving.h"

#include "recording/recordersettingsfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(RecorderSettingsKill, TheFileIsAlwaysTheOldOrTheNewVersion)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const RecorderSettingsFile::Values older{1, 2, 3, 4, 5};
    const RecorderSettingsFile::Values newer{-1, 12345678, -1, 987654, 100};
    const QByteArray olderBytes = RecorderSettingsFile::compose(older);
    const QByteArray newerBytes = RecorderSettingsFile::compose(newer);
    RecorderSettingsFile::write(folder, older);

    std::mt19937 random(17);
    const int rounds = killRounds(20);
    for (int round = 0; round < rounds; ++round) {
        ASSERT_TRUE(killWhileSaving(
            [&] {
                for (;;) {
                    RecorderSettingsFile::write(folder, newer);
                    RecorderSettingsFile::write(folder, older);
                }
            },
            random, 5000));
        const QByteArray now = contentOf(RecorderSettingsFile::path(folder));
        ASSERT_TRUE(now == olderBytes || now == newerBytes)
            << "damaged after kill " << round + 1 << ": \"" << now.toStdString() << '"';
        // A kill inside a write leaves the unfinished new file beside the old one.
        for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            if (name != QLatin1String("OpzSVR.txt"))
                QFile::remove(folder + name);
    }
}

} // namespace
