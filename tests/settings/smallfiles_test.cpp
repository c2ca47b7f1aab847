#include "settings/accountfile.h"
#include "settings/newsfile.h"
#include "settings/playlistfile.h"
#include "settings/proxyfile.h"

#include "platform/proxysession.h"
#include "sandbox.h"
#include "settings/settingslines.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<PlaylistRow>;

const PlaylistRow Morning { QStringLiteral("09.30.00"), QStringLiteral("0930"), QStringLiteral("12"),
    QStringLiteral("Radio Uno"), QStringLiteral("R1") };
const PlaylistRow Evening { QStringLiteral("21.05.00"), QStringLiteral("2105"), QStringLiteral("7"),
    QStringLiteral("Radio Sette"), QStringLiteral("R7") };

TEST(PlaylistFile, RecordsOfFiveLinesInGridOrder)
{
    EXPECT_EQ(PlaylistFile::compose({ Morning, Evening }),
        crlf({ "09.30.00", "0930", "12", "Radio Uno", "R1", "21.05.00", "2105", "7", "Radio Sette", "R7" }));
    EXPECT_EQ(
        PlaylistFile::parse(SettingsLines(PlaylistFile::compose({ Morning, Evening }))), (Rows { Morning, Evening }));
}

TEST(PlaylistFile, LastRowWithoutOraWritesNothingAtAll)
{
    EXPECT_TRUE(PlaylistFile::compose({ Morning, PlaylistRow {} }).isEmpty());
    PlaylistRow noTime = Evening;
    noTime.time.clear();
    EXPECT_TRUE(PlaylistFile::compose({ Morning, noTime }).isEmpty());
    EXPECT_TRUE(PlaylistFile::compose({ PlaylistRow {} }).isEmpty());
}

TEST(PlaylistFile, EmptyFileIsOneBlankRow) { EXPECT_EQ(PlaylistFile::parse(SettingsLines(QByteArray())), Rows(1)); }

TEST(PlaylistFile, RecordWithEmptyOraIsOverwrittenByTheNext)
{
    const QByteArray bytes = crlf({ "", "0800", "3", "Lost", "L", "09.30.00", "0930", "12", "Radio Uno", "R1" });
    EXPECT_EQ(PlaylistFile::parse(SettingsLines(bytes)), (Rows { Morning }));
}

TEST(PlaylistFile, TruncatedRecordFillsWhatItHas)
{
    const Rows rows
        = PlaylistFile::parse(SettingsLines(crlf({ "09.30.00", "0930", "12", "Radio Uno", "R1", "21.05.00", "2105" })));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].key, QStringLiteral("2105"));
    EXPECT_TRUE(rows[1].stationId.isEmpty());
}

TEST(ProxyFile, ThreeLinesRoundTripAndMissingThirdLineMeansNoBrowserDefaults)
{
    const ProxySettings set { QStringLiteral("10.0.0.1"), QStringLiteral("8080"), true };
    EXPECT_EQ(ProxyFile::compose(set), crlf({ "10.0.0.1", "8080", "SI" }));
    EXPECT_EQ(ProxyFile::parse(SettingsLines(ProxyFile::compose(set))), set);
    EXPECT_EQ(ProxyFile::parse(SettingsLines(crlf({ "10.0.0.1", "8080" }))),
        (ProxySettings { QStringLiteral("10.0.0.1"), QStringLiteral("8080"), false }));
    EXPECT_EQ(ProxyFile::parse(SettingsLines(crlf({ "", "", "si" }))), (ProxySettings { QString(), QString(), false }));
    EXPECT_EQ(ProxyFile::compose({ QString(), QString(), false }), crlf({ "", "", "NO" }));
}

class RecordingSession final : public ProxySession
{
public:
    struct Call
    {
        Access access;
        QStringList proxies;
        QStringList bypass;
    };
    std::vector<Call> calls;
    bool apply(Access access, const QStringList &proxies, const QStringList &bypass) override
    {
        calls.push_back({ access, proxies, bypass });
        return true;
    }
};

struct ProxyCase
{
    const char *address;
    const char *port;
    bool defaults;
    bool applied;
    ProxySession::Access access;
    const char *proxy;
};

class ProxyAtStartup : public ::testing::TestWithParam<ProxyCase>
{
};

