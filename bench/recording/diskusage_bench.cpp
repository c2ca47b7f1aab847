#include "recording/diskfigures.h"
#include "recording/diskusagepanel.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// One refresh of the recorder page's disk usage: the file's size, the
// drive's figures, three slices and four labels. At 10 Hz, 1 ms of it is 1 %
// of one core.
static void BM_DiskUsageRefresh(benchmark::State &state)
{
    // Two files of different sizes in turn, so every refresh changes the
    // figures as a growing recording does, and the chart repaints.
    QTemporaryDir dir;
    QStringList files;
    for (int n : {1, 2}) {
        files << dir.path() + QStringLiteral("/recording%1.MP3").arg(n);
        QFile out(files.last());
        out.open(QIODevice::WriteOnly);
        out.write(QByteArray(n << 20, 'x'));
    }
    int turn = 0;
    DiskUsagePanel panel([&] { return files[++turn % 2]; }, [&] { return dir.path(); });
    panel.resize(552, 166);
    panel.show();
    for (auto _ : state)
        panel.refresh();
}
BENCHMARK(BM_DiskUsageRefresh)->Unit(benchmark::kMicrosecond);

// The figures alone, without the chart: what the pure part costs.
static void BM_DiskFigures(benchmark::State &state)
{
    const QLocale locale = QLocale::system();
    std::int64_t file = 123'456'789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DiskFigures::slices(file, 80'000'000'000, 250'000'000'000));
        benchmark::DoNotOptimize(DiskFigures::format(static_cast<double>(file), locale));
        ++file;
    }
}
BENCHMARK(BM_DiskFigures);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
