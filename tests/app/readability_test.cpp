#include "cataloguepage.h"
#include "readabilitycheck.h"

#include "app/mainmenu.h"
#include "stations/listeningarea.h"
#include "app/programwindows.h"
#include "app/trayicon.h"
#include "platform/qtdialogs.h"
#include "platform/randomsource.h"
#include "stations/clickablelabel.h"
#include "stations/stationpanels.h"
#include "theme/darklook.h"

#include "support/fakebrowser.h"
#include "support/fakedialogs.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every window the program creates, on fake browsers in a sandbox, with the
// look the entry point gives the application.
class ProgramLookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(sandbox.path() + QStringLiteral("/config/Sonvela")));
        ASSERT_TRUE(QDir().mkpath(sandbox.path() + QStringLiteral("/tmp")));
        DarkLook::apply();
        const SystemFolders folders(sandbox.path() + QStringLiteral("/config/Sonvela/"),
                                    sandbox.path() + QStringLiteral("/tmp/"),
                                    sandbox.path() + QStringLiteral("/home/Sonvela"));
        windows = std::make_unique<ProgramWindows>(
            TFrm_Sonvela::Platform{browsers, dialogs, shell, nowPlaying, random, nullptr, folders, Deployment::defaults()});
        windows->startUp();
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    }
    void TearDown() override { windows.reset(); }

    TFrm_Sonvela &main() { return windows->main(); }
    QPoint inWindow(QWidget *w, QPoint at) { return w->mapTo(&main(), at); }

    QTemporaryDir sandbox;
    FakeBrowserFactory browsers;
    FakeDialogs dialogs;
    FakeShell shell;
    RecordingNowPlaying nowPlaying;
    SeededRandom random{11}; // a fixed answer would keep the puzzle generator looking for ever
    std::unique_ptr<ProgramWindows> windows;
};

// The windows to look at: everything top-level but menus and tool tips.
QList<QWidget *> programWindows()
{
    QList<QWidget *> result;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (!qobject_cast<QMenu *>(w) && type != Qt::ToolTip && type != Qt::Popup && type != Qt::Desktop)
            result << w;
    }
    std::sort(result.begin(), result.end(),
              [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
    return result;
}

void saveGrab(QWidget *window, const QString &name)
{
    // SONVELA_GRAB_DIR keeps pictures of what was checked, to look at.
    const QString folder = qEnvironmentVariable("SONVELA_GRAB_DIR");
    if (!folder.isEmpty())
        window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The window shown, then each page of each of its page controls in turn.
QStringList offencesOf(QWidget *window, const QString &language)
{
    const bool wasVisible = window->isVisible();
    window->show();
    QSet<QString> found;
    if (!QTest::qWaitForWindowExposed(window))
        found.insert(window->objectName() + QStringLiteral(": never shown"));
    auto look = [&](const QString &state) {
        QCoreApplication::processEvents();
        for (const QString &offence : ReadabilityCheck::offences(window))
            found.insert(QStringLiteral("[%1] %2: %3").arg(language, window->objectName(), offence));
        saveGrab(window, window->objectName() + QLatin1Char('-') + language + state);
    };
    look(QString());
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        if (!tabs->isVisibleTo(window))
            continue;
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == shown || !tabs->isTabVisible(i))
                continue;
            tabs->setCurrentIndex(i);
            look(QLatin1Char('-') + tabs->widget(i)->objectName());
        }
        tabs->setCurrentIndex(shown);
    }
    if (!wasVisible)
        window->hide();
    QStringList result = found.values();
    result.sort();
    return result;
}

} // namespace

