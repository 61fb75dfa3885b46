// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortirfdialog.h"

#include "mortgage/daysinyear.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr DialogOffsets DaysOffsets{{3200, 1700}, {4300, 2700}};

} // namespace

MortIRFTable::MortIRFTable(MortgageWindowState& state, SharedValues& values, QWidget* parent)
    : SharedDialog(QStringLiteral("Accelerated payments"), DaysOffsets, values, parent)
{
    setObjectName(QStringLiteral("MortIRFTable"));
    auto* frame = new QGroupBox(QStringLiteral(" Change interest rate factor - days "), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* options = new QButtonGroup(this);
    auto* optionsLayout = new QVBoxLayout(frame);
    const QStringList captions = daysInYearCaptions();
    for (int choice = 0; choice < captions.size(); ++choice) {
        auto* option = new QRadioButton(captions[choice], frame);
        option->setObjectName(QStringLiteral("IRFactor%1").arg(choice));
        option->setChecked(choice == state.daysInYearChoice);
        options->addButton(option, choice);
        optionsLayout->addWidget(option);
    }
    connect(options, &QButtonGroup::idToggled, this, [&state](int choice, bool checked) {
        if (checked)
            state.daysInYearChoice = static_cast<std::int16_t>(choice);
    });

    auto* note = new QLabel(QStringLiteral("Most Financial Institutions use 365 days."), this);
    note->setObjectName(QStringLiteral("Label1"));

    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("ExitMort"));
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (QAbstractButton* chosen = options->checkedButton())
        chosen->setFocus();
}

} // namespace tallyvane
