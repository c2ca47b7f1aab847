#include "settings/tfrm_gestioneutente.h"

#include "sandbox.h"
#include "settings/accountfile.h"
#include "settings/accounthost.h"
#include "support/fakebrowser.h"
#include "support/fakedialogs.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

const QString Base = QStringLiteral("http://127.0.0.1:8080");

class FakeAccountHost final : public AccountHost
{
public:
    QString settings;
    UserAccount user;
    int preferenceRequests = 0;
    QString idAtRequest;

    QString serverBase() const override { return Base; }
    QString settingsFolder() const override { return settings; }
    UserAccount account() const override { return user; }
    void setAccount(const UserAccount &account) override { user = account; }
    void requestPreferences() override
    {
        ++preferenceRequests;
        idAtRequest = user.id;
    }
};

class AccountWindowTest : public SettingsSandbox
{
protected:
    void SetUp() override
    {
        SettingsSandbox::SetUp();
        host.settings = settings;
    }

    void open(int page = TFrm_GestioneUtente::LogInPage)
    {
        window = std::make_unique<TFrm_GestioneUtente>(
            [](QWidget *parent) { return new FakeBrowser(parent); }, dialogs, host);
        login = static_cast<FakeBrowser *>(&window->loginBrowser());
        privacy = static_cast<FakeBrowser *>(&window->privacyBrowser());
        window->prepare(page);
    }
    void type(const QString &name, const QString &password)
    {
        window->findChild<QLineEdit *>(QStringLiteral("Edt_User"))->setText(name);
        window->findChild<QLineEdit *>(QStringLiteral("Edt_Psw"))->setText(password);
    }
    void click(const char *name) { window->findChild<QPushButton *>(QLatin1String(name))->click(); }
    bool privacyEnabled() const
    {
        return window->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->isTabEnabled(1);
    }
    static QString sent(const QString &address, const char *key)
    {
        return QUrlQuery(QUrl(address)).queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    }

    FakeDialogs dialogs;
    FakeAccountHost host;
    std::unique_ptr<TFrm_GestioneUtente> window;
    FakeBrowser *login = nullptr;
    FakeBrowser *privacy = nullptr;
    const UserAccount ada { QStringLiteral("ada@example.org"), QStringLiteral("p&ss#+1"), QStringLiteral("17") };
};

TEST_F(AccountWindowTest, NoUserShowsBlankPagesAndNoPrivacy)
{
    open(TFrm_GestioneUtente::PrivacyPage);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Opzioni utente"));
    EXPECT_EQ(login->navigations, QStringList { QStringLiteral("About:Blank") });
    EXPECT_EQ(privacy->navigations, QStringList { QStringLiteral("About:Blank") });
    EXPECT_FALSE(privacyEnabled());
    EXPECT_EQ(window->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->currentIndex(), 1);
    EXPECT_EQ(window->loginMode(), TFrm_GestioneUtente::LoginMode::CheckOnly);
}

TEST_F(AccountWindowTest, StoredUserIsCheckedAgainAndGetsThePrivacyPage)
{
    host.user = ada;
    open();
    ASSERT_EQ(login->navigations.size(), 1);
    EXPECT_TRUE(login->navigations[0].startsWith(Base + QStringLiteral("/Radio/VerificaPsw.asp?Utente=")));
    EXPECT_EQ(sent(login->navigations[0], "Psw"), ada.password);
    ASSERT_EQ(privacy->navigations.size(), 1);
    EXPECT_TRUE(privacy->navigations[0].startsWith(Base + QStringLiteral("/Radio/OpzioniPrivacy.asp?IdUtente=17&")));
    EXPECT_TRUE(privacyEnabled());
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("Edt_Psw"))->text(), ada.password);
}

TEST_F(AccountWindowTest, CheckNeedsAnAtSign)
{
    open();
    type(QStringLiteral("ada"), QStringLiteral("pw"));
    click("SpeedButton2");
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("Inserire un indirizzo email valido") });
    EXPECT_EQ(login->navigations.size(), 1);
    type(ada.name, ada.password);
    click("SpeedButton2");
    ASSERT_EQ(login->navigations.size(), 2);
    EXPECT_EQ(sent(login->navigations[1], "Utente"), ada.name);
    EXPECT_EQ(sent(login->navigations[1], "Psw"), ada.password);
    click("SpeedButton1");
    EXPECT_TRUE(window->findChild<QLineEdit *>(QStringLiteral("Edt_User"))->text().isEmpty());
}

class AccountTitles : public AccountWindowTest, public ::testing::WithParamInterface<const char *>
{
};

// Refusals and titles that are no number leave everything as it was.
TEST_P(AccountTitles, AreNoLogin)
{
    open();
    type(ada.name, ada.password);
    click("BitBtn2");
    login->finish(QString::fromLatin1(GetParam()));
    EXPECT_EQ(host.user, UserAccount());
    EXPECT_EQ(host.preferenceRequests, 0);
    EXPECT_FALSE(has(QStringLiteral("UsrSV.txt")));
    EXPECT_FALSE(privacyEnabled());
}

INSTANTIATE_TEST_SUITE_P(Table, AccountTitles, ::testing::Values("KO", "ko", "0", "abc", "", "12 utenti"));

