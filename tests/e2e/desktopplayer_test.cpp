// The installed program as the desktop sees it: the real client on its own
// session bus, steered by playerctl, a real MPRIS client, against a stand-in.
#include "recording/pulseserver.h"
#include "standinserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr int WaitMs = 45000;
const QString Player = QStringLiteral("sonvela");

QString buildPath(const char *relative)
{
    return QString::fromLocal8Bit(qgetenv("SONVELA_BUILD_DIR")) + QLatin1String(relative);
}

// Options with two favourites and the now-playing notice on; every other
// slot empty. The file's own format: one value per line, CR LF.
QByteArray optionsWithFavourites()
{
    QStringList lines { QStringLiteral("NO"), QStringLiteral("NO"), QStringLiteral("0"), QString() };
    const QStringList favourites[]
        = { { QStringLiteral("9"), QStringLiteral("Radio Ventidue"), QStringLiteral("Ventidue") },
              { QStringLiteral("10"), QStringLiteral("Mare Blu FM"), QStringLiteral("Mare Blu") } };
    for (int slot = 1; slot <= 15; ++slot) {
        if (slot == 6)
            lines << QStringLiteral("NO") << QStringLiteral("SI") << QStringLiteral("NO");
        lines << (slot <= 2 ? favourites[slot - 1] : QStringList { QStringLiteral("0"), QString(), QString() });
    }
    lines << QStringLiteral("1");
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

class DesktopPlayer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sandbox.isValid());
        startBus();
        ASSERT_FALSE(busAddress.isEmpty()) << "dbus-daemon did not start";
        startStandin();
        ASSERT_NE(standin, nullptr);
        writeSettings();

        client.setProcessEnvironment(environment());
        client.setProcessChannelMode(QProcess::ForwardedChannels);
        client.start(buildPath("/bin/sonvela"), {});
        ASSERT_TRUE(client.waitForStarted(WaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return playerctl({ QStringLiteral("-l") }).contains(Player); }, WaitMs))
            << "the player never appeared";
    }

    void TearDown() override
    {
        client.terminate();
        if (!client.waitForFinished(WaitMs))
            client.kill();
        bus.kill();
        bus.waitForFinished(WaitMs);
        if (standin)
            standin->stop();
    }

    virtual void configure(StandinConfig &) {}
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), sandbox.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), sandbox.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("TMPDIR"), sandbox.path());
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        return env;
    }

    void startBus()
    {
        bus.start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--session"), QStringLiteral("--print-address"), QStringLiteral("--nofork"),
                QStringLiteral("--nopidfile") });
        if (bus.waitForStarted(WaitMs) && bus.waitForReadyRead(WaitMs))
            busAddress = QString::fromUtf8(bus.readLine()).trimmed();
    }

    void startStandin()
    {
        std::random_device device;
        std::uniform_int_distribution<int> base(20000, 32000);
        std::string error;
        for (int attempt = 0; attempt < 40 && !standin; ++attempt) {
            StandinConfig config;
            config.basePort = base(device);
            configure(config);
            auto server = std::make_unique<StandinServer>(config);
            if (server->start(&error))
                standin = std::move(server);
        }
    }

    void writeSettings()
    {
        const QString folder = sandbox.path() + QStringLiteral("/config/Sonvela/");
        ASSERT_TRUE(QDir().mkpath(folder));
        const StandinConfig &c = standin->config();
        QByteArray ini = "[service]\n";
        for (int n = 1; n <= 6; ++n)
            ini += "mirror" + QByteArray::number(n) + " = 127.0.0.1:" + QByteArray::number(c.mirrorPort(n)) + "\n";
        ini += "[sites]\nproduct = 127.0.0.1:" + QByteArray::number(c.basePort + 9)
            + "\nmaker = 127.0.0.1:" + QByteArray::number(c.basePort + 10) + "\n";
        write(folder + QStringLiteral("deployment.ini"), ini);
        write(folder + QStringLiteral("OpzSV.txt"), optionsWithFavourites());
    }

    static void write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString playerctl(const QStringList &arguments) const
    {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.start(QStringLiteral("playerctl"), arguments);
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
        }
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    // Waits until playerctl reports `expected` for the player.
    bool reports(const QStringList &arguments, const QString &expected) const
    {
        QStringList withPlayer { QStringLiteral("-p"), Player };
        withPlayer << arguments;
        return QTest::qWaitFor([&] { return playerctl(withPlayer) == expected; }, WaitMs);
    }

    bool streams(int count) const
    {
        return QTest::qWaitFor([&] { return standin->activeStreams() == count; }, WaitMs);
    }

    QTemporaryDir sandbox;
    QProcess bus;
    QString busAddress;
    std::unique_ptr<StandinServer> standin;
    QProcess client;
};

