#pragma once

// The frame window holds every other window of the program as a child in its
// document area. Its height decides FrameHeightMark, which every child reads to
// place itself; on each resize the active child is moved by that rule.

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
    // Moves the window to the frame's corner and gives it its start size.
    void placeAtStart();

signals:
    // F1 was pressed anywhere in the program.
    void helpRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void moveActiveChild();

    SharedValues& m_values;
    QMdiArea* m_area;
};

// Moves a document window to where the frame's size puts windows of its kind.
void placeChild(QMdiSubWindow* child, int leftTwips, int topTwips, double dotsPerInch);

} // namespace tallyvane
