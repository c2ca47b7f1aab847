#pragma once

#include "diskfigures.h"

#include <QLocale>
#include <QWidget>

#include <functional>

class QChartView;
class QLabel;
class QPieSeries;

// The lower part of the recorder page: total, free and used space of the
// recording drive and the size of the current file, as figures and as the
// pie `Chart2`.
class DiskUsagePanel final : public QWidget
{
    Q_OBJECT
public:
    // `filePath` gives the current recording's full path (empty before the
    // first one); `drivePath` any path on the recording drive.
    DiskUsagePanel(std::function<QString()> filePath, std::function<QString()> drivePath, QWidget *parent = nullptr);

    // Reads the figures afresh and shows them; cheap enough for every 100 ms.
    void refresh();

    QLabel *Lbl_Total = nullptr;
    QLabel *Lbl_Free = nullptr;
    QLabel *Lbl_Used = nullptr;
    QLabel *Lbl_Filesize = nullptr;
    QPieSeries *Series1 = nullptr;
    QChartView *Chart2 = nullptr;

private:
    QLabel *addRow(int row, const char *caption, const char *name, const char *swatchName, const QColor &swatch);
    void showFigures(qint64 file, qint64 free, qint64 total);

    std::function<QString()> m_filePath;
    std::function<QString()> m_drivePath;
    QLocale m_locale;
    DiskFigures::PieLook m_shownPie;
};
