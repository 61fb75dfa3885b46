// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menuwindow.h"

#include "shell/placement.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr int MenuWidthTwips = 9500;
constexpr int MenuHeightTwips = 6300;

// A palette rather than a style sheet: the first style sheet in a program
// brings in the style sheet machinery, which would cost the menu's start.
void setTextColour(QLabel* label, QColor colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

MenuWindow::MenuWindow(QWidget* parent) : QWidget(parent), m_myName(new QLabel(this))
{
    setObjectName(QStringLiteral("MenuMain"));
    setWindowTitle(QStringLiteral("Main menu"));
    setAutoFillBackground(true);

    auto* title = new QLabel(QStringLiteral("Tallyvane"), this);
    title->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    setTextColour(title, QColor(0x1f, 0x4e, 0x79));

    auto* subtitle = new QLabel(QStringLiteral("Personal finance planner"), this);
    subtitle->setObjectName(QStringLiteral("Label3"));
    subtitle->setAlignment(Qt::AlignCenter);
    setTextColour(subtitle, QColor(0x5a, 0x64, 0x70));

    m_myName->setObjectName(QStringLiteral("MyName"));
    m_myName->setAlignment(Qt::AlignCenter);
    QFont nameFont = m_myName->font();
    nameFont.setItalic(true);
    m_myName->setFont(nameFont);
    m_myName->hide();

    // Two columns of planners, then the settings, help and exit row.
    auto* planners = new QGridLayout;
    planners->setHorizontalSpacing(16);
    planners->setVerticalSpacing(10);
    planners->addWidget(
        addButton(MenuChoice::Budget, QStringLiteral("ToBudget"), QStringLiteral("Planning your &Budget")), 0,
        0);
    planners->addWidget(
        addButton(MenuChoice::Savings, QStringLiteral("Savings"), QStringLiteral("Planning your &Savings")),
        0, 1);
    planners->addWidget(addButton(MenuChoice::Mortgage, QStringLiteral("Canadian"),
                                  QStringLiteral("Planning your &Mortgage")),
                        1, 0);
    planners->addWidget(
        addButton(MenuChoice::Loans, QStringLiteral("LoanPmt"), QStringLiteral("Planning your &Loans")), 1,
        1);
    planners->addWidget(
        addButton(MenuChoice::NetWorth, QStringLiteral("Networth"), QStringLiteral("&Net Worth")), 2, 0);
    planners->addWidget(
        addButton(MenuChoice::Personalize, QStringLiteral("PTrFnt"), QStringLiteral("Personali&ze Settings")),
        2, 1);
    planners->addWidget(
        addButton(MenuChoice::HowTo, QStringLiteral("HowTo"), QStringLiteral("&How to Use the Program")), 3,
        0);
    planners->addWidget(
        addButton(MenuChoice::Exit, QStringLiteral("ExitButten"), QStringLiteral("E&xit from Program")), 3,
        1);

    planners->setColumnStretch(0, 1);
    planners->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(64, 36, 64, 36);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(m_myName);
    layout->addSpacing(18);
    layout->addLayout(planners);
    layout->addStretch();
}

// The menu fills the frame at its start size.
QSize MenuWindow::sizeHint() const
{
    return {twipsToPixels(MenuWidthTwips, logicalDpiX()), twipsToPixels(MenuHeightTwips, logicalDpiY())};
}

QPushButton* MenuWindow::addButton(MenuChoice choice, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setMinimumHeight(40);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &QPushButton::clicked, this, [this, choice] { emit chosen(choice); });
    m_buttons.append({choice, button});
    return button;
}

QPushButton* MenuWindow::button(MenuChoice choice) const
{
    for (const auto& [buttonChoice, button] : m_buttons)
        if (buttonChoice == choice)
            return button;
    return nullptr;
}

void MenuWindow::showUserName(const QString& userName)
{
    m_myName->setText(userName);
    m_myName->setVisible(!userName.isEmpty());
}

} // namespace tallyvane
