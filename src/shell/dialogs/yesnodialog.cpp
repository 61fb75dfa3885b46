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
    case Question::OpenKeptWork:
        return QStringLiteral(" Unsaved work from an earlier session was kept. Open it now?");
    case Question::ReplaceChangedFile:
        return QStringLiteral(
            " This file was changed by another program since you opened it. Replace it with "
            "what you see?");
    case Question::OpenFileOpenElsewhere:
        return QStringLiteral(" This file is open in another Tallyvane window. Open it anyway?");
    default:
        return {};
    }
}

bool guardsUnsavedWork(int number)
{
    return number == Question::SaveBeforeErasing || number == Question::OpenKeptWork;
}

bool showsDetailLine(int number)
{
    return number == Question::OpenKeptWork || number == Question::OpenFileOpenElsewhere ||
           number == Question::ReplaceChangedFile;
}

AllYesNo::AllYesNo(SharedValues& values, QWidget* frame)
    : SharedDialog(QStringLiteral("Help"), YesNoOffsets, values, frame)
{
    const int question = values.yesNoState;
    auto* label = new QLabel(questionText(question, values.dataFileName, values.msgDetail), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setFixedWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    if (showsDetailLine(question) && !values.msgDetail.isEmpty()) {
        auto* detail = new QLabel(values.msgDetail, this);
        detail->setObjectName(QStringLiteral("Detail"));
        detail->setWordWrap(true);
        detail->setFixedWidth(300);
        detail->setTextFormat(Qt::PlainText);
        layout->addWidget(detail);
    }

    auto* noButton = new QPushButton(QStringLiteral("&No"), this);
    noButton->setObjectName(QStringLiteral("AllNo"));
    connect(noButton, &QPushButton::clicked, this, [this] { answer(AnswerNo); });
    auto* yesButton = new QPushButton(QStringLiteral("&Yes"), this);
    yesButton->setObjectName(QStringLiteral("AllYes"));
    connect(yesButton, &QPushButton::clicked, this, [this] { answer(AnswerYes); });

    // Enter answers the focused button: on a question that guards work,
    // the one that keeps it.
    QPushButton* first = guardsUnsavedWork(question) ? yesButton : noButton;
    first->setDefault(true);
    first->setFocus(Qt::OtherFocusReason);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(noButton);
    buttons->addWidget(yesButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AllYesNo::answer(std::int16_t state)
{
    values().yesNoState = state;
    accept();
}

} // namespace tallyvane
