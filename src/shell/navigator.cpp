// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/navigator.h"

#include "core/messages.h"
#include "core/sharedvalues.h"
#include "shell/framewindow.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/plannerwindow.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QVariant>

namespace tallyvane {
namespace {

constexpr char ChildKindProperty[] = "tallyvaneChildKind";

} // namespace

Navigator::Navigator(SharedValues& values, FrameWindow& frame, MenuWindow& menu, QString helpFile)
    : m_values(values), m_frame(frame), m_menu(menu), m_helpFile(std::move(helpFile))
{
    connect(&m_menu, &MenuWindow::chosen, this, &Navigator::choose);
    connect(m_frame.documentArea(), &QMdiArea::subWindowActivated, this, &Navigator::placeActivated);
    connect(&m_frame, &FrameWindow::helpRequested, this, [this] { showHelp(activeHelpContext()); });
    connect(&m_frame, &FrameWindow::closeRequested, this, [this](bool& mayClose) {
        if (PlannerWindow* planner = openPlanner())
            mayClose = planner->mayLeave();
    });
    connect(&m_frame, &FrameWindow::resized, this,
            [this] { placeActivated(m_frame.documentArea()->activeSubWindow()); });
}

void Navigator::registerFileKind(const QString& extension, MenuChoice choice)
{
    m_fileKinds[extension.toLower()] = choice;
}

void Navigator::openFile(const QString& path)
{
    const auto kind = m_fileKinds.find(QFileInfo(path).suffix().toLower());
    if (kind != m_fileKinds.end()) {
        choose(kind->second);
        PlannerWindow* planner = openPlanner();
        if (planner && !planner->mayOpen(path)) {
            returnToMenu();
            return;
        }
        if (planner && planner->openFile(path))
            return;
        if (openPlanner())
            returnToMenu();
    }
    m_values.msgNumber = Message::FileNotFound;
    m_values.msgDetail.clear();
    emit messageRequested();
}

bool Navigator::recoverFile(const QString& path, const QString& extension, const QString& originalName)
{
    const auto kind = m_fileKinds.find(extension.toLower());
    if (kind == m_fileKinds.end() || m_planner)
        return false;
    choose(kind->second);
    if (PlannerWindow* planner = openPlanner(); planner && planner->recoverFile(path, originalName))
        return true;
    if (openPlanner())
        returnToMenu();
    return false;
}

void Navigator::registerPlanner(MenuChoice choice, ChildKind placement, PlannerFactory factory)
{
    m_planners[choice] = Registration{placement, std::move(factory)};
}

void Navigator::registerGraph(PlannerFactory factory)
{
    m_graphFactory = std::move(factory);
}

QMdiSubWindow* Navigator::openChild(QWidget* child, ChildKind placement)
{
    QMdiSubWindow* window = m_frame.addChild(child);
    window->setProperty(ChildKindProperty, static_cast<int>(placement));
    window->show();
    m_frame.documentArea()->setActiveSubWindow(window);
    placeActivated(window);
    return window;
}

void Navigator::placeActivated(QMdiSubWindow* window)
{
    if (!window)
        return;
    const QVariant kind = window->property(ChildKindProperty);
    if (!kind.isValid())
        return;
    // Back to the unscrolled work area first: scrolling moves every window,
    // and a placement is measured from the area's corner.
    QMdiArea* area = m_frame.documentArea();
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
    const auto childKind = static_cast<ChildKind>(kind.toInt());
    const QPoint at = childPositionTwips(childKind, m_values.frameHeightMark);
    placeChild(window, at.x(), at.y(), m_frame.dotsPerInch());
    if (childKind == ChildKind::Menu)
        return;
    // A planner fills the work area, with the margin it was placed at on the
    // far sides too, and grows with the frame; below its smallest size the
    // work area scrolls instead of cutting it.
    const QPoint corner = window->pos();
    const QSize workArea = area->viewport()->size();
    const auto span = [](int areaLength, int at) { return at > 0 ? areaLength - 2 * at : areaLength - at; };
    window->resize(QSize(span(workArea.width(), corner.x()), span(workArea.height(), corner.y()))
                       .expandedTo(window->minimumSizeHint()));
}

void Navigator::showMenu()
{
    if (!m_menuWindow) {
        m_menuWindow = openChild(&m_menu, ChildKind::Menu);
        m_menuWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        return;
    }
    m_menuWindow->show();
    m_frame.documentArea()->setActiveSubWindow(m_menuWindow);
    placeActivated(m_menuWindow);
}

void Navigator::choose(MenuChoice choice)
{
    switch (choice) {
    case MenuChoice::Exit:
        emit exitRequested();
        return;
    case MenuChoice::HowTo:
        showHelp(HelpContext::Menu);
        return;
    case MenuChoice::Personalize:
        emit personalizeRequested();
        return;
    case MenuChoice::Mortgage:
        m_values.loanKind = 1;
        break;
    case MenuChoice::Loans:
        m_values.loanKind = 2;
        break;
    case MenuChoice::Savings:
        m_values.plannerMode = 1;
        break;
    default:
        break;
    }
    const auto registration = m_planners.find(choice);
    if (registration == m_planners.end() || m_planner)
        return;
    m_menuWindow->hide();
    m_planner = openChild(registration->second.factory(*this), registration->second.placement);
}

HelpViewer* Navigator::helpViewer() const
{
    return m_help;
}

PlannerWindow* Navigator::openPlanner() const
{
    return m_planner ? qobject_cast<PlannerWindow*>(m_planner->widget()) : nullptr;
}

int Navigator::activeHelpContext() const
{
    for (const auto& window : {m_graph, m_planner}) {
        if (window && window->isVisible()) {
            if (auto* planner = qobject_cast<PlannerWindow*>(window->widget()))
                return planner->helpContext();
        }
    }
    return HelpContext::Menu;
}

void Navigator::setFrameTitle(const QString& title)
{
    m_frame.setWindowTitle(title);
}

void Navigator::returnToMenu()
{
    setFrameTitle(QString::fromLatin1(MenuTitle));
    if (m_graph)
        m_graph->close();
    if (m_planner)
        m_planner->close();
    // Gone for the navigator at once, though deleted only later: the next
    // planner may open before then.
    m_planner = nullptr;
    m_values.loanKind = 0;
    m_values.plannerMode = 0;
    m_values.graphSource = 0;
    m_values.graphTitle.clear();
    showMenu();
    emit returnedToMenu();
}

void Navigator::showGraph()
{
    if (!m_graphFactory || !m_planner || m_graph)
        return;
    m_planner->hide();
    m_graph = openChild(m_graphFactory(*this), ChildKind::Planner);
}

void Navigator::leaveGraph()
{
    if (m_graph)
        m_graph->close();
    if (!m_planner)
        return;
    m_planner->show();
    m_frame.documentArea()->setActiveSubWindow(m_planner);
    placeActivated(m_planner);
}

void Navigator::showHelp(int contextNumber)
{
    if (!m_help) {
        m_help = new HelpViewer(m_helpFile, &m_frame);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->showTopic(contextNumber);
}

} // namespace tallyvane
