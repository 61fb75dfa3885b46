#include "shell/uiservices.h"

namespace tallyvane {

UiServices::~UiServices() = default;

void UiServices::fileUsed(const QString&) {}

void UiServices::showMessage(SharedValues& values, int msgNumber)
{
    values.msgNumber = static_cast<std::int16_t>(msgNumber);
    showMessage(values);
}

} // namespace tallyvane
