// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/keyfilters.h"

namespace tallyvane {
namespace {

bool isDigitKey(int key)
{
    return key >= '0' && key <= '9';
}

} // namespace

int decimalKeyFilter(int key, const QString& entryText, std::int16_t& entryDecimals)
{
    if (key == KeyBackspace || key == KeyDelete || key == KeyPeriod)
        return key;
    if (!isDigitKey(key))
        return KeyRefused;
    const qsizetype pointPosition = entryText.indexOf(u'.') + 1;
    if (pointPosition == 0)
        return key;
    qsizetype limit = pointPosition + 2;
    if (entryDecimals > 2) {
        limit = pointPosition + entryDecimals;
        entryDecimals = 0;
    }
    return entryText.size() < limit ? key : KeyRefused;
}

int wholeNumberKeyFilter(int key)
{
    if (key == KeyBackspace || key == KeyDelete || isDigitKey(key))
        return key;
    return KeyRefused;
}

} // namespace tallyvane
