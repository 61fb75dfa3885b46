// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Options of the calculator commands: "--name value" or "--name=value",
// repeatable where a command says so, switches that take no value
// ("--grey"), and bare words such as a file name.

#include "core/money.h"

#include <QStringList>

#include <optional>
#include <stdexcept>

namespace tallyvane::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitCalculationFailed = 1;
inline constexpr int ExitUsage = 2;

class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString& what);
};

class CommandOptions
{
public:
    // Throws UsageError for an option not in `knownOptions` or `switches`,
    // for an option missing its value, or a switch given one.
    CommandOptions(const QStringList& arguments, const QStringList& knownOptions,
                   const QStringList& switches = {});

    std::optional<QString> value(const QString& name) const; // the last one given
    QStringList values(const QString& name) const;
    bool isSet(const QString& switchName) const { return m_switches.contains(switchName); }
    const QStringList& words() const { return m_words; }
    // The one bare word a command takes, such as its file: `what` names it in
    // the UsageError for none or several.
    QString singleWord(const QString& what) const;
    // Throws UsageError naming the first bare word, for commands that take none.
    void expectNoWords() const;

    // Typed readings; a value that does not read throws UsageError, a number
    // beyond money the planners' PlannerError (message 3).
    QString choice(const QString& name, const QStringList& allowed, const QString& fallback) const;
    QString number(const QString& name, const QString& fallback) const;
    Money amount(const QString& name, const QString& fallback) const;

private:
    QList<std::pair<QString, QString>> m_options;
    QStringList m_words;
    QStringList m_switches;
};

enum class OutputFormat
{
    Text,
    Csv,
    Json
};
OutputFormat outputFormat(const CommandOptions& options);

// The one of a report's three writers that `format` asks for.
template <typename Writer> Writer writerFor(OutputFormat format, Writer text, Writer csv, Writer json)
{
    switch (format) {
    case OutputFormat::Csv:
        return csv;
    case OutputFormat::Json:
        return json;
    case OutputFormat::Text:
        break;
    }
    return text;
}

} // namespace tallyvane::cli
