// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A printout as the printout tests read it: its pages, each as its lines.

#include "core/report/report.h"
#include "core/report/reportplaintext.h"

#include <QList>
#include <QStringList>

namespace tallyvane {

inline QList<QStringList> pagesOf(const Report& report)
{
    QList<QStringList> pages;
    for (const QString& page : reportPlainText(report).split(u'\f')) {
        QStringList lines = page.split(u'\n');
        lines.removeLast(); // after the last line end
        pages << lines;
    }
    return pages;
}

} // namespace tallyvane
