#include "options/tfrm_gestioneopzioni.h"

#include "app/languageapplier.h"

#include "fakeselection.h"
#include "options/timeformat.h"
#include "settings/optionsstate.h"
#include "settings/sandbox.h"
#include "service/linerecords.h"
#include "support/fakedialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class OptionsWindowTest : public SettingsSandbox
{
protected:
    void SetUp() override
    {
        SettingsSandbox::SetUp();
        state.startupStation = { 12, QStringLiteral("Radio Avvio") };
        window = std::make_unique<TFrm_GestioneOpzioni>(state, settings, dialogs);
        window->setSelectionWindows(&personal, &programmed);
        window->setTimeFormat(TimeFormat(QLatin1Char('.')));
    }

    template <typename T> T *child(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(name); }
    QPushButton *button(int n) const
    {
        return child<QPushButton>(QStringLiteral("BitBtn%1").arg(n).toLatin1().constData());
    }

    QTableWidget *shownGrid() const { return child<QTableWidget>("StrGrd_TimerTmp"); }
    QStringList gridTexts() const
    {
        QStringList texts;
        const QTableWidget *grid = shownGrid();
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 2; ++column)
                cells << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
            texts << cells.join(QLatin1Char('|'));
        }
        return texts;
    }
    void doubleClickCell(int row, int column)
    {
        QTableWidget *grid = shownGrid();
        child<QTabWidget>("PageControl1")->setCurrentIndex(2);
        window->show();
        grid->setCurrentCell(row, column);
        const QRect cell = grid->visualItemRect(grid->item(row, column));
        // A view takes a double click only on the index the press went to.
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    OptionsState state;
    FakeDialogs dialogs;
    FakeSelection personal;
    FakeSelection programmed;
    std::unique_ptr<TFrm_GestioneOpzioni> window;
};

TEST_F(OptionsWindowTest, DesignStateAndCaption)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Opzioni Sonvela"));
    EXPECT_EQ(window->objectName(), QStringLiteral("Frm_GestioneOpzioni"));
    EXPECT_FALSE(box("Chk_AvvioAutomatico")->isChecked());
    EXPECT_FALSE(box("Chk_EsecuzioneRadio")->isChecked());
    EXPECT_TRUE(box("Chk_Google")->isChecked());
    EXPECT_TRUE(box("Chk_Msn")->isChecked());
    EXPECT_EQ(child<QLabel>("Lbl_NomeRadio")->text(), QStringLiteral("Radio Avvio"));
    EXPECT_TRUE(child<QLabel>("Lbl_NomeRadio")->isHidden());
    EXPECT_TRUE(child<QPushButton>("SpeedButton1")->isHidden());
    auto *grid = child<QTableWidget>("StrGrd_TimerTmp");
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Ora"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Emittente"));
    EXPECT_EQ(child<QTableWidget>("StrGrd_Timer")->columnCount(), 4);
    EXPECT_TRUE(child<QTableWidget>("StrGrd_Timer")->isHidden());
    for (int slot = 1; slot <= 15; ++slot)
        EXPECT_NE(window->findChild<QLabel *>(QStringLiteral("Lbl_R_%1").arg(slot)), nullptr) << slot;
}

