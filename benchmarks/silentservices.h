// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-ins for the desktop and the frame, for timing a planner window with
// no dialog or message ever shown.

#include "shell/plannerhost.h"
#include "shell/uiservices.h"

namespace tallyvane::benchmarking {

class SilentServices : public UiServices
{
public:
    void showMessage(SharedValues&) override { ++messages; }
    void askYesNo(SharedValues&) override {}
    void askRecordNumber(SharedValues&) override {}
    void askPrintHeader(SharedValues&) override {}
    void askInsertLine(SharedValues&) override {}
    void chooseFile(SharedValues&) override {}
    void showPrintPreview(const Report&) override {}
    void showImagePreview(const ImagePrintout&) override {}
    void beep() override {}
    using UiServices::showMessage;

    int messages = 0;
};

class StayingHost : public PlannerHost
{
public:
    void setFrameTitle(const QString&) override {}
    void returnToMenu() override {}
    void showGraph() override {}
    void leaveGraph() override {}
    void showHelp(int) override {}
};

} // namespace tallyvane::benchmarking
