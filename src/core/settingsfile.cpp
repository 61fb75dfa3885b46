// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsfile.h"

#include "core/fieldreader.h"
#include "core/fieldwriter.h"
#include "core/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallyvane {

namespace {

// A file that is missing or cannot be read to the end: the page length goes
// back to its default, and some currency symbol is always left.
void keepUsableSettings(bool complete, SharedValues& values)
{
    if (!complete)
        values.pageLines = DefaultPageLines;
    if (values.currencySymbol.isEmpty())
        values.currencySymbol = QStringLiteral("$");
}

} // namespace

bool readSettingsFile(const QString& path, SharedValues& values)
{
    const auto content = readSmallFile(path);
    if (!content) {
        keepUsableSettings(false, values);
        return false;
    }
    return parseSettings(*content, values);
}

bool parseSettings(const QByteArray& content, SharedValues& values)
{
    bool complete = false;
    try {
        FieldReader reader(content);
        values.currencySymbol = reader.readText();
        values.prtFontChoice = reader.readWhole16();
        if (values.prtFontChoice < 0 || values.prtFontChoice > 3) {
            values.prtFontChoice = 0;
            throw FileFormatError("unknown printer font choice");
        }
        values.userName = reader.readText();
        complete = true;
    } catch (const FileFormatError&) {
    }
    keepUsableSettings(complete, values);
    return complete;
}

QByteArray settingsFileContent(const SharedValues& values)
{
    FieldWriter writer;
    writer.writeText(values.currencySymbol);
    writer.writeWhole(values.prtFontChoice);
    writer.writeText(values.userName);
    writer.endLine();
    return writer.content();
}

bool writeSettingsFile(const QString& path, const SharedValues& values)
{
    return saveDataFile(path, settingsFileContent(values));
}

QString userSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tallyvane/") + QString::fromLatin1(SettingsFileName);
}

bool readSettings(const QString& programDirectory, SharedValues& values)
{
    if (QFileInfo::exists(userSettingsPath()))
        return readSettingsFile(userSettingsPath(), values);
    return readSettingsFile(QDir(programDirectory).filePath(QString::fromLatin1(SettingsFileName)), values);
}

bool saveUserSettings(const SharedValues& values)
{
    const QString path = userSettingsPath();
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeSettingsFile(path, values);
}

} // namespace tallyvane
