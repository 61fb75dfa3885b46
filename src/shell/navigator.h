// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The navigator moves the user between the main menu and the planners: a
// menu choice hides the menu and opens one planner inside the frame; the
// planner's exit closes it and brings the menu back. Planners are registered
// as factories, so a menu button whose planner is not registered does nothing.

#include "shell/menuwindow.h"
#include "shell/placement.h"
#include "shell/plannerhost.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QMdiSubWindow;

namespace tallyvane {

struct SharedValues;
class FrameWindow;
class HelpViewer;
class PlannerWindow;

using PlannerFactory = std::function<PlannerWindow*(PlannerHost& host)>;

inline constexpr char MenuTitle[] = " Tallyvane Menu";

class Navigator : public QObject, public PlannerHost
{
    Q_OBJECT

public:
    // `helpFile` is the help file that F1 and the menu's help button show.
    Navigator(SharedValues& values, FrameWindow& frame, MenuWindow& menu, QString helpFile);

    void registerPlanner(MenuChoice choice, ChildKind placement, PlannerFactory factory);
    // Files whose name ends in `.extension` (any letter case) are opened by
    // the planner of `choice`.
    void registerFileKind(const QString& extension, MenuChoice choice);
    // The graph window, opened by a planner's Show Graph.
    void registerGraph(PlannerFactory factory);
    // Shows the menu inside the frame; the first step of start-up.
    void showMenu();
    void choose(MenuChoice choice);
    // Opens the planner that owns the file's kind with the file loaded. A
    // file it cannot read leaves the menu showing message 13.
    void openFile(const QString& path);
    // Opens the planner of files ending in `.extension` with the recovery
    // copy at `path` as unsaved work of `originalName`. False, with the menu
    // showing, when the copy cannot be read.
    bool recoverFile(const QString& path, const QString& extension, const QString& originalName);

    PlannerWindow* openPlanner() const;
    HelpViewer* helpViewer() const;
    int activeHelpContext() const;

    void setFrameTitle(const QString& title) override;
    void returnToMenu() override;
    void showGraph() override;
    void leaveGraph() override;
    void showHelp(int contextNumber) override;

signals:
    void exitRequested();
    // The message numbered in SharedValues::msgNumber is to be shown over the menu.
    void messageRequested();
    // "Personali&ze Settings" was chosen.
    void personalizeRequested();
    // A planner closed and the menu shows again.
    void returnedToMenu();

private:
    struct Registration
    {
        ChildKind placement;
        PlannerFactory factory;
    };

    QMdiSubWindow* openChild(QWidget* child, ChildKind placement);
    void placeActivated(QMdiSubWindow* window);

    SharedValues& m_values;
    FrameWindow& m_frame;
    MenuWindow& m_menu;
    QString m_helpFile;
    QPointer<QMdiSubWindow> m_menuWindow;
    QPointer<QMdiSubWindow> m_planner;
    QPointer<QMdiSubWindow> m_graph;
    QPointer<HelpViewer> m_help;
    std::map<MenuChoice, Registration> m_planners;
    std::map<QString, MenuChoice> m_fileKinds; // by lower-case extension
    PlannerFactory m_graphFactory;
};

} // namespace tallyvane
