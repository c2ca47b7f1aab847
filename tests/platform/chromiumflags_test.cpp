#include "platform/chromiumflags.h"

#include <gtest/gtest.h>

namespace {

const QStringList Ours { QStringLiteral("HardwareMediaKeyHandling"), QStringLiteral("MediaSessionService") };

// The engine keeps only the last --disable-features switch: a second one
// would silently switch the user's or the test's own choices back on.
TEST(ChromiumFlags, OneDisableSwitchCarriesTheirFeaturesAndOurs)
{
    struct Case
    {
        QByteArray given;
        QByteArray expected;
    };
    const Case cases[] = {
        { "", "--disable-features=HardwareMediaKeyHandling,MediaSessionService" },
        { "--no-sandbox  --disable-gpu ",
            "--no-sandbox --disable-gpu --disable-features=HardwareMediaKeyHandling,MediaSessionService" },
        { "--disable-features=Foo,Bar --no-sandbox",
            "--no-sandbox --disable-features=Foo,Bar,HardwareMediaKeyHandling,MediaSessionService" },
        { "--disable-features=Foo --disable-features=MediaSessionService,Baz",
            "--disable-features=Foo,MediaSessionService,Baz,HardwareMediaKeyHandling" },
        { "--disable-features= --enable-features=Qux",
            "--enable-features=Qux --disable-features=HardwareMediaKeyHandling,MediaSessionService" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(withFeaturesDisabled(c.given, Ours), c.expected) << c.given.constData();
    const QByteArray once = withFeaturesDisabled("--no-sandbox", Ours);
    EXPECT_EQ(withFeaturesDisabled(once, Ours), once) << "applying twice changes nothing";
}

// The user's or a test's own choice of process model stands; ours only fills
// the gap, once.
TEST(ChromiumFlags, ProcessModelIsAddedOnlyWhenNoneIsChosen)
{
    const QByteArray ours = "--process-per-site";
    EXPECT_EQ(withProcessModel("", ours), ours);
    EXPECT_EQ(withProcessModel(" --no-sandbox  --disable-gpu", ours), "--no-sandbox --disable-gpu --process-per-site");
    for (const QByteArray chosen : { "--single-process", "--process-per-tab", "--site-per-process",
                                     "--process-per-site", "--site-per-process=true" }) {
        const QByteArray flags = "--no-sandbox " + chosen;
        EXPECT_EQ(withProcessModel(flags, ours), flags) << chosen.constData();
    }
    EXPECT_EQ(withProcessModel("--process-per-site-x", ours), "--process-per-site-x --process-per-site");
    const QByteArray once = withProcessModel("--no-sandbox", ours);
    EXPECT_EQ(withProcessModel(once, ours), once);
}

TEST(ChromiumFlags, ASwitchIsAddedOnlyWhenNotGiven)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"", "--audio-buffer-size=2048"},
        {"--no-sandbox", "--no-sandbox --audio-buffer-size=2048"},
        {"--audio-buffer-size=512 --no-sandbox", "--audio-buffer-size=512 --no-sandbox"},
        {"--audio-buffer-size-x=1", "--audio-buffer-size-x=1 --audio-buffer-size=2048"},
    };
    for (const auto &[flags, expected] : cases)
        EXPECT_EQ(withSwitch(flags, "--audio-buffer-size", "2048"), expected) << flags.constData();
}

} // namespace
