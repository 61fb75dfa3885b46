#include "shell/tallyvaneapp.h"

#include "core/dates.h"
#include "core/settingsfile.h"

#include <QCoreApplication>
#include <QDir>

namespace tallyvane {

TallyvaneApp::TallyvaneApp(QString programDirectory)
    : m_programDirectory(std::move(programDirectory)), m_frame(m_values), m_services(&m_frame),
      m_navigator(m_values, m_frame, m_menu)
{
    QObject::connect(&m_navigator, &Navigator::exitRequested, &m_frame, [] { QCoreApplication::exit(0); });
}

void TallyvaneApp::start()
{
    m_navigator.setFrameTitle(QString::fromLatin1(MenuTitle));
    m_navigator.showMenu();
    m_frame.placeAtStart();
    m_frame.show();
    QDir::setCurrent(m_programDirectory); // a failure leaves the directory as it was
    readSettingsFile(QString::fromLatin1(SettingsFileName), m_values);
    m_menu.showUserName(m_values.userName);
    m_values.todayText = todayShortText();
}

} // namespace tallyvane
