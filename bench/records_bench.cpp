#include "service/linerecords.h"

#include <benchmark/benchmark.h>

namespace {

// A 10 MB page on one line with 100 000 markers: the work must stay linear.
QByteArray oneLinePage()
{
    QByteArray page;
    const QByteArray filler(96, 'x');
    for (int i = 0; i < 100000; ++i) {
        page += filler;
        page += "<BR>";
    }
    return page;
}

// A catalogue answer of 124 records, as the service sends it.
QByteArray cataloguePage()
{
    QByteArray page;
    for (int i = 1; i <= 124; ++i) {
        page += "http://mirror.example/Radio/mostraRadio.asp?Id=" + QByteArray::number(i * 37);
        page += "<BR>";
    }
    page += "\r\n";
    return page;
}

void run(benchmark::State &state, const QByteArray &page)
{
    for (auto _ : state) {
        auto records = readRecords(normaliseCapture(page, false));
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * page.size());
}

void BM_NormaliseOneLine10MB(benchmark::State &state)
{
    static const QByteArray page = oneLinePage();
    run(state, page);
}

void BM_NormaliseCatalogue124(benchmark::State &state)
{
    static const QByteArray page = cataloguePage();
    run(state, page);
}

} // namespace

BENCHMARK(BM_NormaliseOneLine10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormaliseCatalogue124)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