TEST_F(OptionsWindowTest, LeavingButtonsCloseWithTheirResults)
{
    window->show();
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    window->show();
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(OptionsWindowTest, CambiaAndCancellaActOnTheSlotAtOnce)
{
    // "Cambia" of slot 3 is BitBtn5, of slot 6 BitBtn15; "Cancella" of slot 3 is BitBtn10.
    StationPick unread;
    unread.result = StationPick::Result::Unreadable;
    unread.error = QStringLiteral("Cannot open file \"tmp2SV.txt\".");
    personal.answers = { FakeSelection::picked(17, "Jazz & Blues", "JB"), FakeSelection::noPick(), StationPick(), unread,
                         FakeSelection::picked(0, "", ""), FakeSelection::picked(4, "Sei", "L6") };
    QTest::mouseClick(button(5), Qt::LeftButton);
    EXPECT_EQ(state.personalStations[2], (PersonalStation { 17, QStringLiteral("Jazz & Blues"), QStringLiteral("JB") }));
    EXPECT_EQ(child<QLabel>("Lbl_Radio3")->text(), QStringLiteral("Jazz & Blues"));

    QTest::mouseClick(button(5), Qt::LeftButton); // saved without a pick
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("Nessuna radio selezionata") });
    QTest::mouseClick(button(5), Qt::LeftButton); // cancelled
    EXPECT_EQ(dialogs.messages.size(), 1);
    QTest::mouseClick(button(5), Qt::LeftButton); // the capture could not be read
    EXPECT_EQ(dialogs.errors, QStringList { unread.error });
    EXPECT_EQ(state.personalStations[2].id, 17);

    // A capture without an id is stored as it comes: the slot empties.
    QTest::mouseClick(button(5), Qt::LeftButton);
    EXPECT_EQ(state.personalStations[2], PersonalStation());

    QTest::mouseClick(button(15), Qt::LeftButton);
    EXPECT_EQ(state.personalStations[5].name, QStringLiteral("Sei"));
    QTest::mouseClick(button(16), Qt::LeftButton);
    EXPECT_EQ(state.personalStations[5], PersonalStation());
    EXPECT_TRUE(child<QLabel>("Lbl_Radio6")->text().isEmpty());
    EXPECT_EQ(personal.opened, 6);
    EXPECT_EQ(programmed.opened, 0);
}

TEST_F(OptionsWindowTest, SelezionaPicksTheStartupStationForTheSave)
{
    box("Chk_EsecuzioneRadio")->click();
    personal.answers = { FakeSelection::picked(23, "Radio Nuova", "RN"), FakeSelection::noPick() };
    QTest::mouseClick(child<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(window->pendingStartupPick(), 23);
    EXPECT_EQ(child<QLabel>("Lbl_NomeRadio")->text(), QStringLiteral("Radio Nuova"));
    QTest::mouseClick(child<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(window->pendingStartupPick(), 23);
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("Nessuna radio selezionata") });

    window->writeOptionsFile();
    EXPECT_TRUE(get(QStringLiteral("OpzSV.txt")).startsWith(crlf({ "NO", "SI", "23", "Radio Nuova" })));
}

TEST_F(OptionsWindowTest, AddingEntriesReadsTimeThenStationAndSorts)
{
    dialogs.inputAnswers = { QStringLiteral("21.05"), QStringLiteral("9.30"), QStringLiteral("hh.mm"),
                             QStringLiteral("25.99"), QStringLiteral("7.00"), QStringLiteral("8.00"),
                             QStringLiteral("6.15") };
    programmed.answers = { FakeSelection::picked(7, "Sera", "S"), FakeSelection::picked(5, "Mattina", "M"),
                           FakeSelection::picked(0, "", ""), FakeSelection::noPick() };
    for (int n = 0; n < 7; ++n)
        QTest::mouseClick(button(14), Qt::LeftButton);
    // 7.00 was given id 0, 8.00 no pick, 6.15 cancelled in the selection window.
    EXPECT_EQ(dialogs.messages,
              QStringList({ QStringLiteral("Operazione annullata"), QStringLiteral("Errore nel formato dell'ora inserito"),
                            QStringLiteral("Errore nella selezione"), QStringLiteral("Nessuna radio selezionata") }));
    EXPECT_EQ(dialogs.questions.first(),
              QStringLiteral("Orario di attivazione|Inserire l'orario in cui attivare l'emittente"));
    EXPECT_EQ(gridTexts(), QStringList({ QStringLiteral("08.00.00|"), QStringLiteral("09.30.00|Mattina"),
                                         QStringLiteral("21.05.00|Sera") }));
    const std::vector<PlaylistRow> rows = window->playlistRows();
    EXPECT_EQ(rows[0], (PlaylistRow { QStringLiteral("08.00.00"), QStringLiteral("0800"), QStringLiteral("0"), {}, {} }));
    EXPECT_EQ(rows[1], (PlaylistRow { QStringLiteral("09.30.00"), QStringLiteral("0930"), QStringLiteral("5"),
                                      QStringLiteral("Mattina"), QStringLiteral("M") }));
    EXPECT_EQ(programmed.opened, 5);
}

