// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallyvane {

// What an open planner may ask of the program around it. The frame's
// navigator implements it; window tests use a fake that records the calls.
class PlannerHost
{
public:
    virtual ~PlannerHost();

    virtual void setFrameTitle(const QString& title) = 0;
    // Closes the planner and shows the main menu again.
    virtual void returnToMenu() = 0;
    // Hides the planner and shows the graph window for SharedValues::graphSource;
    // leaving the graph shows the planner again.
    virtual void showGraph() = 0;
    // Closes the graph window and shows the planner that opened it again.
    virtual void leaveGraph() = 0;
    // Opens the help viewer at the topic with this context number.
    virtual void showHelp(int contextNumber) = 0;
};

} // namespace tallyvane
