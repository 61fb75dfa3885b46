// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QString;
class QPrintPreviewDialog;

namespace tallyvane {

// Makes the print preview usable from the keyboard: Ctrl+P prints, Ctrl+S
// saves the PDF (`savePdf`), PageUp, PageDown, Home and End move between
// pages, Ctrl+plus and Ctrl+minus zoom, and Escape closes. Every tool button
// is reached with Tab, left to right, and its tooltip names its shortcut.
// Printing, saving and page set-up come first in the tool bar, so a narrow
// preview still shows them.
void setUpPreviewKeyboard(QPrintPreviewDialog& preview, QAction* savePdf);

// The preview's own action whose text is `text` ("Print", "Next page"...),
// or null.
QAction* previewAction(const QPrintPreviewDialog& preview, const QString& text);

} // namespace tallyvane
