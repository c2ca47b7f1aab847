#include "settings/preferencesync.h"

#include "capturebrowser.h"
#include "fakesettingshost.h"
#include "sandbox.h"
#include "support/fakedialogs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

class PreferenceSyncTest : public SettingsSandbox
{
protected:
    void SetUp() override
    {
        SettingsSandbox::SetUp();
        host.settings = settings;
        host.temp = temp;
        host.id = QStringLiteral("42");
    }

    CaptureBrowser preferences;
    CaptureBrowser upload;
    FakeDialogs dialogs;
    FakeSettingsHost host;
    PreferenceSync sync { preferences, upload, dialogs, host };
};

TEST_F(PreferenceSyncTest, RequestClearsTheLatchAndLoadsTheUsersPage)
{
    sync.requestPreferences();
    preferences.finish("<title>p</title>\r\nSI<BR>NO\r\n");
    EXPECT_TRUE(sync.preferencesLatch());
    host.id = QStringLiteral("7");
    sync.requestPreferences();
    EXPECT_FALSE(sync.preferencesLatch());
    EXPECT_EQ(preferences.navigations,
        (QStringList { host.base + QStringLiteral("/radio/Personalizzazioni.asp?IdUtente=42"),
            host.base + QStringLiteral("/radio/Personalizzazioni.asp?IdUtente=7") }));
}

TEST_F(PreferenceSyncTest, AnswerAfterTheTitleLineBecomesTheOptionsFile)
{
    put(QStringLiteral("OpzSV.txt"), "old\r\n");
    sync.requestPreferences();
    // The title line's own values are lost; a <BR> at a line's end gives an empty value.
    preferences.finish("<html><head>\r\n<title>Preferenze</title>LOST<BR>\r\nNO<BR>SI<BR>12\r\nRadio<BR>\r\n</html>");
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("NO\r\nSI\r\n12\r\nRadio\r\n\r\n</html>\r\n"));
    EXPECT_EQ(host.loads, 1);
    EXPECT_EQ(host.optionsAtLoad, get(QStringLiteral("OpzSV.txt")));
    EXPECT_TRUE(QFile::exists(temp + QStringLiteral("OpTSV.txt")));
    EXPECT_EQ(strayFiles({ QStringLiteral("OpzSV.txt") }), QStringList());
}

TEST_F(PreferenceSyncTest, AnswerWithoutTitleLineEmptiesTheOptionsFile)
{
    put(QStringLiteral("OpzSV.txt"), "old\r\n");
    sync.requestPreferences();
    preferences.finish("<html><TITLE>x</TITLE>\r\nSI<BR>NO\r\n");
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray());
    EXPECT_EQ(host.loads, 1);
}

TEST_F(PreferenceSyncTest, OneAnswerPerRequest)
{
    sync.requestPreferences();
    Q_EMIT preferences.progressChange(10, 100);
    EXPECT_EQ(host.loads, 0);
    preferences.finish("<title>\r\nSI\r\n");
    preferences.finish("<title>\r\nNO\r\n");
    EXPECT_EQ(host.loads, 1);
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("SI\r\n"));
    sync.requestPreferences();
    preferences.finish("<title>\r\nNO\r\n");
    EXPECT_EQ(host.loads, 2);
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("NO\r\n"));
}

// An account file without an id still asks for the page, but the answer is
// nobody's options and must not replace the user's own.
TEST_F(PreferenceSyncTest, AnswerForNoUserKeepsTheLocalOptions)
{
    put(QStringLiteral("OpzSV.txt"), "SI\r\nSI\r\n12\r\n");
    host.id.clear();
    sync.requestPreferences();
    EXPECT_TRUE(preferences.navigations.last().endsWith(QStringLiteral("IdUtente=")));
    preferences.finish("<title>Personalizzazioni</title></head><body></body></html>\r\n");
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("SI\r\nSI\r\n12\r\n"));
    EXPECT_EQ(host.loads, 1);
}

TEST_F(PreferenceSyncTest, MissingSettingsFolderIsReported)
{
    host.settings = settings + QStringLiteral("gone/");
    sync.requestPreferences();
    preferences.finish("<title>\r\nSI\r\n");
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(host.loads, 0);
}

