#pragma once

// TallyvaneApp owns what lives for the whole run: the shared values, the
// desktop services, the frame with its menu, and the navigator. start() runs
// the start-up in its fixed order: the menu inside the frame, the frame at
// its start size, the program's own directory as the current one, the
// settings file, then today's date.

#include "core/sharedvalues.h"
#include "shell/desktopservices.h"
#include "shell/framewindow.h"
#include "shell/menuwindow.h"
#include "shell/navigator.h"

namespace tallyvane {

class TallyvaneApp
{
public:
    // `programDirectory` is where the settings, help and sample files live.
    explicit TallyvaneApp(QString programDirectory);

    void start();

    SharedValues& values() { return m_values; }
    UiServices& services() { return m_services; }
    FrameWindow& frame() { return m_frame; }
    MenuWindow& menu() { return m_menu; }
    Navigator& navigator() { return m_navigator; }

private:
    QString m_programDirectory;
    SharedValues m_values;
    FrameWindow m_frame;
    DesktopServices m_services;
    MenuWindow m_menu;
    Navigator m_navigator;
};

// Registers every planner that exists with the navigator.
void registerPlanners(TallyvaneApp& app);

} // namespace tallyvane
