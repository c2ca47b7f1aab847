#include "options/tfrm_gestioneopzioni.h"

#include "options/playlistentries.h"
#include "options/stationselection.h"
#include "options/typedtime.h"
#include "platform/dialogs.h"
#include "settings/atomicfile.h"
#include "settings/optionsfile.h"
#include "settings/optionsstate.h"
#include "settings/playlistfile.h"
#include "settings/settingslines.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 363;
constexpr int ClientHeight = 384;

// "Cambia" and "Cancella" of each slot row: the first five rows carry the
// low numbers, rows 6 to 15 alternate from 15 upwards.
int changeButtonNumber(int slot) { return slot <= 5 ? 2 + slot : 15 + 2 * (slot - 6); }

int clearButtonNumber(int slot) { return slot <= 5 ? 7 + slot : 16 + 2 * (slot - 6); }

QString cell(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void setCell(QTableWidget *grid, int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    // A blank cell would be nameless to a screen reader: it says its column.
    const QTableWidgetItem *header = grid->horizontalHeaderItem(column);
    if (text.isEmpty() && header)
        item->setData(Qt::AccessibleTextRole, header->text());
    grid->setItem(row, column, item);
}

// A button of a numbered row says its row to screen readers ("Cambia 3");
// the language applier keeps the name with the caption.
void nameWithSlot(QPushButton *button, int slot)
{
    button->setProperty("slot", slot);
    button->setAccessibleName(button->text() + QLatin1Char(' ') + QString::number(slot));
}

const QString NoPickText = QStringLiteral("Nessuna radio selezionata");
const QString PickErrorText = QStringLiteral("Errore nella selezione");

} // namespace

TFrm_GestioneOpzioni::TFrm_GestioneOpzioni(OptionsState &state, QString settingsFolder, Dialogs &dialogs,
                                           QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_state(state)
    , m_settingsFolder(std::move(settingsFolder))
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Frm_GestioneOpzioni"));
    setWindowTitle(QStringLiteral("Opzioni Sonvela"));
    setFixedSize(ClientWidth, ClientHeight);
    // The design's black ground; the rest follows the application's look.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(buildStartupPage(), QStringLiteral("Opzioni di avvio"));
    m_pages->addTab(buildStationsPage(), QStringLiteral("Radio personali"));
    m_pages->addTab(buildPlaylistPage(), QStringLiteral("Radio in PlayList"));
    // Three captions share 363 pixels: split the row evenly in a smaller type
    // rather than hide a tab behind scroll arrows.
    m_pages->setUsesScrollButtons(false);
    m_pages->setElideMode(Qt::ElideNone);
    m_pages->tabBar()->setExpanding(true);
    m_pages->setStyleSheet(QStringLiteral("QTabBar::tab { font-size: 9px; padding: 2px 2px; }"));

    QPushButton *leave = button(QStringLiteral("BitBtn1"), QStringLiteral("Esci senza salvare"));
    QPushButton *save = button(QStringLiteral("BitBtn2"), QStringLiteral("Salva ed esci"));
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(leave);
    bottom->addStretch();
    bottom->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(bottom);

    m_startupName->setText(m_state.startupStation.name);
}

