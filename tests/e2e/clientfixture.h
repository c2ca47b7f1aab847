#pragma once

#include "app/tfrm_sonvela.h"

#include "platform/platformfactory.h"
#include "standinserver.h"
#include "support/fakedialogs.h"
#include "support/fakeplatform.h"
#include "support/pagescript.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class AudioRecordModule;
class WebEngineBrowser;

// One real web engine and one stand-in for the whole program: both are slow
// to start. Each test makes its own main window.
class ClientTest : public ::testing::Test
{
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    void TearDown() override;

    // Starts a main window whose first mirror is `firstMirror`; a null clock
    // is the system's.
    void startClient(int firstMirror, const WallClock *clock = nullptr);
    void setFault(int mirror, FaultMode mode);
    Deployment deployment() const;
    // Evaluates a script in the station page and waits for its answer.
    QVariant evaluateInRadio(const QString &script, ScriptWait wait = ScriptWait::MustAnswer);
    WebEngineBrowser &radio();

    // Requests the stand-in logged on `port` whose path and query are exactly `target`.
    static int requestsFor(int port, const QString &target);

    static std::unique_ptr<StandinServer> s_server;
    static std::unique_ptr<QTemporaryDir> s_logDir;
    static std::unique_ptr<PlatformFactory> s_browsers;
    QTemporaryDir sandbox;
    FakeDialogs dialogs;
    FakeShell shell;
    RecordingNowPlaying notices;
    FixedRandom random;
    AudioRecordModule *recordingModule = nullptr;
    std::unique_ptr<TFrm_Sonvela> window;
};
