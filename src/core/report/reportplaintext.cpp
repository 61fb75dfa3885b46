// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/reportplaintext.h"

namespace tallyvane {
namespace {

QString lineText(const ReportLine& line)
{
    QString text;
    for (const ReportItem& item : line.items) {
        text.resize(item.column - 1, u' ');
        text += item.text;
    }
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

QString reportPlainText(const Report& report)
{
    QString text;
    for (std::size_t page = 0; page < report.pages.size(); ++page) {
        if (page > 0)
            text += u'\f';
        for (const ReportLine& line : report.pages[page].lines)
            text += lineText(line) + u'\n';
    }
    return text;
}

} // namespace tallyvane
