#include "clientfixture.h"

#include "app/trayicon.h"
#include "options/playlisttimer.h"
#include "options/tfrm_gestioneopzioni.h"
#include "options/tfrm_radiopersonale.h"
#include "options/tfrm_radioprogrammata.h"
#include "platform/browser.h"
#include "platform/wallclock.h"
#include "platform/webenginebrowser.h"
#include "service/pagecapture.h"
#include "service/servicerequests.h"
#include "settings/preferencesync.h"
#include "stations/clickablelabel.h"
#include "stations/stationpanels.h"

#include <httplib.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

namespace {

constexpr int ProvaUserId = 1002;
constexpr int PickedId = 5;

// Runs each step once its condition holds, polling from the event loop, so
// that steps reach into modal windows opened by earlier ones.
class Script final
{
public:
    struct Step
    {
        std::function<bool()> ready;
        std::function<void()> act;
    };

    explicit Script(std::deque<Step> steps) : m_steps(std::move(steps))
    {
        m_poll.setInterval(100);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start();
    }
    bool finished() const { return m_steps.empty(); }
    std::size_t remaining() const { return m_steps.size(); }

private:
    void poll()
    {
        if (m_steps.empty() || !m_steps.front().ready())
            return;
        // Deferred: an act that opens a modal window must not block the poll.
        QTimer::singleShot(0, m_steps.front().act);
        m_steps.pop_front();
    }

    std::deque<Step> m_steps;
    QTimer m_poll;
};

std::string percentEncoded(const std::string &text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.')
            out += static_cast<char>(c);
        else
            out += { '%', hex[c >> 4], hex[c & 15] };
    }
    return out;
}

class FixedClock final : public WallClock
{
public:
    QTime time;
    QTime now() const override { return time; }
};

