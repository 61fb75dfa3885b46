// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <QString>

#include <variant>

namespace tallyvane {

// One cell of a net worth table: never set, a text, or a floating-point
// number. A value cell that the user cleared holds an empty text, which is
// not the same as a cell that was never set (the file keeps the difference).
class CellValue
{
public:
    enum class Kind
    {
        Empty,
        Text,
        Number
    };

    CellValue() = default;
    static CellValue fromText(const QString& text);
    static CellValue fromNumber(double number);

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isText() const { return kind() == Kind::Text; }
    bool isNumber() const { return kind() == Kind::Number; }
    // Never set, or an empty text: what a row without a name has.
    bool isBlank() const;

    QString text() const;  // the text of a text cell, else empty
    double number() const; // the number of a number cell, else 0
    // The cell as a text: a number in its shortest plain form, empty for an
    // empty cell.
    QString textForm() const;
    // The leading number of the text form, as a double and as exact money
    // (the latter raises ArithmeticFault when out of range).
    double leadingNumber() const;
    Money leadingMoney() const;

    bool operator==(const CellValue&) const = default;

private:
    std::variant<std::monostate, QString, double> m_content;
};

} // namespace tallyvane
