// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shared dialogs are the small modal windows every planner uses: the
// numbered message box, the yes/no question, the record-number, header and
// line-number prompts, and the file chooser. Each is created when it is shown
// and discarded when it closes. It reads its inputs from SharedValues while it
// is built and resets them, so a later use starts from the defaults; it writes
// its Cancel answer at the same time, so closing it by any way other than its
// OK button (Escape, the close box) reads as Cancel. The caller reads the
// answer from SharedValues once the dialog has closed.
//
// A dialog places itself over the frame window: at the frame's corner plus an
// offset in twips, one offset for a small frame and one for a large frame.

#include <QDialog>
#include <QPoint>

#include <cstdint>

namespace tallyvane {

struct SharedValues;

struct DialogOffsets
{
    QPoint smallFrame; // twips from the frame's corner
    QPoint largeFrame;
};

// Where a dialog goes on the screen, in pixels: the frame's corner plus the
// offset that fits the frame's size.
QPoint dialogScreenPosition(QPoint frameCorner, DialogOffsets offsets, std::int32_t frameHeightMark,
                            double dotsPerInchX, double dotsPerInchY);

class SharedDialog : public QDialog
{
    Q_OBJECT

protected:
    // `frame` is the frame window the dialog belongs to and places itself
    // over; without one the window system places it.
    SharedDialog(const QString& caption, DialogOffsets offsets, SharedValues& values, QWidget* frame);

    SharedValues& values() const { return m_values; }
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    SharedValues& m_values;
    DialogOffsets m_offsets;
};

} // namespace tallyvane
