#include "budget/budgeterror.h"

namespace tallyvane {

BudgetError::BudgetError(std::int16_t messageNumber, const QString& detail)
    : std::runtime_error("budget message " + std::to_string(messageNumber) + " " + detail.toStdString()),
      m_messageNumber(messageNumber), m_detail(detail)
{
}

} // namespace tallyvane
