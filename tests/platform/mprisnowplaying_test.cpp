#include "platform/mprisnowplaying.h"
#include "platform/singleinstance.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int WaitMs = 10000;
const QString Credit = QStringLiteral("Sonvela by sonvela.test");
const QString Service = QLatin1String(MprisNowPlaying::ServiceName);
const QString Path = QLatin1String(MprisNowPlaying::ObjectPath);
const QString RootInterface = QStringLiteral("org.mpris.MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Counts PropertiesChanged signals of the player as a desktop widget sees them.
class ChangeWatcher final : public QObject
{
    Q_OBJECT

public:
    QList<QVariantMap> changes;

public Q_SLOTS:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &)
    {
        if (interface == PlayerInterface)
            changes.append(changed);
    }
};

// The program's side: what the desktop asked for, in order.
class CommandLog final : public NowPlaying::Commands
{
public:
    QStringList asked;
    void play() override { asked << QStringLiteral("play"); }
    void pause() override { asked << QStringLiteral("pause"); }
    void playPause() override { asked << QStringLiteral("playPause"); }
    void stop() override { asked << QStringLiteral("stop"); }
    void next() override { asked << QStringLiteral("next"); }
    void previous() override { asked << QStringLiteral("previous"); }
    void raise() override { asked << QStringLiteral("raise"); }
};

// A private session bus for the whole suite, so the tests never touch the
// desktop's own bus.
class PrivateBus : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        daemon = new QProcess;
        daemon->start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--session"), QStringLiteral("--print-address"), QStringLiteral("--nofork"),
                QStringLiteral("--nopidfile") });
        if (daemon->waitForStarted(WaitMs) && daemon->waitForReadyRead(WaitMs))
            address = QString::fromUtf8(daemon->readLine()).trimmed();
    }

    static void TearDownTestSuite()
    {
        daemon->kill();
        daemon->waitForFinished(WaitMs);
        delete daemon;
        daemon = nullptr;
    }

    void SetUp() override
    {
        ASSERT_FALSE(address.isEmpty()) << "dbus-daemon did not start";
        playerBus = connect(QStringLiteral("player"));
        observer = connect(QStringLiteral("observer"));
        ASSERT_TRUE(playerBus.isConnected());
        ASSERT_TRUE(observer.isConnected());
    }

    void TearDown() override
    {
        for (const QString &name : std::as_const(names))
            QDBusConnection::disconnectFromBus(name);
    }

    QDBusConnection connect(const QString &role)
    {
        const QString name = QStringLiteral("%1-%2").arg(role).arg(++counter);
        names.append(name);
        return QDBusConnection::connectToBus(address, name);
    }

    bool onBus(const QString &service) const { return observer.interface()->isServiceRegistered(service).value(); }

    QVariant property(const QString &interface, const QString &name, const QString &service = Service) const
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            service, Path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << interface << name;
        const QDBusMessage reply = observer.call(get, QDBus::BlockWithGui, WaitMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
    }

    QVariantMap metadata() const
    {
        return qdbus_cast<QVariantMap>(property(PlayerInterface, QStringLiteral("Metadata")));
    }

    QDBusMessage call(const QString &interface, const QString &method, const QString &service = Service) const
    {
        return observer.call(
            QDBusMessage::createMethodCall(service, Path, interface, method), QDBus::BlockWithGui, WaitMs);
    }

    static NowPlaying::Track station(const QString &name) { return { name, Credit }; }

    static inline QProcess *daemon = nullptr;
    static inline QString address;
    static inline int counter = 0;
    QStringList names;
    QDBusConnection playerBus { QString() };
    QDBusConnection observer { QString() };
};

