#include "platform/systemfolders.h"

#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

TEST(SystemFolders, FollowsXdgAndTmpdir)
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), QStringLiteral("/home/u"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/cfg"));
    env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/scratch"));
    const SystemFolders f = SystemFolders::fromEnvironment(env);
    EXPECT_EQ(f.settingsFolder(), QStringLiteral("/cfg/Sonvela/"));
    EXPECT_EQ(f.tempFolder(), QStringLiteral("/scratch/"));
    EXPECT_EQ(f.recordingFolder(), QStringLiteral("/home/u/Sonvela/RecordingFile"));
}

TEST(SystemFolders, DefaultsUnderHome)
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), QStringLiteral("/home/u"));
    const SystemFolders f = SystemFolders::fromEnvironment(env);
    EXPECT_EQ(f.settingsFolder(), QStringLiteral("/home/u/.config/Sonvela/"));
    EXPECT_EQ(f.tempFolder(), QStringLiteral("/tmp/"));
}

} // namespace
