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

// The file keeps what was typed; the session gets one "address:port".
TEST_F(ProxyDialogueTest, TypedFormsReachTheSessionInOneForm)
{
    const struct
    {
        const char *address, *port, *applied;
    } cases[] = {
        {"http://10.0.0.1", "3128", "3 [10.0.0.1:3128] []"},
        {"HTTP://proxy.local:8080/", "", "3 [proxy.local:8080] []"},
        {"host:3128", "", "3 [host:3128] []"},
        {" 10.0.0.1 ", " 8080 ", "3 [10.0.0.1:8080] []"},
        {"[2001:db8::1]:3128", "", "3 [[2001:db8::1]:3128] []"},
        {"[2001:db8::1]", "3128", "3 [[2001:db8::1]:3128] []"},
        {"2001:db8::1", "3128", "3 [[2001:db8::1]:3128] []"},
        // The port box wins over a port in the address, which then is no host.
        {"host:3128", "8080", "3 [host:3128:8080] []"},
        // An address without any port is half a proxy: nothing is applied.
        {"2001:db8::1", "", ""},
        // Only plain http reaches a proxy: anything else goes on for the session to refuse.
        {"https://10.0.0.1", "3128", "3 [https://10.0.0.1:3128] []"},
    };
    for (const auto &c : cases) {
        settings_ = ProxySettings();
        session.applied.clear();
        dialogs.inputAnswers = {QLatin1String(c.address), QLatin1String(c.port)};
        run();
        EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({c.address, c.port, "SI"})) << c.address;
        EXPECT_EQ(session.applied.join(QLatin1Char('|')), QLatin1String(c.applied)) << c.address;
    }
}

TEST_F(ProxyDialogueTest, ARouteTheSessionRefusesIsReportedAndTheFileKept)
{
    session.refuses = true;
    dialogs.inputAnswers = {QStringLiteral("host:3128"), QStringLiteral("8080")};
    run();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("T131 host:3128:8080")});
    EXPECT_EQ(get(QStringLiteral("PrxSV.txt")), crlf({"host:3128", "8080", "SI"}));
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