TEST_F(OptionsWindowTest, GridDoubleClickChangesTimeOrStationAndDeleteRemoves)
{
    window->setPlaylistRows({ { QStringLiteral("09.30.00"), QStringLiteral("0930"), QStringLiteral("5"),
                                QStringLiteral("Mattina"), QStringLiteral("M") },
                              { QStringLiteral("21.05.00"), QStringLiteral("2105"), QStringLiteral("7"),
                                QStringLiteral("Sera"), QStringLiteral("S") } });
    dialogs.inputAnswers = { QStringLiteral("23.00") };
    doubleClickCell(0, 0);
    // The old time is offered without its seconds.
    EXPECT_EQ(gridTexts(), QStringList({ QStringLiteral("21.05.00|Sera"), QStringLiteral("23.00.00|Mattina") }));

    // Changing the station does not sort; a no pick leaves an empty station.
    programmed.answers = { FakeSelection::picked(9, "Nove", "N"), FakeSelection::noPick() };
    doubleClickCell(1, 1);
    EXPECT_EQ(gridTexts(), QStringList({ QStringLiteral("21.05.00|Sera"), QStringLiteral("23.00.00|Nove") }));
    doubleClickCell(0, 1);
    EXPECT_EQ(window->playlistRows()[0].stationId, QStringLiteral("0"));
    EXPECT_EQ(gridTexts().first(), QStringLiteral("21.05.00|"));

    // Cancelling the change of time keeps the time as it was.
    doubleClickCell(1, 0);
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Orario di attivazione|Inserire l'orario in cui attivare l'emittente"));
    EXPECT_EQ(gridTexts().last(), QStringLiteral("23.00.00|Nove"));

    shownGrid()->setCurrentCell(0, 0);
    QTest::mouseClick(button(13), Qt::LeftButton);
    EXPECT_EQ(gridTexts(), QStringList({ QStringLiteral("23.00.00|Nove") }));
    QTest::mouseClick(button(13), Qt::LeftButton);
    EXPECT_EQ(gridTexts(), QStringList({ QStringLiteral("|") }));
    EXPECT_EQ(child<QTableWidget>("StrGrd_Timer")->rowCount(), 1);
}

TEST_F(OptionsWindowTest, AutoPlayBoxShowsTheStartupStation)
{
    box("Chk_EsecuzioneRadio")->click();
    EXPECT_FALSE(child<QLabel>("Lbl_NomeRadio")->isHidden());
    EXPECT_FALSE(child<QPushButton>("SpeedButton1")->isHidden());
    box("Chk_EsecuzioneRadio")->click();
    EXPECT_TRUE(child<QLabel>("Lbl_NomeRadio")->isHidden());
}

