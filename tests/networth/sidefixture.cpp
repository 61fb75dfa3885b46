// SPDX-License-Identifier: GPL-3.0-or-later
#include "sidefixture.h"

namespace tallyvane::testing_support {
namespace {

CellValue nameCell(const char* name)
{
    return name ? CellValue::fromText(QString::fromUtf8(name)) : CellValue();
}

CellValue valueCell(const char* value)
{
    if (!value)
        return CellValue();
    if (*value == '\0')
        return CellValue::fromText(QString());
    return CellValue::fromNumber(QString::fromLatin1(value).toDouble());
}

} // namespace

void fillSide(CellTable& cells, const std::vector<TypedRow>& rows, int firstRow)
{
    int row = firstRow;
    for (const TypedRow& boxLayout : rows) {
        cells.set(row, CellTable::NameColumn, nameCell(boxLayout.name));
        cells.set(row, CellTable::ValueColumn, valueCell(boxLayout.value));
        ++row;
    }
}

std::vector<std::string> describeSide(const CellTable& cells, int count)
{
    std::vector<std::string> rows;
    for (int row = 1; row <= count; ++row)
        rows.push_back((cells.name(row).textForm() + u'|' + cells.value(row).textForm()).toStdString());
    return rows;
}

} // namespace tallyvane::testing_support
