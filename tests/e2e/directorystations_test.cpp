// The real client against the service fed by the directory stand-in.
#include "clientfixture.h"

#include "directorystandin.h"
#include "platform/webenginebrowser.h"
#include "stations/clickablelabel.h"
#include "stations/stationpanels.h"
#include "stationimporter.h"
#include "web/tfrm_googlefinder.h"

#include <QTest>

#include <random>

namespace {

class DirectoryClientTest : public ClientTest
{
public:
    static void SetUpTestSuite()
    {
        s_directory = std::make_unique<DirectoryStandin>(DirectoryStandin::recordedAnswers(SONVELA_DIRECTORY_FIXTURES));
        s_logDir = std::make_unique<QTemporaryDir>();
        std::random_device device;
        std::uniform_int_distribution<int> base(20000, 32000);
        for (int attempt = 0; attempt < 40 && !s_server; ++attempt) {
            StandinConfig config;
            config.basePort = base(device);
            config.stations = {StationSource::Kind::Directory, s_directory->address()};
            // The directory's streams are this service's own, on mirror 1.
            s_directory->setStreamHost("127.0.0.1:" + std::to_string(config.mirrorPort(1)));
            if (auto server = std::make_unique<StandinServer>(config); server->start(nullptr))
                s_server = std::move(server);
        }
        ASSERT_NE(s_server, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([] { return s_server->importer().attempts() > 0; }, 30000));
        s_browsers = std::make_unique<PlatformFactory>();
    }
    static void TearDownTestSuite() { ClientTest::TearDownTestSuite(), s_directory.reset(); }
    static std::unique_ptr<DirectoryStandin> s_directory;
};

std::unique_ptr<DirectoryStandin> DirectoryClientTest::s_directory;

bool panelsFilled(StationPanels &panels)
{
    for (int slot = 1; slot <= 15; ++slot)
        if (panels.entry(1, slot)->isHidden() || panels.entry(3, slot)->isHidden())
            return false;
    return true;
}

TEST_F(DirectoryClientTest, PanelsShowTheDirectoryAndItsTopStationPlaysItsStream)
{
    startClient(1);
    StationPanels &panels = window->panels();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panelsFilled(panels); }, 60000));
    // The recorded directory's most clicked and newest playable stations.
    EXPECT_EQ(window->state().catalogue.MostClicked[15].Name, QStringLiteral("Radio Lanterna"));
    EXPECT_EQ(window->state().catalogue.NewStations[1].Name, QStringLiteral("Salsa Caliente"));

    QTest::mouseClick(panels.entry(1, 15), Qt::LeftButton);
    const QString audio = QStringLiteral("(function(){var a=document.querySelector('audio');"
                                         "return a ? (a.paused ? '' : a.currentSrc + ' ' + a.currentTime) : '';})()");
    const QString stream = QStringLiteral("http://127.0.0.1:%1/stream/1 ").arg(s_server->config().mirrorPort(1));
    QString state;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            state = evaluateInRadio(audio, ScriptWait::MayBeLate).toString();
            return state.startsWith(stream) && state.mid(stream.size()).toDouble() > 0;
        },
        60000))
        << state.toStdString();
    EXPECT_EQ(window->listeningArea().Wb_Radio->title(), QStringLiteral("RADIO:-Radio Lanterna"));
}

TEST_F(DirectoryClientTest, TheSearchStripFindsStationsByTagOneAtATime)
{
    startClient(1);
    TFrm_GoogleFinder strip(*s_browsers, [this] { return window->state().mirrors.serverBase(); }, true);
    strip.FormCreate();
    auto &page = dynamic_cast<WebEngineBrowser &>(strip.browser());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.busy() && page.title() == QStringLiteral("Cerca"); }, 30000));
    evaluateIn(page, QStringLiteral("document.querySelector('input[name=q]').value='reggae';"
                                  "document.querySelector('form').submit(); 1"));
    const QString hit = QStringLiteral("(function(){var a=document.querySelector('a.hit');"
                                       "return a ? a.textContent + '|' + document.body.scrollHeight : '';})()");
    QString found;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(found = evaluateIn(page, hit).toString()).isEmpty(); }, 30000));
    EXPECT_EQ(found.section(QLatin1Char('|'), 0, 0), QStringLiteral("Polar Beats"));
    EXPECT_LE(found.section(QLatin1Char('|'), 1).toInt(), 40) << "the result fits the strip";

    evaluateIn(page, QStringLiteral("document.querySelectorAll('a.step')[0].click(); 1"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return evaluateIn(page, hit).toString().startsWith(QStringLiteral("Salsa Caliente|")); }, 30000))
        << evaluateIn(page, hit).toString().toStdString();
}

} // namespace
