#include "clientfixture.h"

#include "settings/accountfile.h"
#include "settings/tfrm_gestioneutente.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using AccountClientTest = ClientTest;

// "Verifica" logs in for the run; "Salva ed esci" right after must keep the
// login, so that the next start is logged in with the server's options.
TEST_F(AccountClientTest, CheckedLoginSavedIsStillLoggedInAfterARestart)
{
    const UserAccount demo{QStringLiteral("demo@sonvela.local"), QStringLiteral("ascolta48"), QStringLiteral("1001")};
    startClient(1);
    auto *account = new TFrm_GestioneUtente([](QWidget *parent) { return s_browsers->createVisibleBrowser(parent); },
                                            dialogs, window->accountHost(), window.get());
    account->prepare(TFrm_GestioneUtente::LogInPage);
    account->show();
    account->findChild<QLineEdit *>(QStringLiteral("Edt_User"))->setText(demo.name);
    account->findChild<QLineEdit *>(QStringLiteral("Edt_Psw"))->setText(demo.password);
    QTest::mouseClick(account->findChild<QPushButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->state().account.id == demo.id; }, 30000));
    QTest::mouseClick(account->findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    const QString settings = sandbox.path() + QStringLiteral("/config/Sonvela/");
    EXPECT_EQ(AccountFile::read(settings), std::optional<UserAccount>(demo));

    window.reset();
    startClient(1);
    EXPECT_EQ(window->state().account, demo);
    // The demo user's own options from the server: the start-up station and the first favourite.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->state().options.startupStation.id == 6; }, 30000));
    EXPECT_NE(window->state().options.personalStations[0].id, 0);
    EXPECT_TRUE(window->state().options.messenger);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
}

} // namespace