// Through the table the language switch uses.
TEST_F(OptionsWindowTest, LanguageEntriesReachTheirControls)
{
    LanguageApplier::apply({window.get()}, LanguageApplier::optionsWindowEntries(),
                           [](int n) { return QStringLiteral("T%1").arg(n); });
    auto *pages = child<QTabWidget>("PageControl1");
    EXPECT_EQ(pages->tabText(pages->indexOf(child<QWidget>("TabSheet1"))), QStringLiteral("T25"));
    EXPECT_EQ(pages->tabText(pages->indexOf(child<QWidget>("TabSheet2"))), QStringLiteral("T30"));
    EXPECT_EQ(pages->tabText(pages->indexOf(child<QWidget>("TabSheet3"))), QStringLiteral("T33"));
    const std::pair<const char *, const char *> labels[] = { { "Lbl_AvvioAutomatico", "T26" },
        { "Lbl_EsecuzioneRadio", "T27" }, { "Lbl_Google", "T28" }, { "Lbl_Msn", "T29" }, { "Lbl_Emittenti", "T34" } };
    for (const auto &[name, text] : labels)
        EXPECT_EQ(child<QLabel>(name)->text(), QLatin1String(text)) << name;
    EXPECT_EQ(child<QPushButton>("SpeedButton1")->text(), QStringLiteral("T32"));
    const std::pair<int, const char *> buttons[]
        = { { 1, "T39" }, { 2, "T40" }, { 13, "T37" }, { 14, "T38" }, { 3, "T32" }, { 7, "T32" }, { 8, "T31" },
              { 12, "T31" }, { 15, "Cambia" }, { 16, "Cancella" }, { 33, "Cambia" }, { 34, "Cancella" } };
    for (const auto &[n, text] : buttons)
        EXPECT_EQ(button(n)->text(), QLatin1String(text)) << n;
}

TEST_F(OptionsWindowTest, ReadingFillsControlsAndTheMainWindowsSlots)
{
    QByteArray bytes = crlf({ "SI", "SI", "33", "Ignored", "5", "Cinque", "L5" });
    for (int line = 8; line <= 19; ++line)
        bytes += "\r\n";
    bytes += crlf({ "NO" }); // line 20; the file ends before line 21
    put(QStringLiteral("OpzSV.txt"), bytes);
    box("Chk_Emittenti")->setChecked(true);
    window->setPendingStartupPick(77);
    window->readOptions();
    EXPECT_TRUE(box("Chk_AvvioAutomatico")->isChecked());
    EXPECT_TRUE(box("Chk_EsecuzioneRadio")->isChecked());
    EXPECT_FALSE(child<QLabel>("Lbl_NomeRadio")->isHidden());
    EXPECT_FALSE(box("Chk_Google")->isChecked());
    EXPECT_TRUE(box("Chk_Msn")->isChecked());
    EXPECT_TRUE(box("Chk_Emittenti")->isChecked());
    EXPECT_EQ(state.startupStation, (StartupStation { 33, QStringLiteral("Radio Avvio") }));
    EXPECT_EQ(state.personalStations[0], (PersonalStation { 5, QStringLiteral("Cinque"), QStringLiteral("L5") }));
    EXPECT_EQ(child<QLabel>("Lbl_Radio1")->text(), QStringLiteral("Cinque"));
    EXPECT_EQ(window->pendingStartupPick(), 0);
}

TEST_F(OptionsWindowTest, ReadingWithoutFilesCreatesThemEmpty)
{
    window->readOptions();
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), QByteArray());
    EXPECT_EQ(get(QStringLiteral("Progrvlm.txt")), QByteArray());
    EXPECT_EQ(child<QTableWidget>("StrGrd_TimerTmp")->rowCount(), 1);
}

TEST_F(OptionsWindowTest, PlaylistFillsBothGrids)
{
    put(QStringLiteral("Progrvlm.txt"),
        crlf({ "09.30.00", "0930", "12", "Radio Uno", "R1", "21.05.00", "2105", "7", "Radio Sette", "R7" }));
    window->loadPlaylist();
    auto *shown = child<QTableWidget>("StrGrd_TimerTmp");
    auto *hidden = child<QTableWidget>("StrGrd_Timer");
    ASSERT_EQ(shown->rowCount(), 2);
    ASSERT_EQ(hidden->rowCount(), 2);
    EXPECT_EQ(shown->item(1, 0)->text(), QStringLiteral("21.05.00"));
    EXPECT_EQ(shown->item(1, 1)->text(), QStringLiteral("Radio Sette"));
    EXPECT_EQ(hidden->item(1, 0)->text(), QStringLiteral("2105"));
    EXPECT_EQ(hidden->item(1, 3)->text(), QStringLiteral("R7"));
}

