// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <QByteArray>
#include <QString>

namespace tallyvane {

// Builds the text of a data file: fields on a line separated by commas, text
// in double quotes, numbers in their shortest plain form, lines ended by CR LF.
class FieldWriter
{
public:
    void writeText(const QString& text);
    void writeNumber(double value);
    // A single-precision value in the shortest text that reads back as it.
    void writeSingle(float value);
    void writeMoney(Money value);
    void writeWhole(long long value);
    // A field written exactly as given, for already formatted figures.
    void writeRaw(const QByteArray& field);
    // An empty field: nothing between its commas.
    void writeEmpty();
    void endLine();

    const QByteArray& content() const { return m_content; }

private:
    void separate();

    QByteArray m_content;
    bool m_lineHasField = false;
};

// Shortest plain decimal text of a double: no exponent, no trailing zeros.
QString plainNumberText(double value);
// The same for a float: 0.05f is "0.05", not the digits of its double.
QString plainSingleText(float value);

} // namespace tallyvane
