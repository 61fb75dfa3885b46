// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printing (the print preview and dialog) and the flat chart need two large
// Qt libraries that the menu does not. Their code is built into a library of
// its own, loaded the first time a printout or a graph is shown, so that the
// program starts as quickly as a bare Qt window. The program looks for it
// beside itself and in its private library folder, both found from its own
// absolute folder; tests and benchmarks link the same code in and say so
// with resolveOnDemandWith().

#include <QString>
#include <QtGlobal>

namespace tallyvane {

// The entries of the on-demand library, by the names it exports.
namespace OnDemandEntry {
inline constexpr char ReportPreview[] = "tallyvane_showReportPreview";
inline constexpr char ImagePreview[] = "tallyvane_showImagePreview";
inline constexpr char FlatChart[] = "tallyvane_makeFlatChart";
// The version the library was built as; one of another version is not used.
inline constexpr char Version[] = "tallyvane_onDemandVersion";
} // namespace OnDemandEntry

// The entry `name`, the library loaded on the first call; null when it
// cannot be loaded or has no such entry, with the reason in `why`.
QFunctionPointer onDemandEntry(const char* name, QString* why = nullptr);

template <typename Function> Function* onDemand(const char* name, QString* why = nullptr)
{
    return reinterpret_cast<Function*>(onDemandEntry(name, why));
}

// Where the entries come from in a program that links their code in.
using OnDemandResolver = QFunctionPointer (*)(const char* name, QString* why);
void resolveOnDemandWith(OnDemandResolver resolver);

} // namespace tallyvane
