// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planners.h"
#include "core/recoveryfolder.h"
#include "shell/framestyle.h"
#include "shell/tallyvaneapp.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include <functional>

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

// An option of ours that is not known, said so before any window exists,
// rather than taken for a file that then is "not found". Qt's own
// single-dash options (-platform, -style) pass.
const char* unknownOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0)
            return argv[i];
    return nullptr;
}

// The icon's seven pictures, read as PNG by name: a reader left to guess
// the format would first load every image-format plugin installed (and the
// libraries they use) to ask them.
void setWindowIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/icons/%1x%1/tallyvane.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);
}

// Runs `work` once, in the event loop, after `window` is first on the screen.
void afterShown(QWindow& window, std::function<void()> work)
{
    struct Watch : QObject
    {
        std::function<void()> work;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    work();
                    deleteLater();
                });
            }
            return false;
        }
    };
    auto* watch = new Watch;
    watch->setParent(&window);
    watch->work = std::move(work);
    window.installEventFilter(watch);
}

} // namespace

int main(int argc, char** argv)
{
    if (const char* answer = answerBeforeStarting(argc, argv)) {
        std::fputs(answer, stdout);
        return 0;
    }
    if (const char* option = unknownOption(argc, argv)) {
        std::fprintf(stderr, "tallyvane: unknown option %s\nTry 'tallyvane --help'.\n", option);
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tallyvane"));
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setStyle(new tallyvane::FrameStyle);
    // Ties the windows to the desktop entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("tallyvane"));
    // A file named on the command line (as a file manager passes it) is read
    // relative to where the program was started.
    const QStringList arguments = QCoreApplication::arguments();
    const QString file = arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();

    tallyvane::TallyvaneApp app(QCoreApplication::applicationDirPath());
    tallyvane::registerPlanners(app);
    app.setRemembersGeometry(true);
    app.start();
    // Only the menu is needed to put the menu on the screen: keeping work,
    // a file from the command line, the question about earlier work and the
    // icon all wait until it is there.
    afterShown(*app.frame().windowHandle(), [&app, file] {
        app.keepWorkIn(tallyvane::defaultRecoveryFolder(), app.values().recoveryDelayMs);
        if (!file.isEmpty())
            app.navigator().openFile(file);
        // With a file from the command line open, the question waits for the menu.
        app.offerKeptWork();
        setWindowIcon();
    });
    return QApplication::exec();
}