TEST_F(DesktopPlayer, PlayerctlPlaysPausesAndStepsThroughTheFavourites)
{
    const QString status = QStringLiteral("status");
    const QStringList title { QStringLiteral("metadata"), QStringLiteral("title") };
    // Nothing in the player yet: Play starts the first favourite.
    playerctl({ QStringLiteral("-p"), Player, QStringLiteral("play") });
    ASSERT_TRUE(reports({ status }, QStringLiteral("Playing")));
    EXPECT_TRUE(reports(title, QStringLiteral("Radio Ventidue")));
    ASSERT_TRUE(streams(1));
    EXPECT_EQ(playerctl({ QStringLiteral("-l") }), Player) << "the web engine shows no player of its own";

    playerctl({ QStringLiteral("-p"), Player, QStringLiteral("play-pause") });
    EXPECT_TRUE(reports({ status }, QStringLiteral("Paused")));
    EXPECT_TRUE(streams(0)) << "a paused station lets its stream go";
    playerctl({ QStringLiteral("-p"), Player, QStringLiteral("play-pause") });
    EXPECT_TRUE(reports({ status }, QStringLiteral("Playing")));
    EXPECT_TRUE(streams(1));

    playerctl({ QStringLiteral("-p"), Player, QStringLiteral("next") });
    EXPECT_TRUE(reports(title, QStringLiteral("Mare Blu FM")));
    EXPECT_TRUE(reports({ status }, QStringLiteral("Playing")));
    EXPECT_TRUE(streams(1)) << "the first station's stream ended with its page";
}

TEST_F(DesktopPlayer, SecondStartRaisesTheFirstAndEnds)
{
    QProcess second;
    second.setProcessEnvironment(environment());
    second.start(buildPath("/bin/sonvela"), {});
    ASSERT_TRUE(second.waitForFinished(WaitMs));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));
    EXPECT_EQ(client.state(), QProcess::Running);
    EXPECT_EQ(playerctl({ QStringLiteral("-l") }), Player);
}

// The station's sound on a private PulseAudio's sink, through dropped streams.
class Reconnect : public DesktopPlayer
{
protected:
    static void SetUpTestSuite() { (s_pulse = std::make_unique<PulseServer>())->start(); }
    static void TearDownTestSuite() { s_pulse.reset(); }
    QString logFile() const { return sandbox.path() + QStringLiteral("/log"); }
    void configure(StandinConfig &config) override { config.logPath = logFile().toStdString(); }
    // Root mean square of the sink's last half second, -1 before one is heard.
    double level()
    {
        m_tail = (m_tail + m_parec.readAll()).right(8000);
        double sum = 0;
        for (qsizetype i = 0; i + 1 < m_tail.size(); i += 2)
            sum += std::pow(qint16(quint8(m_tail[i]) | quint8(m_tail[i + 1]) << 8), 2);
        return m_tail.size() < 8000 ? -1 : std::sqrt(sum / 4000);
    }
    bool hears(bool sound, int ms)
    {
        return QTest::qWaitFor([&] { return sound ? level() > 300 : level() >= 0 && level() < 50; }, ms);
    }
    void dropStreams(bool drop)
    {
        for (int m = 1; m <= 6; ++m) // the station may play from any mirror
            standin->setFault(m, drop ? FaultMode::DropStreams : FaultMode::None, nullptr);
    }
    qsizetype streamRequests() const
    {
        QFile log(logFile());
        return log.open(QIODevice::ReadOnly) ? log.readAll().count("\"path\":\"/stream/") : -1;
    }
    void send(const char *command) { playerctl({ QStringLiteral("-p"), Player, QLatin1String(command) }); }
    static inline std::unique_ptr<PulseServer> s_pulse;
    QProcess m_parec;
    QByteArray m_tail;
};

TEST_F(Reconnect, SoundReturnsByItselfAfterAnOutageButNotWhilePaused)
{
    ASSERT_TRUE(s_pulse->problem().isEmpty()) << s_pulse->problem().toStdString();
    m_parec.start(QStringLiteral("parec"), { QStringLiteral("-dspeakers.monitor"), QStringLiteral("--raw"),
        QStringLiteral("--format=s16le"), QStringLiteral("--rate=8000"), QStringLiteral("--channels=1") });
    send("play");
    ASSERT_TRUE(hears(true, WaitMs)) << "the station never sounded";
    // About 70 s, longer than the web engine's own retries last.
    dropStreams(true);
    EXPECT_TRUE(hears(false, 20000)) << "the dropped stream went on sounding";
    QTest::qWait(63000);
    dropStreams(false);
    EXPECT_TRUE(hears(true, 30000)) << "no sound after the outage";

    send("pause");
    EXPECT_TRUE(hears(false, 10000));
    const qsizetype before = streamRequests();
    dropStreams(true);
    QTest::qWait(20000);
    dropStreams(false);
    QTest::qWait(12000);
    EXPECT_EQ(streamRequests(), before) << "a stream was asked for while paused";
    EXPECT_TRUE(reports({ QStringLiteral("status") }, QStringLiteral("Paused")));
    send("play");
    EXPECT_TRUE(hears(true, 30000)) << "no sound after play";
    EXPECT_EQ(streamRequests(), before + 1) << "one new request, for the live stream";
}

} // namespace
