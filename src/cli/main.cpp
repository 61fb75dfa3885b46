#include "cli/calccommands.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return tallyvane::cli::runCalc(app.arguments().mid(1), std::cout, std::cerr);
}
