#pragma once

// TallyvaneApp owns what lives for the whole run: the shared values, the
// desktop services, the frame with its menu, and the navigator. start() runs
// the start-up in its fixed order: the menu inside the frame, the frame at
// its start size, the program's own directory as the current one, the
// settings file, then today's date.

#include "core/sharedvalues.h"
#include "shell/desktopservices.h"
#include "shell/enterpressesbutton.h"
#include "shell/framewindow.h"
#include "shell/menuwindow.h"
#include "shell/navigator.h"

namespace tallyvane {

class TallyvaneApp
{
public:
    // `programDirectory` is where the settings, help and sample files live.
    explicit TallyvaneApp(QString programDirectory);
    ~TallyvaneApp();

    // The frame comes back at the size and place it was left at (kept with
    // QSettings); tests leave this off so that no run depends on another.
    void setRemembersGeometry(bool remembers) { m_remembersGeometry = remembers; }
    void start();

    SharedValues& values() { return m_values; }
    UiServices& services() { return m_services; }
    FrameWindow& frame() { return m_frame; }
    MenuWindow& menu() { return m_menu; }
    Navigator& navigator() { return m_navigator; }

private:
    // The Personalize window, over the menu; the menu's name line follows it.
    void personalize();

    // Members are destroyed in reverse order: the windows go first, while the
    // values and services they call on the way out still exist.
    QString m_programDirectory;
    bool m_remembersGeometry = false;
    SharedValues m_values;
    DesktopServices m_services;
    FrameWindow m_frame;
    MenuWindow m_menu;
    Navigator m_navigator;
    EnterPressesButton m_enterPressesButton;
};

} // namespace tallyvane