QPushButton *TFrm_GestioneOpzioni::button(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel *TFrm_GestioneOpzioni::label(const QString &name, const QString &caption)
{
    auto *l = new QLabel(caption, this);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QCheckBox *TFrm_GestioneOpzioni::checkBox(const QString &name, bool checked)
{
    auto *box = new QCheckBox(this);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QWidget *TFrm_GestioneOpzioni::buildStartupPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet1"));
    m_autorun = checkBox(QStringLiteral("Chk_AvvioAutomatico"), false);
    m_autoPlay = checkBox(QStringLiteral("Chk_EsecuzioneRadio"), false);
    m_search = checkBox(QStringLiteral("Chk_Google"), true);
    m_messenger = checkBox(QStringLiteral("Chk_Msn"), true);
    // The design's "Seleziona" button; apply language writes its text 32 over it.
    m_select = button(QStringLiteral("SpeedButton1"), QStringLiteral("Seleziona"));
    connect(m_select, &QPushButton::clicked, this, &TFrm_GestioneOpzioni::SpeedButton1Click);
    m_startupName = label(QStringLiteral("Lbl_NomeRadio"), QString());

    auto *grid = new QGridLayout(page);
    grid->addWidget(m_autorun, 0, 0);
    grid->addWidget(label(QStringLiteral("Lbl_AvvioAutomatico"),
                        QStringLiteral("Esecuzione automatica \"avvia in automatico il software Sonvela\"")),
        0, 1, 1, 2);
    grid->addWidget(m_autoPlay, 1, 0);
    grid->addWidget(
        label(QStringLiteral("Lbl_EsecuzioneRadio"), QStringLiteral("Esegui la mia radio preferita in automatico")), 1,
        1);
    grid->addWidget(m_select, 1, 2);
    grid->addWidget(m_startupName, 2, 1, 1, 2);
    grid->addWidget(m_search, 3, 0);
    grid->addWidget(
        label(QStringLiteral("Lbl_Google"), QStringLiteral("Visualizza Googlesearch all'avvio")), 3, 1, 1, 2);
    grid->addWidget(m_messenger, 4, 0);
    grid->addWidget(
        label(QStringLiteral("Lbl_Msn"), QStringLiteral("Attiva plug-in per la musica di MSN Messenger")), 4, 1, 1, 2);
    grid->setRowStretch(5, 1);

    // The caption beside each box is its name for screen readers.
    const std::pair<QCheckBox *, const char *> captions[] = { { m_autorun, "Lbl_AvvioAutomatico" },
        { m_autoPlay, "Lbl_EsecuzioneRadio" }, { m_search, "Lbl_Google" }, { m_messenger, "Lbl_Msn" } };
    for (const auto &[box, name] : captions)
        findChild<QLabel *>(QLatin1String(name))->setBuddy(box);
    connect(m_autoPlay, &QCheckBox::toggled, this, &TFrm_GestioneOpzioni::showStartupStation);
    showStartupStation(false);
    return page;
}

QWidget *TFrm_GestioneOpzioni::buildStationsPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto *rows = new QWidget(page);
    auto *grid = new QGridLayout(rows);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const QString number = QString::number(slot);
        QPushButton *clear = button(QStringLiteral("BitBtn%1").arg(clearButtonNumber(slot)), QStringLiteral("Cancella"));
        QPushButton *change = button(QStringLiteral("BitBtn%1").arg(changeButtonNumber(slot)), QStringLiteral("Cambia"));
        connect(clear, &QPushButton::clicked, this, [this, slot] { BitBtn8Click(slot); });
        connect(change, &QPushButton::clicked, this, [this, slot] { BitBtn3Click(slot); });
        nameWithSlot(clear, slot);
        nameWithSlot(change, slot);
        grid->addWidget(clear, slot - 1, 0);
        grid->addWidget(change, slot - 1, 1);
        grid->addWidget(label(QStringLiteral("Lbl_R_") + number, QStringLiteral("Radio %1:").arg(slot)), slot - 1, 2);
        m_stationNames[slot - 1] = label(QStringLiteral("Lbl_Radio") + number, QString());
        grid->addWidget(m_stationNames[slot - 1], slot - 1, 3);
    }
    grid->setColumnStretch(3, 1);
    // Buttons as wide as their captions, so that station names get the room.
    rows->setStyleSheet(QStringLiteral("QPushButton { padding: 3px 8px; }"));
    auto *scroll = new QScrollArea(page);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return page;
}

QWidget *TFrm_GestioneOpzioni::buildPlaylistPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet3"));
    m_timerShown = new QTableWidget(1, 2, page);
    m_timerShown->setObjectName(QStringLiteral("StrGrd_TimerTmp"));
    m_timerShown->setHorizontalHeaderLabels({ QStringLiteral("Ora"), QStringLiteral("Emittente") });
    m_timerShown->setColumnWidth(0, 63);
    m_timerShown->setColumnWidth(1, 260);
    m_timerShown->verticalHeader()->setDefaultSectionSize(15);
    m_timerShown->verticalHeader()->hide();
    m_timerShown->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_timerShown->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_timerShown, &QTableWidget::cellDoubleClicked, this, &TFrm_GestioneOpzioni::StrGrd_TimerTmpDblClick);
    m_timerHidden = new QTableWidget(1, 4, page);
    m_timerHidden->setObjectName(QStringLiteral("StrGrd_Timer"));
    m_timerHidden->hide();
    m_playlist = checkBox(QStringLiteral("Chk_Emittenti"), false);

    auto *timer = new QHBoxLayout;
    timer->addWidget(m_playlist);
    timer->addWidget(label(QStringLiteral("Lbl_Emittenti"), QStringLiteral("Attiva timer")), 1);
    findChild<QLabel *>(QStringLiteral("Lbl_Emittenti"))->setBuddy(m_playlist);
    auto *buttons = new QHBoxLayout;
    QPushButton *remove = button(QStringLiteral("BitBtn13"), QStringLiteral("Cancella emittente"));
    QPushButton *add = button(QStringLiteral("BitBtn14"), QStringLiteral("Aggiungi emittente"));
    connect(remove, &QPushButton::clicked, this, &TFrm_GestioneOpzioni::BitBtn13Click);
    connect(add, &QPushButton::clicked, this, &TFrm_GestioneOpzioni::BitBtn14Click);
    buttons->addWidget(remove);
    buttons->addWidget(add);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_timerShown, 1);
    layout->addWidget(m_timerHidden);
    layout->addLayout(timer);
    layout->addLayout(buttons);
    return page;
}

