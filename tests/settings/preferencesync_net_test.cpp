#include "settings/preferencesync.h"

#include "fakesettingshost.h"
#include "platform/exactsourcebrowser.h"
#include "sandbox.h"
#include "support/fakedialogs.h"
#include "support/loopbackserver.h"

#include <QNetworkAccessManager>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

// The sync against a real HTTP server on loopback, through the exact-source
// engine the hidden browsers use.
class PreferenceSyncNetTest : public SettingsSandbox
{
protected:
    void SetUp() override
    {
        SettingsSandbox::SetUp();
        host.base = server.url("");
        host.settings = settings;
        host.temp = temp;
        host.id = QStringLiteral("42");
        server.serve("/Radio/settaimpostazioni.asp", "<html><head><title>OK</title></head></html>");
    }

    LoopbackServer server;
    QNetworkAccessManager network;
    ExactSourceBrowser preferences { &network };
    ExactSourceBrowser upload { &network };
    FakeDialogs dialogs;
    FakeSettingsHost host;
    PreferenceSync sync { preferences, upload, dialogs, host };
};

TEST_F(PreferenceSyncNetTest, UploadedValuesArriveExactlyAsWritten)
{
    UploadEntries entries(53, QString());
    entries[0] = QStringLiteral("SI");
    entries[3] = QStringLiteral("Radio #1? 100% + Citt\u00e0 \u20ac");
    entries[5] = QString(190, QLatin1Char('x'));
    entries[6] = QStringLiteral("Rock & Roll");
    entries[52] = QStringLiteral("2");
    sync.startUpload(entries);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sync.upload().pending() && !upload.busy(); }, 20000));

    QStringList received;
    const auto requests = server.requests();
    ASSERT_GE(requests.size(), 2u);
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const QString target = QString::fromStdString(requests[i]);
        EXPECT_TRUE(target.startsWith(QStringLiteral("/Radio/settaimpostazioni.asp?idutente=42&primo=")));
        const QUrlQuery query(QUrl(host.base + target));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("primo")), i == 0 ? QStringLiteral("SI") : QStringLiteral("NO"));
        received += query.queryItemValue(QStringLiteral("valore"), QUrl::FullyDecoded).split(QStringLiteral("<BR>"));
    }
    entries[6] = QStringLiteral("Rock  Roll");
    EXPECT_EQ(received, entries);
}

TEST_F(PreferenceSyncNetTest, ServerCopyReplacesTheOptionsFile)
{
    put(QStringLiteral("OpzSV.txt"), "old\r\n");
    server.serve("/radio/Personalizzazioni.asp",
        "<html><head>\r\n<title>Personalizzazioni</title></head><body>\r\nNO<BR>SI<BR>12<BR>Citt\xc3\xa0\r\n"
        "</body></html>\r\n");
    sync.requestPreferences();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.loads > 0; }, 20000));
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("NO\r\nSI\r\n12\r\nCitt\xc3\xa0\r\n</body></html>\r\n"));
    EXPECT_EQ(server.requests().back(), std::string("/radio/Personalizzazioni.asp?IdUtente=42"));
}

} // namespace
