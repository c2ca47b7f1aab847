#include "messenger/nowplayingnotice.h"
#include "platform/mprisnowplaying.h"

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

// A private session bus for the whole suite, so the tests never touch the
// desktop's own bus.
class PrivateBus : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        daemon = new QProcess;
        daemon->start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--print-address"), QStringLiteral("--nofork"),
                       QStringLiteral("--nopidfile")});
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

    bool onBus(const QString &service) const
    {
        return observer.interface()->isServiceRegistered(service).value();
    }

    QVariant property(const QString &interface, const QString &name, const QString &service = Service) const
    {
        QDBusMessage get = QDBusMessage::createMethodCall(service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
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

    static QByteArray playing(const QString &name) { return NowPlayingNotice::buffer(true, name, Credit); }
    static QByteArray withdrawal() { return NowPlayingNotice::buffer(false, QString(), Credit); }

    static inline QProcess *daemon = nullptr;
    static inline QString address;
    static inline int counter = 0;
    QStringList names;
    QDBusConnection playerBus{QString()};
    QDBusConnection observer{QString()};
};

TEST_F(PrivateBus, PlayingStationIsShownWithTitleAndArtist)
{
    MprisNowPlaying player(playerBus);
    EXPECT_FALSE(onBus(Service)) << "the player appears with the first station";
    player.deliver(playing(QStringLiteral("Radio Città")));
    ASSERT_TRUE(onBus(Service));
    EXPECT_EQ(player.serviceName(), Service);

    EXPECT_EQ(property(PlayerInterface, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
    const QVariantMap shown = metadata();
    EXPECT_EQ(shown.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Radio Città"));
    EXPECT_EQ(shown.value(QStringLiteral("xesam:artist")).toStringList(), QStringList{Credit});
    EXPECT_FALSE(qvariant_cast<QDBusObjectPath>(shown.value(QStringLiteral("mpris:trackid"))).path().isEmpty());

    EXPECT_EQ(property(RootInterface, QStringLiteral("Identity")).toString(), QStringLiteral("Sonvela"));
    EXPECT_EQ(property(RootInterface, QStringLiteral("DesktopEntry")).toString(), QStringLiteral("sonvela"));
    for (const char *flag : {"CanQuit", "CanRaise", "HasTrackList"})
        EXPECT_FALSE(property(RootInterface, QString::fromLatin1(flag)).toBool()) << flag;
    for (const char *flag : {"CanPlay", "CanPause", "CanControl", "CanGoNext", "CanSeek"})
        EXPECT_FALSE(property(PlayerInterface, QString::fromLatin1(flag)).toBool()) << flag;

    // Control calls from a desktop widget are answered and change nothing.
    for (const char *method : {"Play", "Pause", "Stop", "Next"}) {
        const QDBusMessage reply = observer.call(
            QDBusMessage::createMethodCall(Service, Path, PlayerInterface, QString::fromLatin1(method)), QDBus::BlockWithGui,
            WaitMs);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << method;
    }
    EXPECT_EQ(property(PlayerInterface, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
}

TEST_F(PrivateBus, WithdrawalStopsAndClearsAndTellsTheDesktop)
{
    MprisNowPlaying player(playerBus);
    ChangeWatcher watcher;
    ASSERT_TRUE(observer.connect(Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                 QStringLiteral("PropertiesChanged"), &watcher,
                                 SLOT(propertiesChanged(QString, QVariantMap, QStringList))));

    player.deliver(playing(QStringLiteral("Radio Uno")));
    player.deliver(playing(QStringLiteral("Radio Uno"))); // the same page loaded again
    const QString firstTrack =
        qvariant_cast<QDBusObjectPath>(metadata().value(QStringLiteral("mpris:trackid"))).path();
    player.deliver(playing(QStringLiteral("Radio Due")));
    EXPECT_NE(qvariant_cast<QDBusObjectPath>(metadata().value(QStringLiteral("mpris:trackid"))).path(), firstTrack);
    player.deliver(withdrawal());

    EXPECT_EQ(property(PlayerInterface, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));
    EXPECT_TRUE(metadata().isEmpty());

    // Signals arrive in order: once the marker's is in, all earlier ones are.
    player.deliver(playing(QStringLiteral("Marker")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.changes.size() >= 4; }, WaitMs));
    ASSERT_EQ(watcher.changes.size(), 4) << "a repeated notice changes nothing and says nothing";
    EXPECT_EQ(watcher.changes.at(0).value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
    EXPECT_FALSE(watcher.changes.at(1).contains(QStringLiteral("PlaybackStatus")));
    EXPECT_EQ(watcher.changes.at(2).value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));
    EXPECT_TRUE(qdbus_cast<QVariantMap>(watcher.changes.at(2).value(QStringLiteral("Metadata"))).isEmpty());
}

TEST_F(PrivateBus, NothingAppearsForWithdrawalsOrForeignBytes)
{
    MprisNowPlaying player(playerBus);
    player.deliver(withdrawal());
    player.deliver(QByteArray(256, '\0'));
    player.deliver(QByteArray("garbage"));
    EXPECT_FALSE(onBus(Service));
    EXPECT_TRUE(player.serviceName().isEmpty());
}

TEST_F(PrivateBus, SecondCopyTakesAnInstanceNameAndNamesGoWithThePlayers)
{
    QString second;
    {
        MprisNowPlaying first(playerBus);
        first.deliver(playing(QStringLiteral("Radio Uno")));
        {
            MprisNowPlaying other(connect(QStringLiteral("player")));
            other.deliver(playing(QStringLiteral("Radio Due")));
            second = other.serviceName();
            ASSERT_TRUE(second.startsWith(Service + QStringLiteral(".instance")));
            EXPECT_EQ(property(PlayerInterface, QStringLiteral("Metadata"), second).isValid(), true);
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

TEST(MprisNowPlayingWithoutBus, DeliversNothingAndDoesNotFail)
{
    QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/sonvela-bus"),
                                                         QStringLiteral("no-bus"));
    ASSERT_FALSE(none.isConnected());
    {
        MprisNowPlaying player(none);
        player.deliver(NowPlayingNotice::buffer(true, QStringLiteral("Radio Uno"), Credit));
        player.deliver(NowPlayingNotice::buffer(false, QString(), Credit));
        EXPECT_TRUE(player.serviceName().isEmpty());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

} // namespace

#include "mprisnowplaying_test.moc"