TEST_F(AccountWindowTest, CheckOnlyAnswerLogsInForTheRunAndSavingStoresIt)
{
    open();
    type(ada.name, ada.password);
    click("SpeedButton2");
    login->finish(QStringLiteral("17"));
    EXPECT_EQ(host.user, ada);
    EXPECT_EQ(host.preferenceRequests, 0);
    EXPECT_FALSE(has(QStringLiteral("UsrSV.txt")));
    EXPECT_TRUE(privacyEnabled());
    ASSERT_EQ(privacy->navigations.size(), 2);
    EXPECT_EQ(sent(privacy->navigations[1], "IdUtente"), QStringLiteral("17"));
    EXPECT_EQ(sent(privacy->navigations[1], "Utente"), ada.name);
    // Saving the accepted values stores them without asking again, once.
    for (int save = 0; save < 2; ++save) {
        click("BitBtn2");
        EXPECT_EQ(login->navigations.size(), 2);
        EXPECT_EQ(AccountFile::read(settings), std::optional<UserAccount>(ada));
        EXPECT_EQ(host.preferenceRequests, 1);
    }
}

TEST_F(AccountWindowTest, SavedLoginStoresTheAccountOwnerOnlyAndLoadsPreferences)
{
    open();
    type(ada.name, ada.password);
    click("BitBtn2");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(window->loginMode(), TFrm_GestioneUtente::LoginMode::Save);
    ASSERT_EQ(login->navigations.size(), 2);
    login->finish(QStringLiteral("17"));
    EXPECT_EQ(get(QStringLiteral("UsrSV.txt")), crlf({ "ada@example.org", "p&ss#+1", "17" }));
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFileInfo(settings + QStringLiteral("UsrSV.txt")).permissions() & others, QFileDevice::Permissions());
    EXPECT_EQ(host.user, ada);
    EXPECT_EQ(host.preferenceRequests, 1);
    EXPECT_EQ(host.idAtRequest, QStringLiteral("17"));
}

TEST_F(AccountWindowTest, NegativeIdIsStoredButHasNoPrivacyPage)
{
    open();
    type(ada.name, ada.password);
    click("BitBtn2");
    login->finish(QStringLiteral("-5"));
    EXPECT_EQ(host.user.id, QStringLiteral("-5"));
    EXPECT_EQ(AccountFile::read(settings)->id, QStringLiteral("-5"));
    EXPECT_EQ(host.idAtRequest, QStringLiteral("-5"));
    EXPECT_EQ(privacy->navigations, QStringList { QStringLiteral("About:Blank") });
    EXPECT_FALSE(privacyEnabled());
}

// The privacy page's own title is never a login answer.
TEST_F(AccountWindowTest, PrivacyTitleIsNotALoginAnswer)
{
    host.user = ada;
    AccountFile::write(settings, ada);
    open();
    click("BitBtn2");
    type(QStringLiteral("eve@example.org"), QStringLiteral("x"));
    privacy->finish(QStringLiteral("99"));
    EXPECT_EQ(host.user, ada);
    EXPECT_EQ(AccountFile::read(settings), std::optional<UserAccount>(ada));
    EXPECT_EQ(host.preferenceRequests, 0);
}

TEST_F(AccountWindowTest, NameWithoutAtSignSavesNothing)
{
    open();
    type(QStringLiteral("ada"), QStringLiteral("pw"));
    click("BitBtn2");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(login->navigations.size(), 1);
    EXPECT_FALSE(has(QStringLiteral("UsrSV.txt")));
}

// An empty name is no user: the id goes too, so nothing is sent under it.
TEST_F(AccountWindowTest, EmptyNameStoresNoUser)
{
    host.user = ada;
    open();
    click("SpeedButton1");
    type(QString(), QStringLiteral("pw"));
    click("BitBtn2");
    EXPECT_EQ(get(QStringLiteral("UsrSV.txt")), crlf({ "", "pw", "" }));
    EXPECT_EQ(host.user, (UserAccount { QString(), QStringLiteral("pw"), QString() }));
    EXPECT_EQ(host.preferenceRequests, 0);
}

// The id in an answer belongs to the credentials that were sent, not to
// whatever the fields hold when it arrives.
TEST_F(AccountWindowTest, AnswerIsStoredWithTheCredentialsItWasFor)
{
    open();
    type(ada.name, ada.password);
    click("BitBtn2");
    type(QStringLiteral("eve@example.org"), QStringLiteral("other"));
    login->finish(QStringLiteral("17"));
    EXPECT_EQ(host.user, ada);
    EXPECT_EQ(AccountFile::read(settings), std::optional<UserAccount>(ada));
}

TEST_F(AccountWindowTest, UnwritableFolderIsReportedAndNothingChanges)
{
    host.settings = settings + QStringLiteral("missing/");
    open();
    type(ada.name, ada.password);
    click("BitBtn2");
    login->finish(QStringLiteral("17"));
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(host.user, UserAccount());
    EXPECT_EQ(host.preferenceRequests, 0);
}

TEST_F(AccountWindowTest, LeavingWithoutSavingChangesNothing)
{
    open();
    type(ada.name, ada.password);
    click("BitBtn1");
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(login->navigations.size(), 1);
    EXPECT_EQ(window->loginMode(), TFrm_GestioneUtente::LoginMode::CheckOnly);
}

} // namespace
