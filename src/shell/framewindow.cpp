#include "shell/framewindow.h"

#include "core/sharedvalues.h"
#include "shell/placement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QShortcut>

namespace tallyvane {

FrameWindow::FrameWindow(SharedValues& values, QWidget* parent)
    : QMainWindow(parent), m_values(values), m_area(new QMdiArea(this))
{
    m_area->setBackground(QColor(236, 239, 243));
    setCentralWidget(m_area);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::ApplicationShortcut);
    connect(help, &QShortcut::activated, this, &FrameWindow::helpRequested);
}

double FrameWindow::dotsPerInch() const
{
    return logicalDpiY();
}

QMdiSubWindow* FrameWindow::addChild(QWidget* child)
{
    QMdiSubWindow* window = m_area->addSubWindow(child, Qt::SubWindow | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void FrameWindow::placeAtStart()
{
    move(0, 0);
    resize(twipsToPixels(FrameStartWidthTwips, dotsPerInch()),
           twipsToPixels(FrameStartHeightTwips, dotsPerInch()));
}

void FrameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_values.frameHeightMark = frameHeightMarkFor(pixelsToTwips(event->size().height(), dotsPerInch()));
    moveActiveChild();
}

// The hidden menu is left where it is; it places itself when shown again.
void FrameWindow::moveActiveChild()
{
    QMdiSubWindow* active = m_area->activeSubWindow();
    if (!active || !active->isVisible())
        return;
    const QPoint target = isLargeFrame(m_values.frameHeightMark) ? QPoint(1200, 1000) : QPoint(-60, -30);
    placeChild(active, target.x(), target.y(), dotsPerInch());
}

void placeChild(QMdiSubWindow* child, int leftTwips, int topTwips, double dotsPerInch)
{
    child->move(twipsToPixels(leftTwips, dotsPerInch), twipsToPixels(topTwips, dotsPerInch));
}

} // namespace tallyvane
