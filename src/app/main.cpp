#include "app/planners.h"
#include "core/recoveryfolder.h"
#include "shell/tallyvaneapp.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

constexpr char Usage[] =
    "Usage: tallyvane [FILE]\n"
    "Plans a budget, savings, a mortgage or loan and a net worth statement.\n"
    "\n"
    "FILE opens in the planner of its kind (the ending, in any letter case):\n"
    "  .BGT budget, .UMD mortgage, .ULD loan, .NWF net worth\n"
    "\n"
    "  --help     show this text and leave\n"
    "  --version  show the version and leave\n"
    "\n"
    "tallyvane-calc does the same calculations on the command line.\n";

// --help and --version are answered before any window exists, so that they
// need no display and return at once. Null when the program is to start.
const char* answerBeforeStarting(int argc, char** argv)
{
    if (argc != 2)
        return nullptr;
    if (std::strcmp(argv[1], "--version") == 0)
        return "tallyvane " TALLYVANE_VERSION "\n";
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
        return Usage;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (const char* answer = answerBeforeStarting(argc, argv)) {
        std::fputs(answer, stdout);
        return 0;
    }
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
    app.keepWorkIn(tallyvane::defaultRecoveryFolder(), app.values().recoveryDelayMs);
    app.start();
    if (!file.isEmpty())
        app.navigator().openFile(file);
    // With a file from the command line open, the question waits for the menu.
    app.offerKeptWork();
    return QApplication::exec();
}
