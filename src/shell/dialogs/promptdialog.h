#pragma once

#include "shell/dialogs/shareddialog.h"
#include "shell/figureboxspec.h"

#include <QString>

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

private:
    GreenBox* m_box = nullptr;
};

// A preset record or line number as the box shows it: the digits, or nothing
// for 0.
QString presetText(int preset);

} // namespace tallyvane
