// SPDX-License-Identifier: GPL-3.0-or-later
// The parts loaded on demand, for the programs that link them in (the tests
// and benchmarks): each entry is found by its name, as in the library.
#include "graphs/flatchart.h"
#include "shell/ondemand.h"
#include "shell/printpreview.h"

#include <QByteArrayView>

namespace tallyvane {

QFunctionPointer onDemandEntry(const char* name, QString* why)
{
    static const struct
    {
        const char* name;
        QFunctionPointer entry;
    } entries[] = {
        {"tallyvane_showReportPreview", reinterpret_cast<QFunctionPointer>(&tallyvane_showReportPreview)},
        {"tallyvane_showImagePreview", reinterpret_cast<QFunctionPointer>(&tallyvane_showImagePreview)},
        {"tallyvane_makeFlatChart", reinterpret_cast<QFunctionPointer>(&tallyvane_makeFlatChart)},
    };
    for (const auto& entry : entries)
        if (QByteArrayView(entry.name) == QByteArrayView(name))
            return entry.entry;
    if (why)
        *why = QStringLiteral("no part is named %1").arg(QLatin1String(name));
    return nullptr;
}

} // namespace tallyvane
