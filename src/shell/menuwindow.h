// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main menu: one button per planner, the settings, the help and the exit.
// It only announces the user's choice; the navigator opens what was chosen.

#include <QWidget>

class QLabel;
class QPushButton;

namespace tallyvane {

enum class MenuChoice
{
    NetWorth,
    Loans,
    Budget,
    Personalize,
    Exit,
    HowTo,
    Mortgage,
    Savings
};

class MenuWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MenuWindow(QWidget* parent = nullptr);

    // Shows the user's name under the title, or hides the line when empty.
    void showUserName(const QString& userName);
    QPushButton* button(MenuChoice choice) const;
    QLabel* nameLabel() const { return m_myName; }
    QSize sizeHint() const override;

signals:
    void chosen(tallyvane::MenuChoice choice);

private:
    QPushButton* addButton(MenuChoice choice, const QString& name, const QString& caption);

    QLabel* m_myName;
    QList<QPair<MenuChoice, QPushButton*>> m_buttons;
};

} // namespace tallyvane
