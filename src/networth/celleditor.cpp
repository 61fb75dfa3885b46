// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/celleditor.h"

#include "core/arithmeticfault.h"
#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "core/numberformat.h"

namespace tallyvane {
namespace {

constexpr char ValueFormat[] = "###,,###.00";

bool isDigitKey(int key)
{
    return key >= '0' && key <= '9';
}

// Control characters would end up inside a quoted name in the file, where a
// line feed splits the line and breaks the file for reading; lone surrogates
// and codes beyond Unicode are no characters at all.
bool isRefusedNameKey(int key)
{
    return key < 32 || key == KeyDelete || (key >= 0x80 && key < 0xA0) || (key >= 0xD800 && key < 0xE000) ||
           key > 0x10FFFF;
}

bool fitsMoney(const QString& buffer)
{
    try {
        readLeadingMoney(buffer);
        return true;
    } catch (const ArithmeticFault&) {
        return false;
    }
}

} // namespace

CellEditor::CellEditor(CellTable& cells) : m_cells(cells) {}

void CellEditor::moveTo(int row, int column)
{
    m_row = row;
    m_column = column;
    m_buffer.clear();
}

CellKeyAction CellEditor::typeKey(int key, const QString& gridText)
{
    if (m_row > CellTable::LastEntryRow)
        return CellKeyAction::RowLimit;
    if (m_row < 1 || !CellTable::isInside(m_row, m_column))
        return CellKeyAction::Ignored;
    if (key == KeyDoubleQuote)
        return CellKeyAction::Refused;
    if (key == KeyEnter)
        return CellKeyAction::MoveDown;
    return m_column == CellTable::ValueColumn ? typeValueKey(key) : typeNameKey(key, gridText);
}

CellKeyAction CellEditor::typeValueKey(int key)
{
    if (key == KeyBackspace) {
        m_buffer.clear();
        rewriteCell();
        return CellKeyAction::Rewritten;
    }
    if (key != KeyPeriod && !isDigitKey(key))
        return CellKeyAction::Refused;
    const QString typed = m_buffer + QChar(key);
    // At most two decimals after the first period.
    const qsizetype point = typed.indexOf(u'.') + 1;
    if (point > 0 && m_buffer.size() >= point + 2)
        return CellKeyAction::Ignored;
    // A figure that money cannot hold could never be totalled.
    if (!fitsMoney(typed))
        return CellKeyAction::Refused;
    m_buffer = typed;
    rewriteCell();
    return CellKeyAction::Rewritten;
}

CellKeyAction CellEditor::typeNameKey(int key, const QString& gridText)
{
    if (key == KeyBackspace) {
        m_buffer = gridText;
        m_buffer.chop(1);
    } else if (isRefusedNameKey(key)) {
        return CellKeyAction::Refused;
    } else {
        const char32_t character = static_cast<char32_t>(key);
        const QString typed = QString::fromUcs4(&character, 1);
        if (m_buffer.size() + typed.size() > NetWorthNameLimit)
            return CellKeyAction::Refused;
        m_buffer += typed;
    }
    rewriteCell();
    return CellKeyAction::Rewritten;
}

void CellEditor::rewriteCell()
{
    if (m_column == CellTable::NameColumn) {
        m_cells.set(m_row, m_column, CellValue::fromText(m_buffer));
        m_shownText = m_buffer;
    } else if (m_buffer.isEmpty()) {
        m_cells.set(m_row, m_column, CellValue::fromText(QString()));
        m_shownText.clear();
    } else {
        const double value = readLeadingNumber(m_buffer);
        m_cells.set(m_row, m_column, CellValue::fromNumber(value));
        m_shownText = formatNumber(value, QString::fromLatin1(ValueFormat));
    }
}

void CellEditor::clearCell()
{
    m_buffer.clear();
    m_shownText.clear();
    if (m_row >= 1 && m_row <= CellTable::LastEntryRow && CellTable::isInside(m_row, m_column))
        m_cells.set(m_row, m_column, CellValue::fromText(QString()));
}

} // namespace tallyvane
