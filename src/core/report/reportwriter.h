// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// ReportWriter builds a Report with the operations of a line printer: move to
// a column (Tab), print text at the current position, end the line, start a
// new page. A Tab to a column the line has already passed continues on the
// next line at that column, and a line break inside a text starts the next
// line at column 1, as on the printer.
//
// The printing frame is part of it: the printer set-up that begins every page
// of a printout with an empty line, the footer that closes a full page, and
// the finish that ends the document without leaving a blank page behind.

#include "core/report/report.h"

#include <QString>

#include <cstdint>

namespace tallyvane {

class ReportWriter
{
public:
    // Chooses the font and the lines per page for the whole printout.
    explicit ReportWriter(std::int16_t fontChoice);

    // How many lines a report may print on a page before breaking it.
    std::int16_t pageLines() const { return m_report.font.pageLines; }
    // The page being printed, counted from 1.
    int pageNumber() const { return static_cast<int>(m_report.pages.size()); }

    // The printer set-up: an empty line, with which every page begins.
    void setUpPrinter();

    ReportWriter& tab(int column);
    ReportWriter& text(const QString& text);
    // A figure right-aligned in the field of `width` characters at `column`.
    // It is never cut and never touches the text before it: a figure longer
    // than its field reaches left into the blank columns before the field,
    // and one after text that runs into the field moves right, one blank on.
    ReportWriter& rightAligned(int column, int width, const QString& figure);
    ReportWriter& endLine();
    // Tab(column), the text and the line end.
    void line(int column, const QString& text);
    void emptyLines(int count = 1);

    void newPage();
    // Closes a full page: two empty lines and "Page" with its number at
    // column 40, then a new page that starts with the printer set-up.
    void breakPage();

    // The printer finish: ends the last page and the document. A page left
    // empty by a new page just before is not part of the report.
    Report finish();

private:
    Report m_report;
    ReportLine m_line;       // the line being printed, until it ends
    bool m_lineOpen = false; // something was printed or tabbed on m_line
    int m_column = 1;        // where the next text goes on m_line
};

} // namespace tallyvane
