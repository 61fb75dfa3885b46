#include "cli/commandoptions.h"

#include "core/money.h"

namespace tallyvane::cli {

UsageError::UsageError(const QString& what) : std::runtime_error(what.toStdString()) {}

CommandOptions::CommandOptions(const QStringList& arguments, const QStringList& knownOptions)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--"))) {
            m_words << argument;
            continue;
        }
        QString name = argument.mid(2);
        QString value;
        if (const qsizetype equals = name.indexOf(u'='); equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw UsageError(QStringLiteral("option --%1 needs a value").arg(name));
        }
        if (!knownOptions.contains(name))
            throw UsageError(QStringLiteral("unknown option --%1").arg(name));
        m_options.append({name, value});
    }
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
    } catch (const std::exception&) {
        valid = false;
    }
    if (!valid)
        throw UsageError(QStringLiteral("--%1 needs a plain number, not \"%2\"").arg(name, given));
    return given;
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