TEST_P(ProxyAtStartup, AppliesWithProxyExactlyWhenAddressAndPortAreSet)
{
    const ProxyCase &c = GetParam();
    RecordingSession session;
    const ProxySettings set { QString::fromLatin1(c.address), QString::fromLatin1(c.port), c.defaults };
    EXPECT_EQ(ProxyFile::applyAtStartup(set, session), c.applied);
    ASSERT_EQ(session.calls.size(), c.applied ? 1u : 0u);
    if (!c.applied)
        return;
    EXPECT_EQ(session.calls[0].access, c.access);
    EXPECT_EQ(session.calls[0].proxies, *c.proxy ? QStringList { QString::fromLatin1(c.proxy) } : QStringList());
    EXPECT_TRUE(session.calls[0].bypass.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, ProxyAtStartup,
    ::testing::Values(ProxyCase { "10.0.0.1", "8080", true, true, ProxySession::Access::Proxy, "10.0.0.1:8080" },
        ProxyCase { "10.0.0.1", "8080", false, true, ProxySession::Access::Proxy, "10.0.0.1:8080" },
        ProxyCase { "", "", false, true, ProxySession::Access::Direct, "" },
        ProxyCase { "10.0.0.1", "", false, true, ProxySession::Access::Direct, "" },
        ProxyCase { "10.0.0.1", "", true, false, ProxySession::Access::Direct, "" },
        ProxyCase { "", "", true, false, ProxySession::Access::Direct, "" }));

TEST(AccountFile, ThreeLinesAndAnEmptyFileIsAStoredUserWithEmptyValues)
{
    const UserAccount user { QStringLiteral("ada@example.org"), QStringLiteral("p&ss#1 +"), QStringLiteral("42") };
    EXPECT_EQ(AccountFile::compose(user), crlf({ "ada@example.org", "p&ss#1 +", "42" }));
    EXPECT_EQ(AccountFile::parse(SettingsLines(AccountFile::compose(user))), user);
    EXPECT_EQ(AccountFile::parse(SettingsLines(QByteArray())), UserAccount());
    EXPECT_EQ(AccountFile::parse(SettingsLines(crlf({ "ada@example.org" }))),
        (UserAccount { QStringLiteral("ada@example.org"), QString(), QString() }));
}

TEST(NewsFile, CategoryStaysTextAndDelayDefaultsToThirty)
{
    EXPECT_EQ(NewsFile::compose({ QStringLiteral("4"), 45 }), crlf({ "4", "45" }));
    EXPECT_EQ(NewsFile::parse(SettingsLines(crlf({ "4", "45" }))), (NewsChoice { QStringLiteral("4"), 45 }));
    EXPECT_EQ(NewsFile::parse(SettingsLines(crlf({ "7" }))), (NewsChoice { QStringLiteral("7"), 30 }));
    EXPECT_EQ(NewsFile::parse(SettingsLines(crlf({ "abc", "x" }))), (NewsChoice { QStringLiteral("abc"), 30 }));
    EXPECT_EQ(NewsFile::parse(SettingsLines(QByteArray())), NewsChoice());
    // Only 1 to 15 name a category that exists.
    EXPECT_EQ((NewsChoice { QStringLiteral("abc"), 30 }).categoryNumber(), 0);
    EXPECT_EQ((NewsChoice { QStringLiteral("16"), 30 }).categoryNumber(), 0);
    EXPECT_EQ((NewsChoice { QStringLiteral("-1"), 30 }).categoryNumber(), 0);
    EXPECT_EQ((NewsChoice { QStringLiteral("15"), 30 }).categoryNumber(), 15);
}

class SmallFilesOnDisk : public SettingsSandbox
{
};

TEST_F(SmallFilesOnDisk, AbsentFilesGiveTheStartValues)
{
    EXPECT_FALSE(AccountFile::read(settings).has_value());
    EXPECT_EQ(ProxyFile::read(settings), ProxySettings());
    EXPECT_EQ(NewsFile::read(settings), NewsChoice());
    EXPECT_FALSE(has(QStringLiteral("UsrSV.txt")));
}

TEST_F(SmallFilesOnDisk, LoadPlaylistCreatesAnEmptyFileWhenAbsent)
{
    EXPECT_EQ(PlaylistFile::read(settings), Rows(1));
    EXPECT_EQ(get(QStringLiteral("Progrvlm.txt")), QByteArray());
    PlaylistFile::write(settings, { Morning, Evening });
    EXPECT_EQ(PlaylistFile::read(settings), (Rows { Morning, Evening }));
}

TEST_F(SmallFilesOnDisk, EmptyAccountFileIsPresent)
{
    put(QStringLiteral("UsrSV.txt"), QByteArray());
    EXPECT_EQ(AccountFile::read(settings), std::optional<UserAccount>(UserAccount()));
}

// The account file holds a password in plain text.
TEST_F(SmallFilesOnDisk, AccountFileIsOwnerOnlyEvenWhenItWasOpenBefore)
{
    const UserAccount user { QStringLiteral("ada@example.org"), QStringLiteral("secret"), QStringLiteral("42") };
    AccountFile::write(settings, user);
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFileInfo(settings + QStringLiteral("UsrSV.txt")).permissions() & (ownerOnly | others),
        QFileDevice::Permissions(ownerOnly));
    ASSERT_TRUE(QFile::setPermissions(settings + QStringLiteral("UsrSV.txt"), ownerOnly | QFile::ReadOther));
    AccountFile::write(settings, user);
    EXPECT_EQ(QFileInfo(settings + QStringLiteral("UsrSV.txt")).permissions() & others, QFileDevice::Permissions());
    EXPECT_EQ(AccountFile::read(settings), std::optional<UserAccount>(user));
}

TEST_F(SmallFilesOnDisk, ProxyAndNewsRoundTripThroughTheFolder)
{
    ProxyFile::write(settings, { QStringLiteral("proxy.lan"), QStringLiteral("3128"), false });
    EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({ "proxy.lan", "3128", "NO" }));
    EXPECT_EQ(
        ProxyFile::read(settings), (ProxySettings { QStringLiteral("proxy.lan"), QStringLiteral("3128"), false }));
    NewsFile::write(settings, { QStringLiteral("3"), 20 });
    EXPECT_EQ(NewsFile::read(settings), (NewsChoice { QStringLiteral("3"), 20 }));
}

} // namespace
