// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// TallyvaneApp owns what lives for the whole run: the shared values, the
// desktop services, the frame with its menu, and the navigator. start() runs
// the start-up in its fixed order: the menu inside the frame, the frame at
// its start size, the settings file, then today's date. The current
// directory stays where the program was started: the help and sample files
// are found by their full path (datafolder.h), and an installed program's
// own folder is no place for anything relative to land in.

#include "core/sharedvalues.h"
#include "shell/desktopservices.h"
#include "shell/enterpressesbutton.h"
#include "shell/framewindow.h"
#include "shell/menuwindow.h"
#include "shell/navigator.h"
#include "shell/sessionguard.h"

#include <memory>

namespace tallyvane {

class TallyvaneApp
{
public:
    // `programDirectory` is the folder of the program; its help and sample
    // files are found from there, and an old settings file beside it still
    // serves until the user saves settings. `services` stands in for the
    // desktop's dialogs, file chooser and printer when given (a test answers
    // them from a script); it must outlive the app.
    explicit TallyvaneApp(QString programDirectory, UiServices* services = nullptr);
    ~TallyvaneApp();

    // The frame comes back at the size and place it was left at (kept with
    // QSettings); tests leave this off so that no run depends on another.
    void setRemembersGeometry(bool remembers) { m_remembersGeometry = remembers; }
    void start();
    // Keeps unsaved work in recovery copies in `folder`, written `delayMs`
    // after a change and whenever the run is ended from outside, and takes
    // part in the desktop session (sessionguard.h). Tests leave this off, or
    // give a folder of their own.
    void keepWorkIn(const QString& folder, int delayMs);
    // Offers the work earlier runs left in that folder.
    void offerKeptWork();

    SharedValues& values() { return m_values; }
    UiServices& services() { return *m_services; }
    FrameWindow& frame() { return m_frame; }
    MenuWindow& menu() { return m_menu; }
    Navigator& navigator() { return m_navigator; }
    SessionGuard* sessionGuard() { return m_sessionGuard.get(); }

private:
    // The Personalize window, over the menu; the menu's name line follows it.
    void personalize();

    // Members are destroyed in reverse order: the windows go first, while the
    // values and services they call on the way out still exist.
    QString m_programDirectory;
    QString m_dataFolder;
    bool m_remembersGeometry = false;
    SharedValues m_values;
    DesktopServices m_desktop;
    UiServices* m_services; // m_desktop unless a stand-in was given
    FrameWindow m_frame;
    MenuWindow m_menu;
    Navigator m_navigator;
    EnterPressesButton m_enterPressesButton;
    std::unique_ptr<SessionGuard> m_sessionGuard; // goes first: it calls on the navigator
};

} // namespace tallyvane
