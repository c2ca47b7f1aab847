#include "recorderpage.h"

#include "audiorecord.h"
#include "audiorecordmodule.h"
#include "diskfigures.h"
#include "diskusagepanel.h"
#include "installationpanel.h"
#include "recordersettingsfile.h"
#include "recordingfilename.h"
#include "recordingformats.h"

#include "platform/dialogs.h"
#include "platform/shell.h"
#include "service/linerecords.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

enum class Glyph { Record, Stop, Pause };

QIcon glyph(Glyph kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (kind) {
    case Glyph::Record:
        p.setBrush(QColor(0xe0, 0x20, 0x20));
        p.drawEllipse(QRectF(2, 2, 12, 12));
        break;
    case Glyph::Stop:
        p.setBrush(QColor(0xdd, 0xdd, 0xdd));
        p.drawRect(QRectF(3, 3, 10, 10));
        break;
    case Glyph::Pause:
        p.setBrush(QColor(0xdd, 0xdd, 0xdd));
        p.drawRect(QRectF(3, 2, 4, 12));
        p.drawRect(QRectF(9, 2, 4, 12));
        break;
    }
    return QIcon(pixmap);
}

QLabel *caption(QWidget *parent, const char *text, QRect geometry)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(geometry);
    return label;
}

const QString PauseCaption = QStringLiteral("Pause");
const QString ResumeCaption = QStringLiteral("Resume");

// A progress bar paints at once on each change, and each paint puts the
// whole window on screen again (in software where there is no GPU). Set with
// its updates held, the gauge is painted with the rest of the refresh.
void setGauge(QProgressBar *gauge, int value)
{
    if (gauge->value() == value)
        return;
    gauge->setUpdatesEnabled(false);
    gauge->setValue(value);
    gauge->setUpdatesEnabled(true);
}

} // namespace

RecorderPage::RecorderPage(Setup setup, QWidget *parent)
    : QWidget(parent)
    , m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("TabRecorder"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#TabRecorder { background: #101010; }"
        "QLabel { color: #e8e8e8; }"
        "QComboBox { background: #1d1d1d; color: #f0f0f0; border: 1px solid #555; padding: 1px 4px; }"
        "QComboBox QAbstractItemView { background: #1d1d1d; color: #f0f0f0; selection-background-color: #ff8c00;"
        " selection-color: black; }"
        "QToolButton, QPushButton { background: #262626; color: #f0f0f0; border: 1px solid #555; padding: 2px 6px; }"
        "QToolButton:hover, QPushButton:hover { border-color: #ff8c00; }"
        "QToolButton:disabled { color: #707070; border-color: #333; }"
        "QProgressBar { background: #1d1d1d; border: 1px solid #555; }"
        "QProgressBar::chunk { background: #3cc43c; }"));
    buildControls();
    buildButtons();

    diskUsage = new DiskUsagePanel([this] { return Lbl_File->text().trimmed().isEmpty() ? QString()
                                                : Lbl_Folder->text() + QLatin1Char('/') + Lbl_File->text(); },
                                   [this] { return Lbl_Folder->text(); }, this);
    diskUsage->setGeometry(0, 196, 552, 166);

    TimerRegistrazione = new QTimer(this);
    TimerRegistrazione->setObjectName(QStringLiteral("TimerRegistrazione"));
    TimerRegistrazione->setInterval(100);
    connect(TimerRegistrazione, &QTimer::timeout, this, [this] { guarded([this] { TimerRegistrazioneTimer(); }); });

    Pnl_InizializzaRecording = new InstallationPanel(m_setup.installerLink, this);
    Pnl_InizializzaRecording->setGeometry(0, 0, 557, 366);
    Pnl_InizializzaRecording->hide();
    connect(Pnl_InizializzaRecording, &InstallationPanel::clicked, this, &RecorderPage::installationClick);
    setRecordingFolder(m_setup.recordingFolder);
}

RecorderPage::~RecorderPage() = default;