TEST_F(PrivateBus, PlayerAppearsWithCommandsAndShowsStationStatusAndAbilities)
{
    MprisNowPlaying player(playerBus);
    player.showTrack(station(QStringLiteral("Early")));
    EXPECT_FALSE(onBus(Service)) << "no player before it can obey";
    CommandLog commands;
    player.setCommands(&commands);
    ASSERT_TRUE(onBus(Service));
    EXPECT_EQ(player.serviceName(), Service);

    player.showTrack(station(QStringLiteral("Radio Città")));
    player.showStatus(NowPlaying::Status::Paused, { true, true, true, false });
    const QVariantMap shown = metadata();
    EXPECT_EQ(shown.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Radio Città"));
    EXPECT_EQ(shown.value(QStringLiteral("xesam:artist")).toStringList(), QStringList { Credit });
    EXPECT_FALSE(qvariant_cast<QDBusObjectPath>(shown.value(QStringLiteral("mpris:trackid"))).path().isEmpty());
    EXPECT_EQ(property(PlayerInterface, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Paused"));

    EXPECT_EQ(property(RootInterface, QStringLiteral("Identity")).toString(), QStringLiteral("Sonvela"));
    EXPECT_EQ(property(RootInterface, QStringLiteral("DesktopEntry")).toString(), QStringLiteral("sonvela"));
    const std::pair<const char *, bool> flags[]
        = { { "CanRaise", true }, { "CanQuit", false }, { "HasTrackList", false } };
    for (const auto &[name, value] : flags)
        EXPECT_EQ(property(RootInterface, QString::fromLatin1(name)).toBool(), value) << name;
    const std::pair<const char *, bool> abilities[] = { { "CanControl", true }, { "CanPlay", true },
        { "CanPause", true }, { "CanGoNext", true }, { "CanGoPrevious", false }, { "CanSeek", false } };
    for (const auto &[name, value] : abilities)
        EXPECT_EQ(property(PlayerInterface, QString::fromLatin1(name)).toBool(), value) << name;
}

TEST_F(PrivateBus, EveryCommandReachesTheProgram)
{
    MprisNowPlaying player(playerBus);
    CommandLog commands;
    player.setCommands(&commands);
    for (const char *method : { "Play", "Pause", "PlayPause", "Stop", "Next", "Previous" })
        EXPECT_EQ(call(PlayerInterface, QString::fromLatin1(method)).type(), QDBusMessage::ReplyMessage) << method;
    EXPECT_EQ(call(RootInterface, QStringLiteral("Raise")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(commands.asked,
        (QStringList { QStringLiteral("play"), QStringLiteral("pause"), QStringLiteral("playPause"),
            QStringLiteral("stop"), QStringLiteral("next"), QStringLiteral("previous"), QStringLiteral("raise") }));

    // Once the program has let go, calls are still answered and reach nobody.
    player.setCommands(nullptr);
    EXPECT_EQ(call(PlayerInterface, QStringLiteral("Play")).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(property(PlayerInterface, QStringLiteral("CanControl")).toBool());
    EXPECT_EQ(commands.asked.size(), 7);
}

TEST_F(PrivateBus, ChangesAreSignalledOnceAndWithdrawalClears)
{
    MprisNowPlaying player(playerBus);
    CommandLog commands;
    player.setCommands(&commands);
    ChangeWatcher watcher;
    ASSERT_TRUE(observer.connect(Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"), &watcher, SLOT(propertiesChanged(QString, QVariantMap, QStringList))));

    player.showTrack(station(QStringLiteral("Radio Uno")));
    player.showTrack(station(QStringLiteral("Radio Uno"))); // the same page loaded again
    const QString firstTrack = qvariant_cast<QDBusObjectPath>(metadata().value(QStringLiteral("mpris:trackid"))).path();
    player.showStatus(NowPlaying::Status::Playing, { true, true, false, false });
    player.showStatus(NowPlaying::Status::Playing, { true, true, false, false });
    player.showTrack(station(QStringLiteral("Radio Due")));
    EXPECT_NE(qvariant_cast<QDBusObjectPath>(metadata().value(QStringLiteral("mpris:trackid"))).path(), firstTrack);
    player.showTrack({});
    EXPECT_TRUE(metadata().isEmpty());

    // Signals arrive in order: once the marker's is in, all earlier ones are.
    player.showStatus(NowPlaying::Status::Stopped, {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.changes.size() >= 5; }, WaitMs));
    ASSERT_EQ(watcher.changes.size(), 5) << "a repeated track or status says nothing";
    EXPECT_EQ(watcher.changes.at(1).value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
    EXPECT_TRUE(watcher.changes.at(1).value(QStringLiteral("CanPause")).toBool());
    EXPECT_FALSE(watcher.changes.at(1).contains(QStringLiteral("CanGoNext")));
    EXPECT_TRUE(qdbus_cast<QVariantMap>(watcher.changes.at(3).value(QStringLiteral("Metadata"))).isEmpty());
    EXPECT_EQ(watcher.changes.at(4).value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));
}

TEST_F(PrivateBus, SecondCopyTakesAnInstanceNameAndNamesGoWithThePlayers)
{
    CommandLog commands;
    QString second;
    {
        MprisNowPlaying first(playerBus);
        first.setCommands(&commands);
        {
            MprisNowPlaying other(connect(QStringLiteral("player")));
            other.setCommands(&commands);
            other.showTrack(station(QStringLiteral("Radio Due")));
            second = other.serviceName();
            ASSERT_TRUE(second.startsWith(Service + QStringLiteral(".instance")));
            EXPECT_EQ(qdbus_cast<QVariantMap>(property(PlayerInterface, QStringLiteral("Metadata"), second))
                          .value(QStringLiteral("xesam:title"))
                          .toString(),
                QStringLiteral("Radio Due"));
        }
        EXPECT_FALSE(onBus(second));
        EXPECT_TRUE(onBus(Service));
    }
    EXPECT_FALSE(onBus(Service));
}

TEST(MprisNowPlayingWithoutBus, ShowsNothingAndDoesNotFail)
{
    QDBusConnection none
        = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/sonvela-bus"), QStringLiteral("no-bus"));
    ASSERT_FALSE(none.isConnected());
    {
        CommandLog commands;
        MprisNowPlaying player(none);
        player.setCommands(&commands);
        player.showTrack({ QStringLiteral("Radio Uno"), Credit });
        player.showStatus(NowPlaying::Status::Playing, {});
        EXPECT_TRUE(player.serviceName().isEmpty());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

// Two copies started at once: the bus gives the name to one; the other raises it.
TEST_F(PrivateBus, OneOfTwoCopiesRunsAndTheOtherRaisesIt)
{
    SingleInstance first(playerBus), second(connect(QStringLiteral("second")));
    EXPECT_TRUE(first.claim());
    EXPECT_FALSE(second.claim());
    CommandLog log;
    MprisNowPlaying player(playerBus);
    player.setCommands(&log);
    EXPECT_TRUE(second.raiseRunningCopy(WaitMs));
    EXPECT_EQ(log.asked, QStringList{QStringLiteral("raise")});
}

} // namespace

#include "mprisnowplaying_test.moc"
