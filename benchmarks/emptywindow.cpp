// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of start-up time and memory: a Qt program that shows a main
// window with one button and nothing else. It takes the size the frame of
// Tallyvane starts at (four fifths of the screen), so that both pay for the
// same area of window; `scripts/dev bench-start` runs the two side by side.

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    // A button of its own size, not one stretched over the whole window.
    auto* area = new QWidget;
    new QPushButton(QStringLiteral("Button"), area);
    window.setCentralWidget(area);
    const QRect available = window.screen()->availableGeometry();
    window.move(available.topLeft());
    window.resize(available.size() * 0.8);
    window.show();
    return QApplication::exec();
}
