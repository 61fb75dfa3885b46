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
    for (const char* name : {OnDemandEntry::ReportPreview, OnDemandEntry::ImagePreview, OnDemandEntry::FlatChart}) {
        EXPECT_NE(library.resolve(name), nullptr) << name;
        EXPECT_NE(onDemandEntry(name), nullptr) << name;
    }
    using Version = const char*();
    auto* version = reinterpret_cast<Version*>(library.resolve(OnDemandEntry::Version));
    ASSERT_NE(version, nullptr);
    EXPECT_STREQ(version(), TALLYVANE_VERSION);
    auto* make = reinterpret_cast<decltype(tallyvane_makeFlatChart)*>(library.resolve(OnDemandEntry::FlatChart));
    ASSERT_NE(make, nullptr);
    const std::unique_ptr<FlatChart> chart(make(nullptr));
    EXPECT_TRUE(chart->widget()->inherits("QChartView"));
}

} // namespace
} // namespace tallyvane