void TFrm_GestioneOpzioni::showStartupStation(bool shown)
{
    m_startupName->setVisible(shown);
    m_select->setVisible(shown);
}

void TFrm_GestioneOpzioni::readOptions()
{
    const QString path = OptionsFile::path(m_settingsFolder);
    const auto lines = SettingsLines::readFile(path);
    if (lines) {
        const OptionsFile::Edited edited = OptionsFile::readForEditing(*lines, m_state);
        if (edited.autorun)
            m_autorun->setChecked(*edited.autorun);
        if (edited.autoPlay) {
            m_autoPlay->setChecked(*edited.autoPlay);
            showStartupStation(*edited.autoPlay);
        }
        if (edited.searchAtStart)
            m_search->setChecked(*edited.searchAtStart);
        if (edited.messenger)
            m_messenger->setChecked(*edited.messenger);
        if (edited.playlist)
            m_playlist->setChecked(*edited.playlist);
        m_state = edited.state;
    } else {
        AtomicFile(path).write(QByteArray());
    }
    for (int slot = 1; slot <= SlotCount; ++slot)
        m_stationNames[slot - 1]->setText(m_state.personalStations[slot - 1].name);
    loadPlaylist();
    m_pendingStartupPick = 0;
}

void TFrm_GestioneOpzioni::loadPlaylist() { setPlaylistRows(PlaylistFile::read(m_settingsFolder)); }

UploadEntries TFrm_GestioneOpzioni::writeOptionsFile()
{
    if (m_pendingStartupPick != 0)
        m_state.startupStation.id = m_pendingStartupPick;
    if (!m_startupName->text().isEmpty())
        m_state.startupStation.name = m_startupName->text();

    OptionsRecord record;
    record.autorun = m_autorun->isChecked();
    record.autoPlay = m_autoPlay->isChecked();
    record.startupStation = m_state.startupStation;
    record.personalStations = m_state.personalStations;
    record.searchAtStart = m_search->isChecked();
    record.messenger = m_messenger->isChecked();
    record.playlist = m_playlist->isChecked();
    record.languageIndex = m_state.languageIndex;

    return OptionsFile::write(m_settingsFolder, record);
}

void TFrm_GestioneOpzioni::writePlaylist()
{
    PlaylistFile::write(m_settingsFolder, playlistRows());
}

bool TFrm_GestioneOpzioni::runModal(int page)
{
    m_pages->setCurrentIndex(page);
    return exec() == QDialog::Accepted;
}

bool TFrm_GestioneOpzioni::autoPlayChecked() const
{
    return m_autoPlay->isChecked();
}

QString TFrm_GestioneOpzioni::startupStationCaption() const
{
    return m_startupName->text();
}

bool TFrm_GestioneOpzioni::autorunChecked() const
{
    return m_autorun->isChecked();
}

bool TFrm_GestioneOpzioni::searchAtStartChecked() const
{
    return m_search->isChecked();
}

bool TFrm_GestioneOpzioni::messengerChecked() const
{
    return m_messenger->isChecked();
}

bool TFrm_GestioneOpzioni::playlistChecked() const
{
    return m_playlist->isChecked();
}

std::vector<PlaylistRow> TFrm_GestioneOpzioni::playlistRows() const
{
    std::vector<PlaylistRow> rows;
    for (int row = 0; row < m_timerShown->rowCount(); ++row) {
        rows.push_back({ cell(m_timerShown, row, 0), cell(m_timerHidden, row, 0), cell(m_timerHidden, row, 1),
            cell(m_timerHidden, row, 2), cell(m_timerHidden, row, 3) });
    }
    return rows;
}

void TFrm_GestioneOpzioni::setPlaylistRows(const std::vector<PlaylistRow> &rows)
{
    const int count = std::max<int>(1, static_cast<int>(rows.size()));
    m_timerShown->clearContents();
    m_timerHidden->clearContents();
    m_timerShown->setRowCount(count);
    m_timerHidden->setRowCount(count);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const PlaylistRow &entry = rows[row];
        setCell(m_timerShown, row, 0, entry.time);
        setCell(m_timerShown, row, 1, entry.stationName);
        setCell(m_timerHidden, row, 0, entry.key);
        setCell(m_timerHidden, row, 1, entry.stationId);
        setCell(m_timerHidden, row, 2, entry.stationName);
        setCell(m_timerHidden, row, 3, entry.stationLabel);
    }
    for (int row = static_cast<int>(rows.size()); row < count; ++row) {
        for (int column = 0; column < m_timerShown->columnCount(); ++column)
            setCell(m_timerShown, row, column, QString());
    }
}

