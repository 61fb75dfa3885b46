#pragma once

// Options of the calculator commands: "--name value" or "--name=value",
// repeatable where a command says so, and bare words such as a file name.

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
    // Throws UsageError for an option not in `knownOptions` or missing its value.
    CommandOptions(const QStringList& arguments, const QStringList& knownOptions);

    std::optional<QString> value(const QString& name) const; // the last one given
    QStringList values(const QString& name) const;
    const QStringList& words() const { return m_words; }

    // Typed readings; a value that does not read throws UsageError.
    QString choice(const QString& name, const QStringList& allowed, const QString& fallback) const;
    QString number(const QString& name, const QString& fallback) const;

private:
    QList<std::pair<QString, QString>> m_options;
    QStringList m_words;
};

enum class OutputFormat
{
    Text,
    Csv,
    Json
};
OutputFormat outputFormat(const CommandOptions& options);

} // namespace tallyvane::cli