TEST_F(ProgramLookTest, EveryCaptionOfEveryWindowIsReadableAndWholeInEachLanguage)
{
    // A first game shows the keypad, the error check and the completion button.
    main().findChild<QPushButton *>(QStringLiteral("Btn_NewGame"))->click();
    MainMenu &menu = main().menu();
    QStringList offences;
    for (QAction *language : {menu.Italiano1, menu.Francese1, menu.Inglese1, menu.Spagnolo1}) {
        language->trigger();
        for (QWidget *window : programWindows())
            offences << offencesOf(window, language->text());
    }
    EXPECT_TRUE(offences.isEmpty()) << offences.size() << " offences:\n" << offences.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProgramLookTest, TheCheckSeesTextThatMeltsIntoItsGround)
{
    // Guards the check itself: black on black and a caption wider than its box.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setObjectName(QStringLiteral("Probe"));
    window.resize(300, 100);
    auto *dark = new QLabel(QStringLiteral("Livello"), &window);
    dark->setObjectName(QStringLiteral("Dark"));
    dark->setGeometry(10, 10, 120, 20);
    dark->setStyleSheet(QStringLiteral("color: #101010; background: black;"));
    auto *narrow = new QLabel(QStringLiteral("Contrôle dynamique des erreurs"), &window);
    narrow->setObjectName(QStringLiteral("Narrow"));
    narrow->setGeometry(10, 40, 60, 20);
    auto *fine = new QLabel(QStringLiteral("Expert"), &window);
    fine->setObjectName(QStringLiteral("Fine"));
    fine->setGeometry(10, 70, 120, 20);
    // Unchecked boxes on the options window's black: plain Fusion's melts into
    // it, the application's own stands out.
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    window.setPalette(black);
    window.setAutoFillBackground(true);
    auto *faint = new QCheckBox(&window);
    faint->setObjectName(QStringLiteral("Faint"));
    faint->setStyle(fusion.get());
    faint->setGeometry(200, 10, 20, 20);
    auto *clear = new QCheckBox(&window);
    clear->setObjectName(QStringLiteral("Clear"));
    clear->setGeometry(200, 40, 20, 20);
    auto *round = new QRadioButton(&window);
    round->setObjectName(QStringLiteral("Round"));
    round->setGeometry(200, 70, 20, 20);
    // Judged as they look unfocused: a focus frame would stand out on its own.
    for (QWidget *w : std::initializer_list<QWidget *>{faint, clear, round})
        w->setFocusPolicy(Qt::NoFocus);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QString found = ReadabilityCheck::offences(&window).join(QLatin1Char('\n'));
    EXPECT_TRUE(found.contains(QStringLiteral("Dark: \"Livello\" unreadable"))) << found.toStdString();
    EXPECT_TRUE(found.contains(QStringLiteral("Narrow: \"Contrôle dynamique des erreurs\" cut"))) << found.toStdString();
    EXPECT_FALSE(found.contains(QStringLiteral("Fine"))) << found.toStdString();
    EXPECT_TRUE(found.contains(QStringLiteral("Faint: unchecked indicator unreadable"))) << found.toStdString();
    EXPECT_FALSE(found.contains(QStringLiteral("Clear"))) << found.toStdString();
    EXPECT_FALSE(found.contains(QStringLiteral("Round"))) << found.toStdString();
    EXPECT_NEAR(ReadabilityCheck::contrast(0xffffff, 0x000000), 21.0, 0.01);
}

TEST_F(ProgramLookTest, HoversDescribeAndOneClickOnTheSudokuTabOpensIt)
{
    StationPanels &panels = main().panels();
    browsers.byName(QStringLiteral("WebBrowser3"))->finish(QStringLiteral("catalogue"), cataloguePage());
    QWindow *window = main().windowHandle();
    auto *description = main().findChild<QLabel *>(QStringLiteral("Lbl_DescrizioneTasto"));

    QTabBar *pages = panels.PageControl1->tabBar();
    QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(pages, pages->tabRect(2).center()));
    ASSERT_EQ(panels.PageControl1->currentIndex(), 2);
    const std::pair<QWidget *, QString> hovers[] = {
        {panels.entry(3, 2), QStringLiteral("Clicca per ascoltare Rock & Blues Network")},
        {panels.Label2, QStringLiteral("Ricerca Radio/Tv")},
        {panels.Label3, QStringLiteral("Visualizza l'elenco completo delle radio e tv disponibili")},
        {panels.Lbl_SostieniSonvela, QStringLiteral("HOT video")},
        {panels.ImgAvanti, QStringLiteral("Vai alla pagina successiva")},
        {panels.ImgIndietro, QStringLiteral("Torna alla pagina precedente")}};
    for (const auto &[control, text] : hovers) {
        QTest::mouseMove(window, inWindow(control, control->rect().center()));
        EXPECT_TRUE(description->isVisible()) << control->objectName().toStdString();
        EXPECT_EQ(description->text().toStdString(), text.toStdString());
    }

    // Back up from the entry to the listening area's tabs, then a single click.
    QTest::mouseMove(window, inWindow(panels.entry(3, 2), panels.entry(3, 2)->rect().center()));
    QTabWidget *area = main().listeningArea().Pnl_Ascolta;
    int sudoku = -1;
    for (int i = 0; i < area->count(); ++i)
        sudoku = area->widget(i)->objectName() == QLatin1String("TabSudoku") ? i : sudoku;
    ASSERT_GE(sudoku, 0);
    const QPoint tab = inWindow(area->tabBar(), area->tabBar()->tabRect(sudoku).center());
    QTest::mouseMove(window, QPoint(tab.x(), tab.y() - 4));
    QTest::mouseMove(window, tab);
    QTest::mouseClick(window, Qt::LeftButton, {}, tab);
    EXPECT_EQ(area->currentWidget()->objectName(), QStringLiteral("TabSudoku"));
    EXPECT_EQ(main().childAt(tab), area->tabBar()) << "the tab lies under another control";
}

