#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tallyvane {

// Numbers of the shared message box that the budget worksheet shows when an
// operation on its lists is refused.
inline constexpr std::int16_t MsgWrongEntry = 8;        // "Wrong entry."
inline constexpr std::int16_t MsgFileNotReadable = 13;  // "File not found or wrong format. ..."
inline constexpr std::int16_t MsgBoxesOneAndThree = 16; // "Boxes 1 and 3 must have data."
inline constexpr std::int16_t MsgNoSuchRecord = 17;     // "Record Number does not exist."
inline constexpr std::int16_t MsgWrongEntryDetail = 19; // "Wrong entry " followed by the detail

// A budget operation that was refused; the list it acted on is unchanged.
// `detail` completes message 19 and is empty for the other messages.
class BudgetError : public std::runtime_error
{
public:
    explicit BudgetError(std::int16_t messageNumber, const QString& detail = QString());

    std::int16_t messageNumber() const { return m_messageNumber; }
    const QString& detail() const { return m_detail; }

private:
    std::int16_t m_messageNumber;
    QString m_detail;
};

} // namespace tallyvane
