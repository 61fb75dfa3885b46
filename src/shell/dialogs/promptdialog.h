// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/dialogs/shareddialog.h"
#include "shell/figureboxlayout.h"

#include <QString>

#include <cstdint>

namespace tallyvane {

class GreenBox;
class UiServices;

// What tells one one-line prompt from another: the caption, the control names
// and texts, and the key filter of its green box.
struct PromptLayout
{
    QString caption;
    DialogOffsets offsets;
    QString labelName;
    QString labelText;
    QString boxName;
    KeyFilterKind filter = KeyFilterKind::WholeNumber;
    bool selectAllOnFocus = false;
    QString acceptName;
    QString acceptText;
    QString cancelName;
    QString cancelText;
};

// A prompt for one line: a label, a green box that moves on to the accept
// button with Enter, an accept button and a cancel button.
class PromptDialog : public SharedDialog
{
    Q_OBJECT

public:
    GreenBox* box() const { return m_box; }

protected:
    PromptDialog(const PromptLayout& layout, SharedValues& values, UiServices& services, QWidget* frame);

    // Leaves the answer for the text in the box when the user accepts.
    virtual void takeAnswer(const QString& typed) = 0;
    // Shows a preset number already typed in the box (nothing for 0) and
    // resets it, so the next prompt starts empty.
    void offerPreset(std::int16_t& preset);

private:
    GreenBox* m_box = nullptr;
};

// The layout the record-number and line-number prompts share: "Input " over
// the label Label1, the whole-number box CurVal, which selects its text on
// focus, and the buttons Accept "&OK" and NoAccept "&Cancel".
PromptLayout numberPromptLayout(DialogOffsets offsets, const QString& labelText);

} // namespace tallyvane
