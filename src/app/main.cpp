#include "app/planners.h"
#include "shell/tallyvaneapp.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tallyvane"));
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Ties the windows to the desktop entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("tallyvane"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/tallyvane.png").arg(size));
    QApplication::setWindowIcon(icon);
    // A file named on the command line (as a file manager passes it) is read
    // relative to where the program was started.
    const QStringList arguments = QCoreApplication::arguments();
    const QString file = arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();

    tallyvane::TallyvaneApp app(QCoreApplication::applicationDirPath());
    tallyvane::registerPlanners(app);
    app.setRemembersGeometry(true);
    app.start();
    if (!file.isEmpty())
        app.navigator().openFile(file);
    return QApplication::exec();
}
