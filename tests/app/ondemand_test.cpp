// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/flatchart.h"
#include "shell/ondemand.h"

#include <QLibrary>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace tallyvane {
namespace {

// The program finds printing and the flat chart in their library by the
// names the tests find them by; a name missing there is a preview or a chart
// that never opens in the program, although every test passes.
TEST(OnDemandLibrary, HoldsEveryEntryTheTestsLinkInAndDrawsTheRealChart)
{
    QLibrary library(QStringLiteral(TALLYVANE_ONDEMAND_LIBRARY));
    ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    for (const char* name : {"tallyvane_showReportPreview", "tallyvane_showImagePreview", "tallyvane_makeFlatChart"}) {
        EXPECT_NE(library.resolve(name), nullptr) << name;
        EXPECT_NE(onDemandEntry(name), nullptr) << name;
    }
    auto* make = reinterpret_cast<decltype(tallyvane_makeFlatChart)*>(library.resolve("tallyvane_makeFlatChart"));
    ASSERT_NE(make, nullptr);
    const std::unique_ptr<FlatChart> chart(make(nullptr));
    EXPECT_TRUE(chart->widget()->inherits("QChartView"));
}

} // namespace
} // namespace tallyvane
