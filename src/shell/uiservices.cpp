// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/uiservices.h"

namespace tallyvane {

UiServices::~UiServices() = default;

void UiServices::fileUsed(const QString&) {}

void UiServices::showMessage(SharedValues& values, int msgNumber)
{
    values.msgNumber = static_cast<std::int16_t>(msgNumber);
    showMessage(values);
}

QString UiServices::pickFile(SharedValues& values, int mode, const QString& proposed)
{
    values.fileMode = static_cast<std::int16_t>(mode);
    values.filePicked = proposed;
    chooseFile(values);
    const bool cancelled = values.fileMode == FileModeCancelled;
    const QString path = values.filePicked;
    values.fileMode = 0;
    values.filePicked.clear();
    return cancelled ? QString() : path;
}

} // namespace tallyvane
