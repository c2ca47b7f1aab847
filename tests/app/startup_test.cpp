#include "mainwindowfixture.h"

#include "recording/recorderpage.h"
#include "service/servicerequests.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

TEST_F(MainWindowTest, RequestsLeaveInOrderPreferencesAccessCatalogue)
{
    writeSetting("UsrSV.txt", "");
    start(3);
    ASSERT_EQ(browsers.journal.size(), 3);
    EXPECT_EQ(browsers.journal[0],
              QStringLiteral("Wb_CaricaPreferenze ") + mirror(3) + QStringLiteral("/radio/Personalizzazioni.asp?IdUtente="));
    EXPECT_EQ(browsers.journal[1], QStringLiteral("WB_Principale ") + mirror(3)
                                       + QStringLiteral("/radio/AccessoSonvela.asp?versione=4.8&Personalizzazione=0&Radio=0"));
    EXPECT_EQ(browsers.journal[2],
              QStringLiteral("WebBrowser3 ") + mirror(3) + QStringLiteral("/Radio/CaricaDati.asp?id=0&idRadio=0"));
}

TEST_F(MainWindowTest, WithoutAccountFileNoPreferencesAreRequested)
{
    start(1);
    ASSERT_EQ(browsers.journal.size(), 2);
    EXPECT_TRUE(browsers.journal[0].startsWith(QStringLiteral("WB_Principale ")));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

// A settings folder that cannot be made (a file stands where its parent
// should be, which stops root too) is named once; the start goes on.
TEST_F(MainWindowTest, UnusableSettingsFolderIsReportedAndStartUpGoesOn)
{
    QFile blocker(sandbox.path() + QStringLiteral("/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    start(1, blocker.fileName() + QStringLiteral("/Sonvela"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(blocker.fileName() + QStringLiteral("/Sonvela/")))
        << dialogs.errors.first().toStdString();
    ASSERT_FALSE(browsers.journal.isEmpty());
    EXPECT_TRUE(browsers.journal.last().startsWith(QStringLiteral("WebBrowser3 ")));
}

class FirstMirror : public MainWindowTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(FirstMirror, IsUsedAndOnlyItsDotIsLit)
{
    start(GetParam());
    EXPECT_EQ(window->state().mirrors.index(), GetParam());
    EXPECT_EQ(litDots(), std::vector<int>{GetParam()});
    EXPECT_TRUE(browser("WB_Principale").navigations.first().startsWith(mirror(GetParam()) + QLatin1Char('/')));
}

INSTANTIATE_TEST_SUITE_P(Mirrors, FirstMirror, ::testing::Range(1, 7));

TEST_F(MainWindowTest, StartsOnThePlayerPageWithTheCatalogueTabHidden)
{
    start();
    const ListeningArea &area = window->listeningArea();
    EXPECT_EQ(area.Pnl_Ascolta->currentIndex(), 0);
    EXPECT_FALSE(area.Pnl_Ascolta->isTabVisible(area.Tb_Catalogo));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sonvela by Velmora - \"Versione 4.8\""));
    EXPECT_EQ(window->state().StationSource, -1);
    EXPECT_EQ(area.Pnl_Ascolta->count(), 9);
}

TEST_F(MainWindowTest, StoredLanguageIsAppliedFromTheOptionsFile)
{
    QByteArray options;
    for (int line = 1; line <= 52; ++line)
        options += "\r\n";
    options += "2\r\n";
    writeSetting("OpzSV.txt", options);
    start();
    EXPECT_EQ(window->state().languageIndex(), 2);
    EXPECT_EQ(window->menu().Esci2->text(), window->state().texts.text(2, 2));
}

// Where no file manager or browser is installed the user is told, in the
// interface's language, rather than nothing happening.
TEST_F(MainWindowTest, WhatNothingCanOpenIsReportedInTheCurrentLanguage)
{
    start();
    shell.opens = false;
    for (int language = 1; language <= 4; ++language) {
        window->applyLanguage(language);
        dialogs.messages.clear();
        window->recorder().BitBtn11->click();
        window->menu().MakerSiteItem->trigger();
        const QString text = window->state().texts.text(language, 132);
        ASSERT_TRUE(text.contains(QLatin1String("%1"))) << language;
        EXPECT_EQ(dialogs.messages, QStringList({text.arg(window->recorder().Lbl_Folder->text()),
                                                 text.arg(Deployment::defaults().makerAddress())}));
    }
}

} // namespace
