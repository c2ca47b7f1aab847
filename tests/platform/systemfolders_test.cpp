#include "platform/systemfolders.h"

#include <QFile>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

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

// Without HOME the folders go under the account's own home folder, never
// under the root folder.
TEST(SystemFolders, WithoutHomeTheAccountsHomeFolder)
{
    const passwd *account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    const SystemFolders f = SystemFolders::fromEnvironment(QProcessEnvironment());
    EXPECT_EQ(f.settingsFolder(), QFile::decodeName(account->pw_dir) + QStringLiteral("/.config/Sonvela/"));
    EXPECT_EQ(f.recordingRoot(), QFile::decodeName(account->pw_dir) + QStringLiteral("/Sonvela/"));
}

} // namespace
