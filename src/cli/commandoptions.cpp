// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandoptions.h"

#include "core/arithmeticfault.h"
#include "core/messages.h"
#include "core/plannererror.h"

namespace tallyvane::cli {

UsageError::UsageError(const QString& what) : std::runtime_error(what.toStdString()) {}

CommandOptions::CommandOptions(const QStringList& arguments, const QStringList& knownOptions,
                               const QStringList& switches)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--"))) {
            m_words << argument;
            continue;
        }
        QString name = argument.mid(2);
        const qsizetype equals = name.indexOf(u'=');
        QString value = equals >= 0 ? name.mid(equals + 1) : QString();
        if (equals >= 0)
            name.truncate(equals);
        if (switches.contains(name)) {
            if (equals >= 0)
                throw UsageError(QStringLiteral("option --%1 takes no value").arg(name));
            m_switches << name;
            continue;
        }
        if (!knownOptions.contains(name))
            throw UsageError(QStringLiteral("unknown option --%1").arg(name));
        if (equals < 0) {
            // "--rate --years 5" lacks the rate; "--years" must not become its value.
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--")))
                throw UsageError(QStringLiteral("option --%1 needs a value").arg(name));
            value = arguments[++i];
        }
        m_options.append({name, value});
    }
}

QString CommandOptions::singleWord(const QString& what) const
{
    if (m_words.size() != 1)
        throw UsageError(QStringLiteral("give exactly one %1").arg(what));
    return m_words.first();
}

void CommandOptions::expectNoWords() const
{
    if (!m_words.isEmpty())
        throw UsageError(QStringLiteral("unexpected argument \"%1\"").arg(m_words.first()));
}

std::optional<QString> CommandOptions::value(const QString& name) const
{
    std::optional<QString> found;
    for (const auto& [optionName, optionValue] : m_options)
        if (optionName == name)
            found = optionValue;
    return found;
}

QStringList CommandOptions::values(const QString& name) const
{
    QStringList found;
    for (const auto& [optionName, optionValue] : m_options)
        if (optionName == name)
            found << optionValue;
    return found;
}

QString CommandOptions::choice(const QString& name, const QStringList& allowed, const QString& fallback) const
{
    const QString chosen = value(name).value_or(fallback);
    if (!allowed.contains(chosen))
        throw UsageError(
            QStringLiteral("--%1 takes one of: %2").arg(name, allowed.join(QStringLiteral(", "))));
    return chosen;
}

QString CommandOptions::number(const QString& name, const QString& fallback) const
{
    const QString given = value(name).value_or(fallback);
    bool valid = false;
    try {
        valid = Money::fromDecimalText(given.toStdString()).has_value();
    } catch (const ArithmeticFault&) {
        // A plain number, but one beyond money: the planner's refusal.
        throw PlannerError(Message::WrongOrMissingEntry);
    }
    if (!valid)
        throw UsageError(QStringLiteral("--%1 needs a plain number, not \"%2\"").arg(name, given));
    return given;
}

Money CommandOptions::amount(const QString& name, const QString& fallback) const
{
    return *Money::fromDecimalText(number(name, fallback).toStdString());
}

OutputFormat outputFormat(const CommandOptions& options)
{
    const QString format = options.choice(
        QStringLiteral("format"), {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json")},
        QStringLiteral("text"));
    if (format == QStringLiteral("csv"))
        return OutputFormat::Csv;
    if (format == QStringLiteral("json"))
        return OutputFormat::Json;
    return OutputFormat::Text;
}

} // namespace tallyvane::cli
