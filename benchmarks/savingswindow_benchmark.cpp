// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a click on Calculate to a filled grid in the savings window,
// shown offscreen, including the events that lay out and paint the table.

#include "core/sharedvalues.h"
#include "savings/savingsgridmodel.h"
#include "savings/savingswindow.h"
#include "shell/grid/grid.h"
#include "shell/plannerhost.h"
#include "shell/uiservices.h"
#include "silentservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace tallyvane;

using benchmarking::SilentServices;
using benchmarking::StayingHost;

template <typename Widget> Widget* child(QWidget& window, const char* name)
{
    return window.findChild<Widget*>(QLatin1String(name));
}

void run(benchmark::State& state, const char* frequency, const char* years)
{
    SharedValues values;
    values.currencySymbol = QStringLiteral("$");
    values.plannerMode = 1;
    SilentServices services;
    StayingHost host;
    SavingsCalc window(values, services, host);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }

    auto* term = child<QWidget>(window, "InTerm");
    term->setFocus();
    QTest::keyClicks(term, QLatin1String(years));
    QTest::keyClick(term, Qt::Key_Return);
    auto* frequencyList = child<QComboBox>(window, "InMonthsYrs");
    frequencyList->setCurrentIndex(frequencyList->findText(QLatin1String(frequency)));

    auto* calculate = child<QAbstractButton>(window, "SCalc");
    auto* model = static_cast<SavingsGridModel*>(child<Grid>(window, "SGrid")->gridModel());
    for (auto _ : state) {
        calculate->click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(model->text(model->totalRow(), SavingsGridModel::CurrentValue));
    }
    state.counters["rows"] = model->totalRow() - 2;
    if (services.messages != 0 || values.graphPointCount == 0)
        state.SkipWithError("the calculation failed");
}

// Forty years of monthly contributions: 480 rows, the longest table.
void BM_FortyYearsMonthlyToGrid(benchmark::State& state)
{
    run(state, "Monthly", "40");
}
BENCHMARK(BM_FortyYearsMonthlyToGrid)->Unit(benchmark::kMillisecond);

void BM_TwentyFiveYearsAnnuallyToGrid(benchmark::State& state)
{
    run(state, "Annually", "25");
}
BENCHMARK(BM_TwentyFiveYearsAnnuallyToGrid)->Unit(benchmark::kMillisecond);

} // namespace
