// SPDX-License-Identifier: GPL-3.0-or-later
// Time to print the longest schedule the result table holds (40 years of
// weekly payments, dated, every payment shown) as a PDF: building the report,
// painting it, and the whole way to the file written.

#include "largestprintout.h"
#include "shell/printing/reportpainter.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tallyvane;

void BM_BuildLargestPrintout(benchmark::State& state)
{
    for (auto _ : state) {
        const Report report = largestPrintout();
        benchmark::DoNotOptimize(report.pages.size());
    }
    state.counters["rows"] = largestSchedule().result.summary.lastRow;
    state.counters["pages"] = static_cast<double>(largestPrintout().pages.size());
}

void BM_PaintLargestPrintoutAsPdf(benchmark::State& state)
{
    const Report report = largestPrintout();
    for (auto _ : state) {
        const QByteArray pdf = reportPdf(report);
        benchmark::DoNotOptimize(pdf.size());
    }
}

void BM_LargestPrintoutToPdfFile(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("largest.pdf"));
    for (auto _ : state) {
        if (!saveReportPdf(largestPrintout(), path))
            state.SkipWithError("the PDF was not written");
    }
}

BENCHMARK(BM_BuildLargestPrintout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintLargestPrintoutAsPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestPrintoutToPdfFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