TEST_F(ProgramLookTest, MirrorDotsShowWholeAndEachLanguageHasItsFlag)
{
    for (int n = 0; n <= 6; ++n) {
        auto *dot = main().findChild<QLabel *>(QStringLiteral("Img_Server%1").arg(n));
        ASSERT_NE(dot, nullptr);
        EXPECT_EQ(dot->size(), QSize(7, 7));
        for (const QPoint corner : {QPoint(0, 0), QPoint(6, 6), QPoint(3, 6)})
            EXPECT_EQ(main().childAt(inWindow(dot, corner)), dot) << n << " at " << corner.y();
    }

    QSet<qint64> flags;
    MainMenu &menu = main().menu();
    for (QAction *item : {menu.Italiano1, menu.Francese1, menu.Inglese1, menu.Spagnolo1}) {
        const QImage flag = item->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(flag.size(), QSize(16, 16));
        flags.insert(static_cast<qint64>(qHashBits(flag.constBits(), static_cast<size_t>(flag.sizeInBytes()))));
    }
    EXPECT_EQ(flags.size(), 4) << "each language has a flag of its own";
}

TEST_F(ProgramLookTest, InputBoxesShowTheirWholeCaption)
{
    QtDialogs real(&main());
    const QString caption = QStringLiteral("Insérer l'adresse du site web à afficher");
    int width = 0;
    int needed = 0;
    QTimer::singleShot(0, [&] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            width = box->width();
            needed = box->fontMetrics().horizontalAdvance(caption);
            box->close();
        }
    });
    EXPECT_EQ(real.inputBox(caption, QStringLiteral("Site Web:"), QStringLiteral("kept")), QStringLiteral("kept"));
    EXPECT_GT(width, needed + 100) << "room for the caption beside the title bar's buttons";
}

TEST_F(ProgramLookTest, APlayingStationCoversThePanelsInFullScreenAndTheStripTakesClicks)
{
    StationPanels &panels = main().panels();
    browsers.byName(QStringLiteral("WebBrowser3"))->finish(QStringLiteral("catalogue"), cataloguePage());
    QWindow *window = main().windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(panels.entry(1, 15), QPoint(65, 7)));
    const ListeningArea &area = main().listeningArea();
    ASSERT_TRUE(main().state().StationStarted);

    const QPoint strip = inWindow(area.Panel1, QPoint(area.Panel1->width() / 2, area.Panel1->height() / 2));
    EXPECT_TRUE(main().childAt(strip) == area.Panel1 || area.Panel1->isAncestorOf(main().childAt(strip)))
        << "the sponsor strip lies under the listening area's frame";

    main().menu().Atuttoschermo1->trigger();
    QCoreApplication::processEvents();
    const QPoint panel = inWindow(panels.PageControl1, panels.PageControl1->rect().center());
    QWidget *top = main().childAt(panel);
    EXPECT_TRUE(area.Pnl_Ascolta->isAncestorOf(top))
        << "the panels show through the player: " << (top ? top->objectName().toStdString() : "nothing");
    main().menu().Atuttoschermo1->trigger();
}
