// SPDX-License-Identifier: GPL-3.0-or-later
// The on-demand code linked in, for the tests and benchmarks: each entry is
// found by its name, as in the library. Linked as an object, so that the
// resolver is set before main() starts.
#include "graphs/flatchart.h"
#include "shell/ondemand.h"
#include "shell/printpreview.h"

#include <QByteArrayView>

namespace tallyvane {
namespace {

QFunctionPointer linkedEntry(const char* name, QString* why)
{
    static const struct
    {
        const char* name;
        QFunctionPointer entry;
    } entries[] = {
        {OnDemandEntry::ReportPreview, reinterpret_cast<QFunctionPointer>(&tallyvane_showReportPreview)},
        {OnDemandEntry::ImagePreview, reinterpret_cast<QFunctionPointer>(&tallyvane_showImagePreview)},
        {OnDemandEntry::FlatChart, reinterpret_cast<QFunctionPointer>(&tallyvane_makeFlatChart)},
    };
    for (const auto& entry : entries)
        if (QByteArrayView(entry.name) == QByteArrayView(name))
            return entry.entry;
    if (why)
        *why = QStringLiteral("no entry is named %1").arg(QLatin1String(name));
    return nullptr;
}

[[maybe_unused]] const bool linked = (resolveOnDemandWith(&linkedEntry), true);

} // namespace
} // namespace tallyvane
