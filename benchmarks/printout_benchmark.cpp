// Time to print the longest schedule the result table holds (40 years of
// weekly payments, dated, every payment shown) as a PDF: building the report,
// painting it, and the whole way to the file written.

#include "mortgage/amortizationengine.h"
#include "mortgage/mortgageprintout.h"
#include "shell/printing/reportpainter.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tallyvane;

struct LargestSchedule
{
    AmortizationInput input;
    AmortizationResult result;
};

const LargestSchedule& largestSchedule()
{
    static const LargestSchedule schedule = [] {
        LargestSchedule s;
        s.input.principal = Money::fromWhole(100000);
        s.input.annualRatePercent = Money::fromWhole(1);
        s.input.termYears = Money::fromWhole(40);
        s.input.paymentKind = PaymentKind::OneWeek;
        s.input.daysInYearChoice = 3;
        s.input.view = AmortizationView::AllPayments;
        s.input.firstPaymentDate = QDate(2024, 1, 5);
        s.result = AmortizationEngine().calculate(s.input);
        return s;
    }();
    return schedule;
}

Report largestPrintout()
{
    const LargestSchedule& s = largestSchedule();
    return mortgagePrintout(s.input, s.result, {.header = QStringLiteral("Smith family")});
}

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
