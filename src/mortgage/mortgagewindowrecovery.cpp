// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgagefile.h"
#include "mortgage/mortgagewindow.h"
#include "shell/keptwork.h"

namespace tallyvane {

void MortgageCalc::keepInputs()
{
    keepWork({.unsaved = [this] { return m_inputsChanged; },
              .content = [this] { return mortgageFileContent(plan()); },
              .extension =
                  [this] {
                      return m_mode->loanKind == LoanKind::PersonalLoan ? QStringLiteral("ULD")
                                                                       : QStringLiteral("UMD");
                  },
              .fileName = [this] { return rememberedFileName(); }});
}

void MortgageCalc::noteInputsChanged()
{
    m_inputsChanged = true;
    keptWork().noteChange();
}

void MortgageCalc::inputsSaved(const QString& path)
{
    m_inputsChanged = false;
    workIsInFile(path);
}

// The window asks nothing on the way out: Exit gives its inputs up, and
// lets go of the file.
bool MortgageCalc::mayLeave()
{
    m_inputsChanged = false;
    giveUpWork();
    return true;
}

bool MortgageCalc::recoverFile(const QString& path, const QString& originalName)
{
    if (!showFile(path, originalName))
        return false;
    m_inputsChanged = true;
    keptWork().recovered();
    return true;
}

} // namespace tallyvane