TEST_F(PreferenceSyncTest, NoDocumentRewritesNothingAndKeepsTheLatch)
{
    put(QStringLiteral("OpzSV.txt"), "old\r\n");
    sync.requestPreferences();
    Q_EMIT preferences.progressChange(0, 0);
    EXPECT_TRUE(sync.preferencesLatch());
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("old\r\n"));
    EXPECT_EQ(host.loads, 0);
}

// An earlier capture is never read as a later answer: a failed save keeps
// the local options, which are loaded as they are.
TEST_F(PreferenceSyncTest, FailedSaveIsReportedAndNoEarlierCaptureIsApplied)
{
    sync.requestPreferences();
    preferences.finish("<title>\r\nSI\r\n");
    preferences.saveSucceeds = false;
    sync.requestPreferences();
    preferences.finish("<title>\r\nNO\r\n");
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("SaveAs HTML fail!") });
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("SI\r\n"));
    QFile capture(temp + QStringLiteral("OpTSV.txt"));
    ASSERT_TRUE(capture.open(QIODevice::ReadOnly));
    EXPECT_EQ(capture.readAll(), QByteArray()) << "emptied before the save";
    EXPECT_EQ(host.loads, 2);
}

// A refused mirror's error page is no answer: the user's file stays.
TEST_F(PreferenceSyncTest, PageNoMirrorServedKeepsTheLocalOptions)
{
    put(QStringLiteral("OpzSV.txt"), "mine\r\n");
    preferences.protocol = QStringLiteral("about:");
    sync.requestPreferences();
    preferences.finish("<html><head><title>Impossibile visualizzare la pagina</title></head>\r\n<p>x</p>\r\n");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("mine\r\n"));
    EXPECT_EQ(host.loads, 1);
}

// An answer whose capture completes after a newer request was sent must not
// overwrite the newer answer (a second login in the same run).
TEST_F(PreferenceSyncTest, CaptureOfAnOlderRequestIsDropped)
{
    preferences.holdSaves = true;
    sync.requestPreferences();
    preferences.finish("<title>\r\nOLD\r\n");
    sync.requestPreferences();
    preferences.finish("<title>\r\nNEW\r\n");
    preferences.completeSave();
    EXPECT_EQ(host.loads, 0);
    preferences.completeSave();
    EXPECT_EQ(host.loads, 1);
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("NEW\r\n"));
}

TEST_F(PreferenceSyncTest, UnwritableSettingsFolderReportsAndKeepsTheOptions)
{
    if (runningAsRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    put(QStringLiteral("OpzSV.txt"), "old\r\n");
    ASSERT_TRUE(QFile::setPermissions(settings, QFile::ReadOwner | QFile::ExeOwner));
    sync.requestPreferences();
    preferences.finish("<title>\r\nSI\r\n");
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray("old\r\n"));
    EXPECT_EQ(host.loads, 0);
}

TEST_F(PreferenceSyncTest, MissingCaptureIsReportedNotACrash)
{
    host.temp = settings + QStringLiteral("missing/");
    sync.requestPreferences();
    preferences.finish("<title>\r\nSI\r\n");
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(host.loads, 0);
}

class UploadTest : public PreferenceSyncTest
{
protected:
    // Plays the upload until it stops: each tick sends, each completed page re-arms.
    QStringList runUpload()
    {
        for (int guard = 0; guard < 100 && sync.Timer_SalvaImpostazioni().isActive(); ++guard) {
            sync.Timer_SalvaImpostazioniTimer();
            EXPECT_FALSE(sync.Timer_SalvaImpostazioni().isActive());
            upload.finish(QByteArray());
        }
        return upload.navigations;
    }
    static QString value(const QString &address, const char *key)
    {
        return QUrlQuery(QUrl(address)).queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
    }
};

