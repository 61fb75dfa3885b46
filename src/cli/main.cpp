// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "cli/printoutoptions.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>

namespace {

QStringList commandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts for a PDF or a chart need a GUI application, which is slow to
    // start; the calculations alone do with a core application.
    std::unique_ptr<QCoreApplication> app;
    if (tallyvane::cli::needsFonts(commandLine(argc, argv))) {
        tallyvane::cli::paintWithoutDisplay();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return tallyvane::cli::runCalc(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