// The client with the options window and its two selection windows, as the
// program creates them.
class OptionsClientTest : public ClientTest
{
protected:
    void startWithUser()
    {
        QDir().mkpath(sandbox.path() + QStringLiteral("/config/Sonvela"));
        QFile account(sandbox.path() + QStringLiteral("/config/Sonvela/UsrSV.txt"));
        ASSERT_TRUE(account.open(QIODevice::WriteOnly));
        account.write(QByteArray("prova@sonvela.local\r\nprova-2026\r\n") + QByteArray::number(ProvaUserId) + "\r\n");
        account.close();
        serverOptions = serverValues();
        startClient(1, &clock);
        options = std::make_unique<TFrm_GestioneOpzioni>(window->state().options, settings(), dialogs, window.get());
        const SelectionWindow::Setup setup{
            *s_browsers, capture,
            [this] { return ServiceRequests::selectionPage(window->state().mirrors.serverBase()); },
            deployment().selectionTitle, sandbox.path() + QStringLiteral("/tmp/")};
        programmed = std::make_unique<TFrm_RadioProgrammata>(setup, window.get());
        personal = std::make_unique<TFrm_RadioPersonale>(setup, window.get());
        options->setSelectionWindows(personal.get(), programmed.get());
        window->setSettingsWindows(options.get(), nullptr);
        // The user's options arrive from the server before anything is edited.
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->preferenceSync().preferencesLatch(); }, 30000));
    }
    void TearDown() override
    {
        personal.reset();
        programmed.reset();
        options.reset();
        ClientTest::TearDown();
        // The next test finds the user's options as the stand-in made them.
        mirrorGet("/Radio/settaimpostazioni.asp?idutente=" + std::to_string(ProvaUserId)
                  + "&primo=SI&valore=" + percentEncoded(serverOptions));
    }
    static std::string mirrorGet(const std::string &path)
    {
        httplib::Client client(s_server->config().host, s_server->config().mirrorPort(1));
        const auto result = client.Get(path);
        return result ? result->body : std::string();
    }
    // The user's options on the server, joined by "<BR>" as its page shows them.
    static std::string serverValues()
    {
        const std::string page = mirrorGet("/radio/Personalizzazioni.asp?IdUtente=" + std::to_string(ProvaUserId));
        const std::size_t start = page.find("<body>\r\n");
        const std::size_t end = page.find("\r\n</body>");
        if (start == std::string::npos || end == std::string::npos || end < start)
            return std::string();
        return page.substr(start + 8, end - start - 8);
    }
    QString settings() const { return sandbox.path() + QStringLiteral("/config/Sonvela/"); }
    QByteArrayList optionLines() const
    {
        QFile file(settings() + QStringLiteral("OpzSV.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QByteArrayList();
    }

    FixedClock clock;
    PageCapture capture { dialogs };
    std::string serverOptions;
    std::unique_ptr<TFrm_GestioneOpzioni> options;
    std::unique_ptr<TFrm_RadioProgrammata> programmed;
    std::unique_ptr<TFrm_RadioPersonale> personal;
};

TEST_F(OptionsClientTest, StationPickedOnTheSelectionPageReachesPanelFileAndServer)
{
    startWithUser();
    auto *cambia3 = options->findChild<QPushButton *>(QStringLiteral("BitBtn5"));
    auto *radio3 = options->findChild<QLabel *>(QStringLiteral("Lbl_Radio3"));
    const QString selectionTitle = deployment().selectionTitle;

    Script script({
        { [&] { return options->isVisible(); }, [&] { QTest::mouseClick(cambia3, Qt::LeftButton); } },
        // The list of stations, as a person sees it: click one.
        { [&] { return personal->isVisible() && !personal->browser().busy() && personal->lastTitle() == QStringLiteral("Scegli la tua radio"); },
          [&] {
              dynamic_cast<WebEngineBrowser &>(personal->browser())
                  .runJavaScript(QStringLiteral("document.querySelector('a[href$=\"?Id=%1\"]').click()").arg(PickedId),
                                 [](const QVariant &) {});
          } },
        { [&] { return personal->lastTitle() == selectionTitle; }, [&] { QTest::mouseClick(personal->BitBtn2, Qt::LeftButton); } },
        { [&] { return !personal->isVisible() && !radio3->text().isEmpty(); },
          [&] { QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton); } },
    });
    QTimer::singleShot(60000, options.get(), [&] {
        ADD_FAILURE() << "stuck with " << script.remaining() << " steps left; personal shown " << personal->isVisible()
                      << " title " << personal->lastTitle().toStdString() << " busy " << personal->browser().busy()
                      << " radio3 '" << radio3->text().toStdString() << "' messages "
                      << dialogs.messages.join(QLatin1Char('|')).toStdString();
        personal->reject();
        options->reject();
    });
    window->editOptions(1);
    ASSERT_TRUE(script.finished());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(QLatin1Char('|')).toStdString();

    // The capture of the page the user saved on names the station.
    QFile picked(personal->capturePath());
    ASSERT_TRUE(picked.open(QIODevice::ReadOnly));
    const QByteArrayList page = picked.readAll().split('\n');
    ASSERT_GE(page.size(), 43);
    const QByteArray name = page[40].chopped(1);
    const QByteArray label = page[42].chopped(1);
    EXPECT_EQ(radio3->text().toUtf8(), name);

    // Slot 3 in the file, compacted to the top of the panel.
    const QByteArrayList lines = optionLines();
    ASSERT_GE(lines.size(), 13);
    EXPECT_EQ(lines[10], QByteArray::number(PickedId) + "\r");
    EXPECT_EQ(lines[11], name + "\r");
    ClickableLabel *top = window->panels().entry(2, 1);
    EXPECT_FALSE(top->isHidden());
    EXPECT_EQ(top->text().toUtf8(), label);
    EXPECT_EQ(window->state().options.personalStations[0].id, PickedId);

    // The upload reaches the server's copy of the user's options.
    const std::string slot3 = "<BR>" + std::to_string(PickedId) + "<BR>" + name.toStdString() + "<BR>" + label.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return serverValues().find(slot3) != std::string::npos; }, 30000))
        << serverValues();
}

} // namespace