TEST_F(OptionsWindowTest, SavingWritesBothFilesByteForByte)
{
    state.languageIndex = 2;
    state.personalStations[1] = { 22, QStringLiteral("Due"), QStringLiteral("L2") };
    state.personalStations[14] = { 15, QStringLiteral("Quindici"), QStringLiteral("L15") };
    box("Chk_EsecuzioneRadio")->setChecked(true);
    box("Chk_Msn")->setChecked(false);
    window->setPendingStartupPick(40);
    window->setPlaylistRows({ { QStringLiteral("09.30.00"), QStringLiteral("0930"), QStringLiteral("12"),
        QStringLiteral("Radio Uno"), QStringLiteral("R1") } });
    const UploadEntries entries = window->writeOptionsFile();
    window->writePlaylist();

    QByteArray expected = crlf({ "NO", "SI", "40", "Radio Avvio", "0", "", "", "22", "Due", "L2" });
    for (int slot = 3; slot <= 5; ++slot)
        expected += crlf({ "0", "", "" });
    expected += crlf({ "SI", "NO", "NO" });
    for (int slot = 6; slot <= 14; ++slot)
        expected += crlf({ "0", "", "" });
    expected += crlf({ "15", "Quindici", "L15", "2" });
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), expected);
    EXPECT_EQ(get(QStringLiteral("Progrvlm.txt")), crlf({ "09.30.00", "0930", "12", "Radio Uno", "R1" }));
    EXPECT_EQ(entries.size(), 53);
    EXPECT_EQ(entries.at(2), QStringLiteral("40"));
    EXPECT_EQ(state.startupStation.id, 40);
}

TEST_F(OptionsWindowTest, PlaylistWhoseLastRowHasNoOraIsSavedEmpty)
{
    put(QStringLiteral("Progrvlm.txt"), crlf({ "09.30.00", "0930", "12", "Radio Uno", "R1" }));
    window->setPlaylistRows({ { QStringLiteral("09.30.00"), QStringLiteral("0930"), QStringLiteral("12"),
                                  QStringLiteral("Radio Uno"), QStringLiteral("R1") },
        { QString(), QString(), QStringLiteral("7"), QStringLiteral("Sette"), QString() } });
    window->writePlaylist();
    EXPECT_EQ(get(QStringLiteral("Progrvlm.txt")), QByteArray());
}

TEST_F(OptionsWindowTest, SaveIntoAReadOnlyFolderKeepsWhatIsOnDisk)
{
    if (runningAsRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    put(QStringLiteral("OpzSV.txt"), crlf({ "SI" }));
    put(QStringLiteral("Progrvlm.txt"), crlf({ "09.30.00" }));
    ASSERT_TRUE(QFile::setPermissions(settings, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_THROW(window->writeOptionsFile(), FileError);
    EXPECT_THROW(window->writePlaylist(), FileError);
    EXPECT_EQ(get(QStringLiteral("OpzSV.txt")), crlf({ "SI" }));
    EXPECT_EQ(get(QStringLiteral("Progrvlm.txt")), crlf({ "09.30.00" }));
}

} // namespace

TEST_F(OptionsWindowTest, EveryTabFitsTheRowInEachLanguage)
{
    // The longest captions of the four languages; a tab outside the row hides
    // behind scroll arrows.
    auto *pages = child<QTabWidget>("PageControl1");
    pages->setTabText(0, QStringLiteral("Options de démarrage"));
    pages->setTabText(1, QStringLiteral("Radios personnelles"));
    pages->setTabText(2, QStringLiteral("Radios in playlist"));
    window->show();
    QTabBar *bar = pages->tabBar();
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << pages->tabText(i).toStdString();
}
