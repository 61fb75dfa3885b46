// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/tallyvaneapp.h"

#include "core/dates.h"
#include "core/settingsfile.h"
#include "shell/datafolder.h"
#include "shell/dialogs/personalizedialog.h"
#include "shell/helpcontexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QShortcut>

namespace tallyvane {
namespace {

constexpr char FrameGeometryKey[] = "frame/geometry";

} // namespace

TallyvaneApp::TallyvaneApp(QString programDirectory, UiServices* services)
    : m_programDirectory(std::move(programDirectory)), m_dataFolder(dataFolder(m_programDirectory)),
      m_services(services != nullptr ? services : &m_desktop), m_frame(m_values),
      m_navigator(m_values, m_frame, m_menu, QDir(m_dataFolder).filePath(QString::fromLatin1(HelpFileName)))
{
    m_desktop.setFrame(&m_frame);
    m_desktop.setSampleFolder(m_dataFolder);
    QCoreApplication::instance()->installEventFilter(&m_enterPressesButton);
    QObject::connect(&m_navigator, &Navigator::exitRequested, &m_frame, [] { QCoreApplication::exit(0); });
    QObject::connect(&m_navigator, &Navigator::messageRequested, &m_frame,
                     [this] { m_services->showMessage(m_values); });
    QObject::connect(&m_navigator, &Navigator::personalizeRequested, &m_frame, [this] { personalize(); });
}

TallyvaneApp::~TallyvaneApp()
{
    if (m_remembersGeometry)
        QSettings().setValue(QString::fromLatin1(FrameGeometryKey), m_frame.saveGeometry());
}

void TallyvaneApp::keepWorkIn(const QString& folder, int delayMs)
{
    m_sessionGuard = std::make_unique<SessionGuard>(m_values, *m_services, m_navigator, folder, delayMs);
}

void TallyvaneApp::offerKeptWork()
{
    if (m_sessionGuard)
        m_sessionGuard->offerEarlierWork();
}

void TallyvaneApp::personalize()
{
    ChangeFnt window(m_values, *m_services, &m_frame);
    // The modal window blocks the frame's own F1, which would not know this
    // topic anyway.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(help, &QShortcut::activated, &window,
                     [this] { m_navigator.showHelp(HelpContext::Personalize); });
    window.exec();
    m_menu.showUserName(m_values.userName);
    m_navigator.setFrameTitle(QString::fromLatin1(MenuTitle));
}

void TallyvaneApp::start()
{
    m_navigator.setFrameTitle(QString::fromLatin1(MenuTitle));
    m_navigator.showMenu();
    m_frame.placeAtStart();
    if (m_remembersGeometry)
        m_frame.restoreGeometry(QSettings().value(QString::fromLatin1(FrameGeometryKey)).toByteArray());
    m_frame.show();
    readSettings(m_programDirectory, m_values);
    m_menu.showUserName(m_values.userName);
    m_values.todayText = todayShortText();
}

} // namespace tallyvane
