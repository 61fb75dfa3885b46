// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/dialogs/yesnodialog.h"

#include "core/sharedvalues.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyvane {
namespace {

constexpr DialogOffsets YesNoOffsets{{3500, 2000}, {4500, 3000}};

} // namespace

QString questionText(int number, const QString& dataFileName, const QString& detail)
{
    switch (number) {
    case Question::ContinuePrintout:
        return QStringLiteral(" Continue with Printout.");
    case Question::PrintInColor:
        return QStringLiteral(" Print in Color.");
    case Question::SaveBeforeErasing:
        return dataFileName +
               QStringLiteral(" file in memory will be erased. Do you wish to go back and save it to Disk?.");
    case Question::DeleteRecord:
        return QStringLiteral("Are you sure you wish to delete the current record: ") + detail;
    default:
        return {};
    }
}

AllYesNo::AllYesNo(SharedValues& values, QWidget* frame)
    : SharedDialog(QStringLiteral("Help"), YesNoOffsets, values, frame)
{
    auto* label = new QLabel(questionText(values.yesNoState, values.dataFileName, values.msgDetail), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setFixedWidth(300);

    auto* noButton = new QPushButton(QStringLiteral("&No"), this);
    noButton->setObjectName(QStringLiteral("AllNo"));
    connect(noButton, &QPushButton::clicked, this, [this] { answer(AnswerNo); });
    auto* yesButton = new QPushButton(QStringLiteral("&Yes"), this);
    yesButton->setObjectName(QStringLiteral("AllYes"));
    connect(yesButton, &QPushButton::clicked, this, [this] { answer(AnswerYes); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(noButton);
    buttons->addWidget(yesButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AllYesNo::answer(std::int16_t state)
{
    values().yesNoState = state;
    accept();
}

} // namespace tallyvane