TEST_F(UploadTest, EveryEntryIsSentChunkByChunk)
{
    UploadEntries entries(53, QString(120, QLatin1Char('n')));
    entries[52] = QStringLiteral("2");
    sync.startUpload(entries);
    EXPECT_EQ(sync.Timer_SalvaImpostazioni().interval(), 10);
    const QStringList sent = runUpload();
    ASSERT_EQ(sent.size(), 26);
    QStringList received;
    for (int i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(value(sent[i], "primo"), i == 0 ? QStringLiteral("SI") : QStringLiteral("NO"));
        EXPECT_EQ(value(sent[i], "idutente"), QStringLiteral("42"));
        EXPECT_TRUE(sent[i].startsWith(host.base + QStringLiteral("/Radio/settaimpostazioni.asp?idutente=42&primo=")));
        received += value(sent[i], "valore").split(QStringLiteral("<BR>"));
    }
    EXPECT_EQ(received, entries);
    EXPECT_FALSE(sync.Timer_SalvaImpostazioni().isActive());
}

TEST_F(UploadTest, LoggedOutSavePreparesButSendsNothingEvenAfterALogin)
{
    host.id.clear();
    sync.startUpload(UploadEntries(53, QStringLiteral("x")));
    EXPECT_FALSE(sync.Timer_SalvaImpostazioni().isActive());
    host.id = QStringLiteral("42");
    EXPECT_TRUE(runUpload().isEmpty());
}

TEST_F(UploadTest, CompletedPageBeforeAnySaveSendsNothing)
{
    upload.finish(QByteArray());
    EXPECT_FALSE(sync.Timer_SalvaImpostazioni().isActive());
    sync.Timer_SalvaImpostazioniTimer();
    EXPECT_TRUE(upload.navigations.isEmpty());
}

TEST_F(UploadTest, IncompleteProgressDoesNotArmTheTimer)
{
    sync.startUpload(UploadEntries(53, QString(150, QLatin1Char('n'))));
    sync.Timer_SalvaImpostazioniTimer();
    Q_EMIT upload.progressChange(5, 100);
    EXPECT_FALSE(sync.Timer_SalvaImpostazioni().isActive());
}

TEST_F(UploadTest, ANewSaveRestartsWithTheFirstMark)
{
    sync.startUpload(UploadEntries(53, QString(150, QLatin1Char('n'))));
    sync.Timer_SalvaImpostazioniTimer();
    upload.finish(QByteArray());
    sync.Timer_SalvaImpostazioniTimer();
    sync.startUpload(UploadEntries(53, QStringLiteral("x")));
    sync.Timer_SalvaImpostazioniTimer();
    ASSERT_EQ(upload.navigations.size(), 3);
    EXPECT_EQ(value(upload.navigations[1], "primo"), QStringLiteral("NO"));
    EXPECT_EQ(value(upload.navigations[2], "primo"), QStringLiteral("SI"));
}

// A chunk that timed out is not skipped: what followed it would be stored
// on the wrong lines. The upload ends there until the next save.
TEST_F(UploadTest, AChunkNoMirrorTookEndsTheUpload)
{
    sync.startUpload(UploadEntries(53, QString(150, QLatin1Char('n'))));
    sync.Timer_SalvaImpostazioniTimer();
    upload.finish(QByteArray());
    sync.Timer_SalvaImpostazioniTimer();
    upload.protocol = QStringLiteral("about:");
    upload.finish(QByteArray());
    EXPECT_FALSE(sync.Timer_SalvaImpostazioni().isActive());
    sync.Timer_SalvaImpostazioniTimer();
    EXPECT_EQ(upload.navigations.size(), 2);

    upload.protocol = QStringLiteral("http:");
    sync.startUpload(UploadEntries(53, QStringLiteral("x")));
    runUpload();
    ASSERT_GE(upload.navigations.size(), 3);
    EXPECT_EQ(value(upload.navigations[2], "primo"), QStringLiteral("SI"));
}

TEST_F(UploadTest, TimerItselfSendsTheNextChunk)
{
    sync.startUpload(UploadEntries(53, QStringLiteral("x")));
    const QDeadlineTimer deadline(5000);
    while (upload.navigations.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(upload.navigations.size(), 1);
}

} // namespace
