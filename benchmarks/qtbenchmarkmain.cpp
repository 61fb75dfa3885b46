// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the benchmarks that show widgets: they need a QApplication,
// offscreen unless a platform is named.

#include "floorratio.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return tallyvane::benchmarking::runBenchmarks(argc, argv);
}
