// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/framewindow.h"

#include "core/sharedvalues.h"
#include "shell/placement.h"
#include "shell/plannerstyle.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>

namespace tallyvane {

FrameWindow::FrameWindow(SharedValues& values, QWidget* parent)
    : QMainWindow(parent), m_values(values), m_area(new QMdiArea(this))
{
    m_area->setBackground(PlannerStyle::FrameBackground);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
    const QSize stated(twipsToPixels(FrameStartWidthTwips, dotsPerInch()),
                       twipsToPixels(FrameStartHeightTwips, dotsPerInch()));
    const QRect available = screen()->availableGeometry();
    move(available.topLeft());
    resize((available.size() * 0.8).expandedTo(stated).boundedTo(available.size()));
}

void FrameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_values.frameHeightMark = frameHeightMarkFor(pixelsToTwips(event->size().height(), dotsPerInch()));
    emit resized();
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    bool mayClose = true;
    emit closeRequested(mayClose);
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

void placeChild(QMdiSubWindow* child, int leftTwips, int topTwips, double dotsPerInch)
{
    child->move(twipsToPixels(leftTwips, dotsPerInch), twipsToPixels(topTwips, dotsPerInch));
}

} // namespace tallyvane
