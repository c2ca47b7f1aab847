#include "diskusagepanel.h"

#include "diskfigures.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>

#include <filesystem>
#include <system_error>

namespace {

const QColor FileColour(Qt::red);
const QColor FreeColour(0x71, 0xB8, 0xFF);
const QColor UsageColour(0x00, 0x80, 0xC0);

// The drive's figures from the nearest folder that exists: the recording
// folder is only made at the first recording.
std::filesystem::space_info driveSpace(QString path)
{
    while (!path.isEmpty() && !QFileInfo::exists(path))
        path = QFileInfo(path).path() == path ? QString() : QFileInfo(path).path();
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(path.isEmpty() ? "/" : path.toStdString(), error);
    return error ? std::filesystem::space_info{0, 0, 0} : space;
}

} // namespace

DiskUsagePanel::DiskUsagePanel(std::function<QString()> filePath, std::function<QString()> drivePath, QWidget *parent)
    : QWidget(parent)
    , m_filePath(std::move(filePath))
    , m_drivePath(std::move(drivePath))
    , m_locale(QLocale::system())
{
    setObjectName(QStringLiteral("Pnl_DiskUsage"));
    Lbl_Total = addRow(0, "Total disk space:", "Lbl_Total", nullptr, QColor());
    Lbl_Free = addRow(1, "Free disk space:", "Lbl_Free", "Pnl_Free", FreeColour);
    Lbl_Used = addRow(2, "Used disk space:", "Lbl_Used", "Pnl_Usage", UsageColour);
    Lbl_Filesize = addRow(3, "Actual file size:", "Lbl_Filesize", "Pnl_File", FileColour);

    Series1 = new QPieSeries;
    Series1->setObjectName(QStringLiteral("Series1"));
    auto *chart = new QChart;
    // Room around the pie for the percentages of the slices.
    Series1->setPieSize(0.62);
    chart->addSeries(Series1);
    chart->legend()->hide();
    chart->setBackgroundVisible(false);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setAnimationOptions(QChart::NoAnimation);
    Chart2 = new QChartView(chart, this);
    Chart2->setObjectName(QStringLiteral("Chart2"));
    Chart2->setRenderHint(QPainter::Antialiasing);
    Chart2->setInteractive(false);
    Chart2->setStyleSheet(QStringLiteral("background: transparent;"));
    Chart2->setGeometry(270, 0, 275, 160);
}

QLabel *DiskUsagePanel::addRow(int row, const char *caption, const char *name, const char *swatchName,
                               const QColor &swatch)
{
    const int y = 18 + row * 30;
    if (swatchName) {
        auto *box = new QWidget(this);
        box->setObjectName(QLatin1String(swatchName));
        box->setGeometry(8, y + 2, 14, 14);
        box->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #888;").arg(swatch.name()));
    }
    auto *label = new QLabel(QString::fromUtf8(caption), this);
    label->setGeometry(28, y, 120, 18);
    auto *value = new QLabel(QStringLiteral("............."), this);
    value->setObjectName(QLatin1String(name));
    value->setGeometry(150, y, 118, 18);
    return value;
}

void DiskUsagePanel::refresh()
{
    const QString file = m_filePath();
    const QFileInfo info(file);
    const qint64 size = !file.isEmpty() && info.isFile() ? info.size() : 0;
    const std::filesystem::space_info space = driveSpace(m_drivePath());
    showFigures(size, static_cast<qint64>(space.available), static_cast<qint64>(space.capacity));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void DiskUsagePanel::showFigures(qint64 file, qint64 free, qint64 total)
{
    const DiskFigures::Slices slices = DiskFigures::slices(file, free, total);
    // The three slices are made once and only take new values: rebuilding
    // them ten times a second would cost the chart its layout each time.
    const std::pair<const char *, std::pair<double, QColor>> parts[] = {
        {"File size", {slices.file, FileColour}},
        {"Free disk space", {slices.free, FreeColour}},
        {"Usage disk space", {slices.usage, UsageColour}}};
    if (Series1->count() != 3) {
        Series1->clear();
        m_shownPie = {};
        for (const auto &[label, figure] : parts) {
            QPieSlice *slice = Series1->append(QString::fromUtf8(label), 0);
            slice->setColor(figure.second);
            slice->setBorderColor(QColor(0x30, 0x30, 0x30));
            slice->setLabelColor(QColor(0xee, 0xee, 0xee));
        }
    }
    const DiskFigures::PieLook look = DiskFigures::pieLook(slices, m_locale);
    // Every repaint of the chart puts the whole window on screen again, ten
    // times a second while recording: the pie is only told what it would show
    // differently.
    if (!DiskFigures::samePie(look, m_shownPie)) {
        m_shownPie = look;
        const QList<QPieSlice *> shown = Series1->slices();
        for (std::size_t i = 0; i < 3; ++i) {
            QPieSlice *slice = shown[static_cast<int>(i)];
            slice->setValue(parts[i].second.first);
            slice->setLabel(QStringLiteral("%1 %").arg(m_locale.toString(100 * look.shares[i], 'f', 1)));
            slice->setLabelVisible(!look.labels[i].isEmpty());
            // The largest slice stands out by 30 % of the radius.
            slice->setExploded(i == look.largest);
            slice->setExplodeDistanceFactor(0.3);
        }
    }

    Lbl_Free->setText(DiskFigures::format(static_cast<double>(free), m_locale));
    Lbl_Total->setText(DiskFigures::format(static_cast<double>(total), m_locale));
    Lbl_Filesize->setText(DiskFigures::format(static_cast<double>(file), m_locale));
    Lbl_Used->setText(DiskFigures::format(static_cast<double>(total - free), m_locale));
}
