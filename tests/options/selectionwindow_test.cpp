#include "options/tfrm_radiopersonale.h"

#include "service/pagecapture.h"
#include "settings/sandbox.h"
#include "support/fakebrowser.h"
#include "support/fakedialogs.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString selectionTitle = QStringLiteral("Radio personale - Sonvela");

QByteArray pickPage(int id, const char *name, const char *label)
{
    QByteArray page = "<html><head><title>Radio personale - Sonvela</title></head>\r\n";
    for (int line = 2; line <= 38; ++line)
        page += "\r\n";
    return page + QByteArray::number(id) + "\r\n-\r\n" + name + "\r\n-\r\n" + label + "\r\n</html>\r\n";
}

class SelectionWindowTest : public SettingsSandbox
{
protected:
    void SetUp() override
    {
        SettingsSandbox::SetUp();
        const SelectionWindow::Setup setup { browsers, capture, [] { return QStringLiteral("http://mirror3/Radio/radioPersonale.asp"); },
                                             selectionTitle, temp };
        window = std::make_unique<TFrm_RadioPersonale>(setup);
        browser = browsers.made.back();
    }
    // Plays the given loads in the shown window, then leaves it by `button`.
    StationPick pickAfter(std::function<void()> loads, QPushButton *TFrm_RadioPersonale::*button)
    {
        QTimer::singleShot(0, window.get(), [this, loads = std::move(loads), button] {
            EXPECT_TRUE(window->isVisible());
            loads();
            QTest::mouseClick(window.get()->*button, Qt::LeftButton);
        });
        return window->pickStation();
    }

    FakeBrowserFactory browsers;
    FakeDialogs dialogs;
    PageCapture capture { dialogs };
    std::unique_ptr<TFrm_RadioPersonale> window;
    FakeBrowser *browser = nullptr;
};

using Result = StationPick::Result;

TEST_F(SelectionWindowTest, PickOutcomesFollowTitleAndCapture)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Selezione radio personale"));
    const StationPick cancelled
        = pickAfter([this] { browser->finish(selectionTitle, pickPage(5, "Cinque", "L5")); }, &TFrm_RadioPersonale::BitBtn1);
    EXPECT_EQ(cancelled.result, Result::Cancelled);
    EXPECT_EQ(browser->navigations, QStringList { QStringLiteral("http://mirror3/Radio/radioPersonale.asp") });

    // The page of the last finished load counts, captured byte for byte.
    const StationPick picked = pickAfter(
        [this] {
            browser->finish(selectionTitle, pickPage(5, "Cinque", "L5"));
            browser->finish(selectionTitle, pickPage(8, "Otto & <BR>co", "L8"));
        },
        &TFrm_RadioPersonale::BitBtn2);
    EXPECT_EQ(picked.result, Result::Picked);
    EXPECT_EQ(picked.id, 8);
    EXPECT_EQ(picked.name, QStringLiteral("Otto & <BR>co"));
    EXPECT_EQ(picked.label, QStringLiteral("L8"));
    QFile file(window->capturePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), pickPage(8, "Otto & <BR>co", "L8"));

    // The browse list, or a title differing in case, is no pick.
    EXPECT_EQ(pickAfter([this] { browser->finish(QStringLiteral("Scegli la tua radio"), "<html/>"); },
                        &TFrm_RadioPersonale::BitBtn2)
                  .result,
              Result::NoPick);
    EXPECT_EQ(pickAfter([this] { browser->finish(selectionTitle.toLower(), pickPage(5, "C", "L")); },
                        &TFrm_RadioPersonale::BitBtn2)
                  .result,
              Result::NoPick);
}

TEST_F(SelectionWindowTest, AFailedCaptureReportsAndThePageThatNeverFinishesStillCloses)
{
    browser->saveSucceeds = false;
    const StationPick picked
        = pickAfter([this] { browser->finish(selectionTitle, QByteArray()); }, &TFrm_RadioPersonale::BitBtn2);
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("SaveAs HTML fail!") });
    EXPECT_EQ(picked.result, Result::Picked);
    EXPECT_EQ(picked.id, 0);

    // Title shown, load never finished: the window still answers at once.
    browser->saveSucceeds = true;
    const StationPick unfinished = pickAfter([this] { browser->setTitle(QStringLiteral("Caricamento...")); },
                                             &TFrm_RadioPersonale::BitBtn2);
    EXPECT_EQ(unfinished.result, Result::NoPick);
}

} // namespace
