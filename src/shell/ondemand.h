// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printing (the print preview and dialog) and the flat chart need two large
// Qt libraries that the menu does not. They live in a library of their own,
// loaded the first time a printout or a graph is shown, so that the program
// starts as quickly as a bare Qt window. The program looks for it beside
// itself and in its private library folder; tests and benchmarks link the
// same parts in and find them without loading anything.

#include <QString>
#include <QtGlobal>

namespace tallyvane {

// The entry `name` of the parts loaded on demand; null when they cannot be
// loaded or have no such entry, with the reason in `why`.
QFunctionPointer onDemandEntry(const char* name, QString* why = nullptr);

template <typename Function> Function* onDemand(const char* name, QString* why = nullptr)
{
    return reinterpret_cast<Function*>(onDemandEntry(name, why));
}

} // namespace tallyvane
