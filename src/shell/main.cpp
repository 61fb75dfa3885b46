#include "shell/tallyvaneapp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    tallyvane::TallyvaneApp app(QCoreApplication::applicationDirPath());
    tallyvane::registerPlanners(app);
    app.start();
    return QApplication::exec();
}
