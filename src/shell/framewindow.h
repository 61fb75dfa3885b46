// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frame window holds every other window of the program as a child in its
// document area. Its height decides FrameHeightMark, which every child reads to
// place itself. It opens at least at its stated start size and, on a larger
// screen, at most of the screen; the document area scrolls when the frame is
// smaller than the open planner can be.

#include <QMainWindow>

#include <cstdint>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

namespace tallyvane {

struct SharedValues;

class FrameWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrameWindow(SharedValues& values, QWidget* parent = nullptr);

    // Shows `child` inside the frame as a document window.
    QMdiSubWindow* addChild(QWidget* child);
    QMdiArea* documentArea() const { return m_area; }
    double dotsPerInch() const;
    // Moves the frame to the screen's corner and gives it its start size:
    // the stated size or about 80 % of the available screen, whichever is
    // larger, never larger than the screen.
    void placeAtStart();

signals:
    // F1 was pressed anywhere in the program.
    void helpRequested();
    // The frame changed size; FrameHeightMark already follows the new height.
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

signals:
    // The frame's close box was used; `mayClose` is set false to keep it open.
    void closeRequested(bool& mayClose);

private:
    SharedValues& m_values;
    QMdiArea* m_area;
};

// Moves a document window to where the frame's size puts windows of its kind.
void placeChild(QMdiSubWindow* child, int leftTwips, int topTwips, double dotsPerInch);

} // namespace tallyvane
