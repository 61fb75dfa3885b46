// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A UiServices double for window tests: every message and question is
// recorded, answers are taken from queues the test fills beforehand, and an
// empty queue answers as a cancel would.

#include "shell/printing/imageprintout.h"
#include "shell/uiservices.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace tallyvane::testing {

class ScriptedServices : public UiServices
{
public:
    void showMessage(SharedValues& values) override;
    void askYesNo(SharedValues& values) override;
    void askRecordNumber(SharedValues& values) override;
    void askPrintHeader(SharedValues& values) override;
    void askInsertLine(SharedValues& values) override;
    void chooseFile(SharedValues& values) override;
    void fileUsed(const QString& path) override { filesUsed.push_back(path); }
    void showPrintPreview(const Report& report) override;
    void showImagePreview(const ImagePrintout& printout) override;
    void beep() override { ++beeps; }
    using UiServices::showMessage;

    // Names the queues still holding answers no dialog asked for; empty
    // when every scripted answer was used.
    QString unusedAnswers() const;

    std::vector<int> messages;         // message numbers in the order shown
    std::vector<QString> messageTexts; // the same messages as the user reads them
    std::vector<int> questions;        // question numbers in the order asked
    std::vector<QString> questionTexts;
    std::vector<QString> questionDetails;
    // Asks with the real dialog, modally, for the test to answer in place.
    bool realQuestions = false;
    std::vector<int> recordNumberPresets; // the number each record prompt offered
    std::vector<int> insertLinePresets;   // the number each line prompt offered
    std::vector<int> fileRequests;        // the FileMode of each file chooser shown
    std::vector<QString> filesUsed;       // each file opened or saved, in order
    std::vector<QString> previews;        // each printout shown, as plain text
    int beeps = 0;

    std::vector<ImagePrintout> imagePreviews; // each picture printout shown

    std::deque<bool> yesNoAnswers;
    std::deque<int> recordNumbers;
    std::deque<QString> printHeaders;
    std::deque<QString> insertLines;
    std::deque<QString> filePicks; // an empty text cancels
};

} // namespace tallyvane::testing
