#include "scriptedservices.h"

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
}

void ScriptedServices::askYesNo(SharedValues& values)
{
    questions.push_back(values.yesNoState);
    bool yes = false;
    if (takeFront(yesNoAnswers, yes))
        values.yesNoState = yes ? AnswerYes : AnswerNo;
}

void ScriptedServices::askRecordNumber(SharedValues& values)
{
    int number = 0;
    takeFront(recordNumbers, number);
    values.recNumber = static_cast<std::int16_t>(number);
    values.recNumMode = 0;
    values.recNumPreset = 0;
}

void ScriptedServices::askPrintHeader(SharedValues& values)
{
    QString header = QStringLiteral("1");
    takeFront(printHeaders, header);
    values.printHeader = header;
}

void ScriptedServices::askInsertLine(SharedValues& values)
{
    QString text;
    takeFront(insertLines, text);
    values.insertLineText = text;
    values.recNumPreset = 0;
}

void ScriptedServices::chooseFile(SharedValues& values)
{
    if (values.fileMode < 1 || values.fileMode > 8)
        return;
    QString path;
    takeFront(filePicks, path);
    values.filePicked = path;
    if (path.isEmpty())
        values.fileMode = FileModeCancelled;
}

} // namespace tallyvane::testing
