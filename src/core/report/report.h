// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A printout is built once as a Report and then rendered: painted on a printer,
// a PDF or a print preview, or written as plain text for the calculator and
// the tests. The report is text at character columns, so it reads the same in
// every rendering; the painter only turns columns into positions on the page.
//
// Reports count their own lines and break their pages themselves, the way a
// line printer is driven: a ReportPage holds exactly the lines printed between
// two page breaks. The font the report is printed in, and so how many lines a
// report may put on one page, is chosen once for the whole report.

#include <QString>

#include <cstdint>
#include <vector>

namespace tallyvane {

// The printer font a printout is set in, by the font choice of the settings:
// 0 the standard fixed-pitch font, 1 to 3 "Courier New" at 10, 11 or 12 points.
struct ReportFont
{
    std::int16_t choice = 0;
    QString family;    // empty for the standard font
    int pointSize = 0; // 0 for the standard font's own size
    std::int16_t pageLines = 0;
};

// The font of a choice; a choice outside 0 to 3 gets the standard font.
ReportFont reportFont(std::int16_t fontChoice);

// Text starting at a character column, counted from 1.
struct ReportItem
{
    int column = 1;
    QString text;
};

// The items of one printed line, left to right without overlapping; a line
// without items is an empty line.
struct ReportLine
{
    std::vector<ReportItem> items;

    // The column just after the last character.
    int endColumn() const;
};

struct ReportPage
{
    std::vector<ReportLine> lines;
};

struct Report
{
    ReportFont font;
    QString jobName; // the print job's name, see printJobName()
    std::vector<ReportPage> pages;

    // Characters in the longest line of any page.
    int widestLine() const;
    // Lines on the fullest page.
    int fullestPage() const;
};

} // namespace tallyvane