void RecorderPage::buildControls()
{
    const std::pair<const char *, QComboBox **> lists[] = {
        {"Device:", &cbDevice}, {"Mixer:", &cbSource}, {"Format:", &cbFormat}, {"Wave Format:", &cbPara}};
    const char *names[] = {"cbDevice", "cbSource", "cbFormat", "cbPara"};
    for (int i = 0; i < 4; ++i) {
        QLabel *name = caption(this, lists[i].first, QRect(10, 10 + 28 * i, 84, 22));
        auto *list = new QComboBox(this);
        name->setBuddy(list); // the caption names the list for screen readers
        list->setObjectName(QLatin1String(names[i]));
        list->setGeometry(96, 10 + 28 * i, 214, 22);
        *lists[i].second = list;
    }
    cbFormat->addItems(RecordingFormats::names());
    cbFormat->setCurrentIndex(-1);
    connect(cbDevice, &QComboBox::activated, this, [this] { guarded([this] { cbDeviceChange(); }); });
    connect(cbSource, &QComboBox::activated, this, [this] { guarded([this] { cbSourceChange(); }); });
    connect(cbFormat, &QComboBox::activated, this, [this] { guarded([this] { cbFormatChange(); }); });
    connect(cbPara, &QComboBox::activated, this, [this] { guarded([this] { cbParaChange(); }); });

    const std::pair<const char *, QProgressBar **> gauges[] = {{"SX", &ProgressSX}, {"DX", &ProgressDX}};
    for (int i = 0; i < 2; ++i) {
        QLabel *name = caption(this, gauges[i].first, QRect(326, 12 + 22 * i, 24, 16));
        auto *gauge = new QProgressBar(this);
        name->setBuddy(gauge);
        gauge->setObjectName(QLatin1String(i == 0 ? "ProgressSX" : "ProgressDX"));
        gauge->setRange(0, 100);
        gauge->setValue(50);
        gauge->setTextVisible(false);
        gauge->setGeometry(352, 13 + 22 * i, 190, 14);
        *gauges[i].second = gauge;
    }
    QLabel *volume = caption(this, "Volume", QRect(326, 60, 60, 20));
    TB_Volume = new QSlider(Qt::Horizontal, this);
    volume->setBuddy(TB_Volume);
    TB_Volume->setObjectName(QStringLiteral("TB_Volume"));
    TB_Volume->setRange(0, 100);
    TB_Volume->setValue(100);
    TB_Volume->setTickInterval(1);
    TB_Volume->setTickPosition(QSlider::TicksBelow);
    TB_Volume->setGeometry(388, 58, 154, 26);

    caption(this, "Durata registrazione:", QRect(326, 94, 140, 20));
    Lbl_DurataRegistrazione = new QLabel(QStringLiteral("0 Sec"), this);
    Lbl_DurataRegistrazione->setObjectName(QStringLiteral("Lbl_DurataRegistrazione"));
    Lbl_DurataRegistrazione->setGeometry(468, 94, 80, 20);

    caption(this, "Destination folder:", QRect(10, 150, 130, 18));
    Lbl_Folder = new QLabel(this);
    Lbl_Folder->setObjectName(QStringLiteral("Lbl_Folder"));
    Lbl_Folder->setGeometry(142, 150, 406, 18);
    caption(this, "Destination file:", QRect(10, 172, 130, 18));
    Lbl_File = new QLabel(QStringLiteral("   "), this);
    Lbl_File->setObjectName(QStringLiteral("Lbl_File"));
    Lbl_File->setGeometry(142, 172, 406, 18);
}

void RecorderPage::buildButtons()
{
    const std::tuple<const char *, const char *, Glyph, QToolButton **> buttons[] = {
        {"btnRecord", "Rec", Glyph::Record, &btnRecord},
        {"btnStop", "Stop", Glyph::Stop, &btnStop},
        {"btnPause", "Pause", Glyph::Pause, &btnPause}};
    int x = 10;
    for (const auto &[name, text, kind, slot] : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(QLatin1String(text));
        button->setIcon(glyph(kind));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setGeometry(x, 122, 92, 24);
        x += 100;
        *slot = button;
    }
    btnStop->setEnabled(false);
    btnPause->setEnabled(false);
    connect(btnRecord, &QToolButton::clicked, this, [this] { guarded([this] { btnRecordClick(); }); });
    connect(btnStop, &QToolButton::clicked, this, [this] { guarded([this] { btnStopClick(); }); });
    connect(btnPause, &QToolButton::clicked, this, [this] { guarded([this] { btnPauseClick(); }); });

    BitBtn11 = new QPushButton(QStringLiteral("Open folder"), this);
    BitBtn11->setObjectName(QStringLiteral("BitBtn11"));
    BitBtn11->setGeometry(326, 120, 110, 26);
    connect(BitBtn11, &QPushButton::clicked, this, [this] { m_setup.shell.open(Lbl_Folder->text()); });
}

