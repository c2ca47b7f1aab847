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
    bool refuses = false;
    bool apply(Access access, const QStringList &proxies, const QStringList &bypass) override
    {
        applied << QStringLiteral("%1 [%2] [%3]").arg(int(access)).arg(proxies.join(QLatin1Char(',')), bypass.join(QLatin1Char(',')));
        return !refuses;
    }
};

class ProxyDialogueTest : public SettingsSandbox
{
protected:
    void run()
    {
        const auto text = [](int n) { return n == 131 ? QStringLiteral("T131 %1") : QStringLiteral("T%1").arg(n); };
        ProxyDialogue dialogue(settings_, dialogs, text, settings, &session);
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

// The file keeps what was typed; the session gets one "address:port", or is
// told nothing for half a proxy; a route it refuses is reported.
TEST_F(ProxyDialogueTest, TypedFormsReachTheSessionInOneForm)
{
    const char *cases[][3] = {{"http://10.0.0.1", "3128", "10.0.0.1:3128"}, {"HTTP://proxy.local:8080/", "", "proxy.local:8080"},
                              {"[2001:db8::1]:3128", "", "[2001:db8::1]:3128"}, {"2001:db8::1", "3128", "[2001:db8::1]:3128"},
                              {"2001:db8::1", "", ""}, {"host:3128", "8080", "host:3128:8080"}};
    for (const auto &c : cases) {
        settings_ = ProxySettings();
        session.applied.clear();
        session.refuses = QLatin1String(c[1]) == QLatin1String("8080");
        dialogs.messages.clear();
        dialogs.inputAnswers = {QLatin1String(c[0]), QLatin1String(c[1])};
        run();
        EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({c[0], c[1], "SI"})) << c[0];
        EXPECT_EQ(session.applied.join(QString()), *c[2] ? QStringLiteral("3 [%1] []").arg(QLatin1String(c[2])) : QString());
        EXPECT_EQ(dialogs.messages, session.refuses ? QStringList{QStringLiteral("T131 host:3128:8080")} : QStringList());
    }
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