void TFrm_GestioneOpzioni::setSelectionWindows(StationSelection *personal, StationSelection *programmed)
{
    m_personal = personal;
    m_programmed = programmed;
}

StationPick TFrm_GestioneOpzioni::pick(StationSelection *selection)
{
    const StationPick picked = selection ? selection->pickStation() : StationPick();
    // What was there stays: an unread capture is no station.
    if (picked.result == StationPick::Result::Unreadable)
        m_dialogs.error(picked.error);
    return picked;
}

std::optional<StationPick> TFrm_GestioneOpzioni::pickPersonal()
{
    const StationPick picked = pick(m_personal);
    if (picked.result == StationPick::Result::NoPick)
        m_dialogs.message(NoPickText);
    if (picked.result != StationPick::Result::Picked)
        return std::nullopt;
    return picked;
}

void TFrm_GestioneOpzioni::BitBtn3Click(int slot)
{
    const std::optional<StationPick> picked = pickPersonal();
    if (!picked)
        return;
    // Stored as it comes: a capture without an id empties the slot.
    m_state.personalStations[static_cast<std::size_t>(slot - 1)] = { picked->id, picked->name, picked->label };
    m_stationNames[static_cast<std::size_t>(slot - 1)]->setText(picked->name);
}

void TFrm_GestioneOpzioni::BitBtn8Click(int slot)
{
    m_state.personalStations[static_cast<std::size_t>(slot - 1)] = PersonalStation();
    m_stationNames[static_cast<std::size_t>(slot - 1)]->clear();
}

void TFrm_GestioneOpzioni::SpeedButton1Click()
{
    // The start-up station keeps no panel label.
    if (const std::optional<StationPick> picked = pickPersonal()) {
        m_pendingStartupPick = picked->id;
        m_startupName->setText(picked->name);
    }
}

int TFrm_GestioneOpzioni::currentEntryRow() const
{
    return std::max(0, m_timerShown->currentRow());
}

bool TFrm_GestioneOpzioni::readTypedTime(const QString &defaultText, PlaylistRow &row)
{
    const QString answer = m_dialogs.inputBox(QStringLiteral("Orario di attivazione"),
                                              QStringLiteral("Inserire l'orario in cui attivare l'emittente"),
                                              defaultText);
    const TypedTime typed = TypedTime::read(answer, m_timeFormat);
    switch (typed.status) {
    case TypedTime::Status::Cancelled:
        m_dialogs.message(QStringLiteral("Operazione annullata"));
        return false;
    case TypedTime::Status::BadFormat:
        m_dialogs.message(QStringLiteral("Errore nel formato dell'ora inserito"));
        return false;
    case TypedTime::Status::Accepted:
        break;
    }
    row.time = typed.shown;
    row.key = typed.timeKey;
    return true;
}

bool TFrm_GestioneOpzioni::pickPlaylistStation(PlaylistRow &row)
{
    const StationPick picked = pick(m_programmed);
    switch (picked.result) {
    case StationPick::Result::Cancelled:
    case StationPick::Result::Unreadable:
        return false;
    case StationPick::Result::NoPick:
        // The entry goes on without a station; it fires and plays nothing.
        m_dialogs.message(NoPickText);
        row.stationId = QStringLiteral("0");
        row.stationName.clear();
        row.stationLabel.clear();
        return true;
    case StationPick::Result::Picked:
        break;
    }
    if (picked.id == 0) {
        m_dialogs.message(PickErrorText);
        return false;
    }
    row.stationId = QString::number(picked.id);
    row.stationName = picked.name;
    row.stationLabel = picked.label;
    return true;
}

void TFrm_GestioneOpzioni::BitBtn14Click()
{
    PlaylistRow entry;
    if (!readTypedTime(TypedTime::placeholder(), entry) || !pickPlaylistStation(entry))
        return;
    std::vector<PlaylistRow> rows = playlistRows();
    PlaylistEntries::rowForNewEntry(rows) = entry;
    PlaylistEntries::sort(rows);
    setPlaylistRows(rows);
}

void TFrm_GestioneOpzioni::BitBtn13Click()
{
    std::vector<PlaylistRow> rows = playlistRows();
    PlaylistEntries::remove(rows, currentEntryRow());
    setPlaylistRows(rows);
}

void TFrm_GestioneOpzioni::StrGrd_TimerTmpDblClick(int row, int column)
{
    std::vector<PlaylistRow> rows = playlistRows();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    PlaylistRow &entry = rows[static_cast<std::size_t>(row)];
    if (column == 0) {
        // Offered without its seconds, so 09.30.00 comes back as 09.30.
        if (!readTypedTime(entry.time.chopped(std::min<qsizetype>(3, entry.time.size())), entry))
            return;
        PlaylistEntries::sort(rows);
    } else if (!pickPlaylistStation(entry)) {
        return;
    }
    setPlaylistRows(rows);
}
