// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/report/report.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>

class QPagedPaintDevice;
class QPainter;

namespace tallyvane {

// Where a report's lines and columns fall on the paper. The paper size and
// orientation are the device's; the margins are chosen so that the widest
// line and the fullest page fit, centred, with at least a quarter inch (or
// the printer's own minimum) all round. Positions are in points from the
// paper's top left corner. When the text at the font's size would not fit,
// everything is drawn smaller by `scale`, so columns stay aligned. The same
// layout serves the printer, the preview and the PDF.
struct ReportPageLayout
{
    QFont font;
    double columnWidth = 0.0; // points per character, before scaling
    double lineHeight = 0.0;  // points per line, before scaling
    double ascent = 0.0;      // points from the top of a line to its baseline
    double scale = 1.0;       // at most 1
    QPointF textOrigin;       // top left of the first line's column 1
    QSizeF paperSize;

    // The baseline start of `column` (counted from 1) on line `line`
    // (counted from 0), in points on the paper.
    QPointF position(int line, int column) const;
    // The right end of `columns` characters and the bottom of `lines` lines.
    QPointF extent(int lines, int columns) const;
};

// The layout on the device's paper, with the font measured on the device.
// Every page has room for at least the font's lines per page and the footer
// that closes a full page.
ReportPageLayout reportPageLayout(const Report& report, const QPagedPaintDevice& device);

// The device's pixels to a point of paper.
double pixelsPerPoint(const QPagedPaintDevice& device);
// A painter on a paged device starts at the printable area; this moves it to
// the paper's top left corner, from which every place on a page is measured.
void paintFromPaperCorner(QPainter& painter, const QPagedPaintDevice& device);

} // namespace tallyvane
