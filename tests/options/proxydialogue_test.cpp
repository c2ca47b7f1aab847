#include "options/proxydialogue.h"

#include "platform/proxysession.h"
#include "settings/proxysettings.h"
#include "settings/sandbox.h"
#include "support/fakedialogs.h"

#include <gtest/gtest.h>

namespace {

class RecordingSession final : public ProxySession
{
public:
    QStringList applied;
    bool apply(Access access, const QStringList &proxies, const QStringList &bypass) override
    {
        applied << QStringLiteral("%1 [%2] [%3]").arg(int(access)).arg(proxies.join(QLatin1Char(',')), bypass.join(QLatin1Char(',')));
        return true;
    }
};

class ProxyDialogueTest : public SettingsSandbox
{
protected:
    void run()
    {
        ProxyDialogue dialogue(settings_, dialogs, [](int n) { return QStringLiteral("T%1").arg(n); }, settings,
                               &session);
        dialogue.Gestioneproxy1Click();
    }

    ProxySettings settings_;
    FakeDialogs dialogs;
    RecordingSession session;
};

TEST_F(ProxyDialogueTest, AddressAndPortFromNothingGoToFileAndSession)
{
    dialogs.inputAnswers = { QStringLiteral("192.168.1.20"), QStringLiteral("8080") };
    run();
    EXPECT_EQ(dialogs.questions, QStringList({ QStringLiteral("T72|T73:"), QStringLiteral("T78|T79:") }));
    EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({ "192.168.1.20", "8080", "SI" }));
    EXPECT_EQ(session.applied, QStringList { QStringLiteral("3 [192.168.1.20:8080] []") });
}

TEST_F(ProxyDialogueTest, ClearingBothThenNoForcesADirectConnection)
{
    settings_ = { QStringLiteral("10.0.0.1"), QStringLiteral("3128"), true };
    dialogs.yesNoAnswers = { true, true, false };
    run();
    EXPECT_EQ(dialogs.questions, QStringList({ QStringLiteral("T70|T69"), QStringLiteral("T76|T75"),
                                               QStringLiteral("T82|T81") }));
    EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({ "", "", "NO" }));
    EXPECT_EQ(session.applied, QStringList { QStringLiteral("1 [] []") });

    // Yes to the no-proxy question: the browser's own settings, nothing applied.
    dialogs.questions.clear();
    dialogs.inputAnswers = { QString(), QString() };
    dialogs.yesNoAnswers = { true };
    run();
    EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({ "", "", "SI" }));
    EXPECT_EQ(session.applied.size(), 1);
}

TEST_F(ProxyDialogueTest, AnEmptyAnswerKeepsTheValueAndOddValuesAreSavedAsTyped)
{
    settings_ = { QStringLiteral("proxy.local"), QStringLiteral("3128"), true };
    // No to both questions: the boxes offer the current values.
    dialogs.inputAnswers = { QString(), QStringLiteral("not a port") };
    run();
    EXPECT_TRUE(dialogs.questions.contains(QStringLiteral("T72|T73:")));
    EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({ "proxy.local", "not a port", "SI" }));
    EXPECT_EQ(session.applied, QStringList { QStringLiteral("3 [proxy.local:not a port] []") });
}

TEST_F(ProxyDialogueTest, AFileThatCannotBeWrittenReportsAndAppliesNothing)
{
    settings = temp + QStringLiteral("blocked/");
    QFile blocker(temp + QStringLiteral("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs.inputAnswers = { QStringLiteral("10.0.0.1"), QStringLiteral("8080") };
    run();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(session.applied.isEmpty());
    EXPECT_EQ(settings_.address, QStringLiteral("10.0.0.1"));
}

} // namespace