void RecorderPage::setRecordingFolder(const QString &folder)
{
    m_setup.recordingFolder = folder;
    Lbl_Folder->setText(folder);
}

void RecorderPage::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const AudioRecordError &error) {
        m_setup.dialogs.error(error.message());
    } catch (const FileError &error) {
        m_setup.dialogs.error(error.message());
    }
}

void RecorderPage::visit()
{
    if (!m_setup.module || !m_setup.module->available()) {
        Pnl_InizializzaRecording->show();
        Pnl_InizializzaRecording->raise();
        return;
    }
    diskUsage->refresh();
    if (!m_firstVisit)
        return;
    m_firstVisit = false;
    Pnl_InizializzaRecording->hide();
    try {
        firstSetup();
    } catch (...) {
        // A control that cannot be made or reached leaves the lists as filled.
    }
    guarded([this] { restoreSettings(); });
}

void RecorderPage::firstSetup()
{
    m_record = m_setup.module->create();
    if (!m_record)
        return;
    m_record->OnRecordError([this](const QString &message) { recordingFailed(message); });
    const int devices = m_record->GetDeviceCount();
    for (int i = 0; i < devices; ++i)
        cbDevice->addItem(m_record->GetDeviceName(i));
    cbDevice->setCurrentIndex(-1);
    fillSources();
    cbFormat->setCurrentIndex(0);
    m_record->SetFormat(0);
    fillPresets();
    cbPara->setCurrentIndex(0);
    m_record->SetParameter(0);
    m_record->SetVolume(TB_Volume->value());
}

void RecorderPage::fillSources()
{
    cbSource->clear();
    const int lines = m_record->GetSourceCount();
    for (int i = 0; i < lines; ++i)
        cbSource->addItem(m_record->GetSourceName(i));
    cbSource->setCurrentIndex(-1);
}

void RecorderPage::fillPresets()
{
    cbPara->clear();
    const int presets = m_record->GetParameterCount();
    for (int i = 0; i < presets; ++i) {
        m_record->SetParameter(i);
        cbPara->addItem(m_record->GetParameterText());
    }
    cbPara->setCurrentIndex(-1);
}

void RecorderPage::restoreSettings()
{
    const std::vector<int> values = RecorderSettingsFile::read(m_setup.settingsFolder);
    struct Entry
    {
        bool *flag;
        QComboBox *list;
        void (RecorderPage::*apply)();
    };
    const Entry lists[] = {{&m_restoringDevice, cbDevice, &RecorderPage::cbDeviceChange},
                           {&m_restoringSource, cbSource, &RecorderPage::cbSourceChange},
                           {&m_restoringFormat, cbFormat, &RecorderPage::cbFormatChange},
                           {&m_restoringPreset, cbPara, &RecorderPage::cbParaChange}};
    auto clearFlags = qScopeGuard([this] {
        m_restoringDevice = m_restoringSource = m_restoringFormat = m_restoringPreset = false;
    });
    for (std::size_t k = 0; k < values.size(); ++k) {
        const int value = values[k];
        if (k == 4) {
            TB_Volume->setValue(std::clamp(value, 0, 100));
            break;
        }
        // An index the list does not have (an edited file, a device gone
        // since) keeps the list as it is.
        const Entry &entry = lists[k];
        if (value < 0 || value >= entry.list->count())
            continue;
        *entry.flag = true;
        entry.list->setCurrentIndex(value);
        (this->*entry.apply)();
    }
}

void RecorderPage::saveSettings()
{
    RecorderSettingsFile::write(m_setup.settingsFolder,
                                {cbDevice->currentIndex(), cbSource->currentIndex(), cbFormat->currentIndex(),
                                 cbPara->currentIndex(), TB_Volume->value()});
}

