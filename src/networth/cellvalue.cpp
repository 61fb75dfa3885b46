// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/cellvalue.h"

#include "core/fieldwriter.h"
#include "core/leadingnumber.h"

namespace tallyvane {

CellValue CellValue::fromText(const QString& text)
{
    CellValue cell;
    cell.m_content = text;
    return cell;
}

CellValue CellValue::fromNumber(double number)
{
    CellValue cell;
    cell.m_content = number;
    return cell;
}

CellValue::Kind CellValue::kind() const
{
    if (std::holds_alternative<QString>(m_content))
        return Kind::Text;
    if (std::holds_alternative<double>(m_content))
        return Kind::Number;
    return Kind::Empty;
}

bool CellValue::isBlank() const
{
    return isEmpty() || (isText() && text().isEmpty());
}

QString CellValue::text() const
{
    const QString* content = std::get_if<QString>(&m_content);
    return content ? *content : QString();
}

double CellValue::number() const
{
    const double* content = std::get_if<double>(&m_content);
    return content ? *content : 0.0;
}

QString CellValue::textForm() const
{
    if (isNumber())
        return plainNumberText(number());
    return text();
}

double CellValue::leadingNumber() const
{
    return readLeadingNumber(textForm());
}

Money CellValue::leadingMoney() const
{
    return readLeadingMoney(textForm());
}

} // namespace tallyvane
