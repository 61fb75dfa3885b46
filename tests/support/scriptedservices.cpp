// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedservices.h"

#include "core/report/reportplaintext.h"
#include "shell/dialogs/filechooser.h"
#include "shell/dialogs/messagebox.h"
#include "shell/dialogs/printheaderdialog.h"
#include "shell/dialogs/yesnodialog.h"

namespace tallyvane::testing {
namespace {

template <typename T> bool takeFront(std::deque<T>& queue, T& answer)
{
    if (queue.empty())
        return false;
    answer = queue.front();
    queue.pop_front();
    return true;
}

} // namespace

void ScriptedServices::showMessage(SharedValues& values)
{
    messages.push_back(values.msgNumber);
    messageTexts.push_back(messageText(values.msgNumber, values.msgDetail));
}

void ScriptedServices::askYesNo(SharedValues& values)
{
    questions.push_back(values.yesNoState);
    questionTexts.push_back(questionText(values.yesNoState, values.dataFileName, values.msgDetail));
    questionDetails.push_back(values.msgDetail);
    if (realQuestions) {
        AllYesNo dialog(values, nullptr);
        dialog.exec();
        return;
    }
    bool yes = false;
    if (takeFront(yesNoAnswers, yes))
        values.yesNoState = yes ? AnswerYes : AnswerNo;
}

void ScriptedServices::askRecordNumber(SharedValues& values)
{
    recordNumberPresets.push_back(values.recNumPreset);
    int number = 0;
    takeFront(recordNumbers, number);
    values.recNumber = static_cast<std::int16_t>(number);
    values.recNumMode = 0;
    values.recNumPreset = 0;
    values.recNumSpot = 0;
}

void ScriptedServices::askPrintHeader(SharedValues& values)
{
    QString header = QString::fromLatin1(CancelledPrintHeader);
    takeFront(printHeaders, header);
    values.printHeader = header;
}

void ScriptedServices::askInsertLine(SharedValues& values)
{
    insertLinePresets.push_back(values.recNumPreset);
    QString text;
    takeFront(insertLines, text);
    values.insertLineText = text;
    values.recNumPreset = 0;
}

void ScriptedServices::chooseFile(SharedValues& values)
{
    if (fileRequestFor(values))
        fileRequests.push_back(values.fileMode);
    fileDirectory(values, [this](const FileRequest&) {
        QString path;
        takeFront(filePicks, path);
        return path;
    });
}

void ScriptedServices::showPrintPreview(const Report& report)
{
    previews.push_back(reportPlainText(report));
}

void ScriptedServices::showImagePreview(const ImagePrintout& printout)
{
    imagePreviews.push_back(printout);
}

QString ScriptedServices::unusedAnswers() const
{
    QStringList unused;
    const auto note = [&unused](bool pending, const char* name) {
        if (pending)
            unused << QString::fromLatin1(name);
    };
    note(!yesNoAnswers.empty(), "yes/no");
    note(!recordNumbers.empty(), "record numbers");
    note(!printHeaders.empty(), "print headers");
    note(!insertLines.empty(), "insert lines");
    note(!filePicks.empty(), "file picks");
    return unused.join(QStringLiteral(", "));
}

} // namespace tallyvane::testing