void RecorderPage::cbDeviceChange()
{
    if (!m_record || cbDevice->currentIndex() < 0)
        return;
    m_record->SetDevice(cbDevice->currentIndex());
    fillSources();
    followRefill(cbSource, m_restoringDevice, &AudioRecord::SetSource);
}

void RecorderPage::followRefill(QComboBox *refilled, bool restoring, void (AudioRecord::*pass)(int))
{
    if (!restoring) {
        refilled->setCurrentIndex(refilled->count() > 0 ? 0 : -1);
        saveSettings();
    }
    if (refilled->currentIndex() >= 0)
        (m_record.get()->*pass)(refilled->currentIndex());
}

void RecorderPage::cbSourceChange()
{
    if (!m_record || cbSource->currentIndex() < 0)
        return;
    m_record->SetSource(cbSource->currentIndex());
    if (!m_restoringSource)
        saveSettings();
}

void RecorderPage::cbFormatChange()
{
    if (!m_record || cbFormat->currentIndex() < 0)
        return;
    m_record->SetFormat(cbFormat->currentIndex());
    fillPresets();
    followRefill(cbPara, m_restoringFormat, &AudioRecord::SetParameter);
}

void RecorderPage::cbParaChange()
{
    if (!m_record || cbPara->currentIndex() < 0)
        return;
    m_record->SetParameter(cbPara->currentIndex());
    if (!m_restoringPreset)
        saveSettings();
}

void RecorderPage::btnRecordClick()
{
    if (cbDevice->currentIndex() < 0) {
        m_setup.dialogs.message(QStringLiteral("Selezionare il dispositivo di registrazione"));
        return;
    }
    if (cbFormat->currentIndex() < 0) {
        m_setup.dialogs.message(QStringLiteral("Selezionare il formato di registrazione"));
        return;
    }
    if (cbPara->currentIndex() < 0) {
        m_setup.dialogs.message(QStringLiteral("Selezionare il tipo di compressione"));
        return;
    }
    // The whole path: $HOME/Sonvela may not exist yet either.
    QDir().mkpath(Lbl_Folder->text());
    if (!m_record)
        return;
    const QString name = recordingFileName(QDateTime::currentDateTime(), QLocale::system(), cbFormat->currentText());
    Lbl_File->setText(name);
    m_record->SetVolume(TB_Volume->value());
    m_record->SetRecordFile(Lbl_Folder->text() + QLatin1Char('/') + name);
    m_record->StartRecord(2, 44100);
    btnRecord->setEnabled(false);
    TB_Volume->setEnabled(false);
    btnStop->setEnabled(true);
    btnPause->setEnabled(true);
    btnPause->setText(PauseCaption);
    TimerRegistrazione->start();
}

void RecorderPage::btnStopClick()
{
    m_record->StopRecord();
    showIdle();
}

void RecorderPage::showIdle()
{
    btnRecord->setEnabled(true);
    TB_Volume->setEnabled(true);
    btnStop->setEnabled(false);
    btnPause->setEnabled(false);
}

void RecorderPage::btnPauseClick()
{
    if (btnPause->text() == PauseCaption) {
        m_record->PauseRecord();
        btnPause->setText(ResumeCaption);
    } else {
        m_record->ResumeRecord();
        btnPause->setText(PauseCaption);
    }
}

void RecorderPage::TimerRegistrazioneTimer()
{
    Lbl_DurataRegistrazione->setText(QString::number(DiskFigures::roundHalfEven(m_record->GetRecordedSeconds()))
                                     + QStringLiteral(" Sec"));
    setGauge(ProgressSX, DiskFigures::gaugePercent(m_record->GetLevelLeft()));
    setGauge(ProgressDX, DiskFigures::gaugePercent(m_record->GetLevelRight()));
    diskUsage->refresh();
}

void RecorderPage::recordingFailed(const QString &message)
{
    showIdle();
    m_setup.dialogs.error(message);
}

void RecorderPage::installationClick()
{
    m_setup.shell.open(QStringLiteral("http://") + m_setup.installerLink);
    m_setup.dialogs.message(QStringLiteral("A download completato, premere Ok per proseguire"));
    Q_EMIT pageChangeRequested();
}
