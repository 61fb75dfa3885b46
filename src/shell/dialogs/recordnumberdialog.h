// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/dialogs/promptdialog.h"

#include <cstdint>

namespace tallyvane {

// The record number an InRecNum box holds: its leading whole number, 0 when
// empty. A number too large for a record number becomes the largest one,
// which no list reaches, so the caller answers that the record does not exist.
std::int16_t recordNumberFrom(const QString& typed);

// InRecNum: asks for the number of the record to change or delete
// (SharedValues::recNumMode 1 for delete) with SharedValues::recNumPreset
// already typed, placed under the income side (recNumSpot 1) or the expense
// side (2). Leaves SharedValues::recNumber, 0 when cancelled.
class InRecNum : public PromptDialog
{
    Q_OBJECT

public:
    InRecNum(SharedValues& values, UiServices& services, QWidget* frame);

protected:
    void takeAnswer(const QString& typed) override;
};

} // namespace tallyvane
