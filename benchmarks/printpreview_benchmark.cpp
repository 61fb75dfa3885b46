// SPDX-License-Identifier: GPL-3.0-or-later
// Time from asking for the preview of the longest schedule's printout to its
// pages laid out and the first one painted on screen.

#include "largestprintout.h"
#include "shell/printing/reportpainter.h"

#include <QPrintPreviewWidget>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

using namespace tallyvane;

void BM_LargestPrintoutFirstPreviewPage(benchmark::State& state)
{
    const Report report = largestPrintout();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewWidget preview(&printer);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                         [&report](QPrinter* device) { paintReport(report, *device); });
        preview.resize(900, 1000);
        preview.show();
        preview.updatePreview();
        benchmark::DoNotOptimize(preview.grab().size());
    }
    state.counters["pages"] = static_cast<double>(report.pages.size());
}

BENCHMARK(BM_LargestPrintoutFirstPreviewPage)->Unit(benchmark::kMillisecond);

} // namespace
