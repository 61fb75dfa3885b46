#include "core/settingsfile.h"

#include "core/fieldreader.h"
#include "core/fieldwriter.h"
#include "core/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallyvane {

bool readSettingsFile(const QString& path, SharedValues& values)
{
    bool complete = false;
    try {
        const auto content = readSmallFile(path);
        if (!content)
            throw FileFormatError("settings file missing");
        FieldReader reader(*content);
        values.currencySymbol = reader.readText();
        values.prtFontChoice = reader.readWhole16();
        if (values.prtFontChoice < 0 || values.prtFontChoice > 3) {
            values.prtFontChoice = 0;
            throw FileFormatError("unknown printer font choice");
        }
        values.userName = reader.readText();
        complete = true;
    } catch (const FileFormatError&) {
        values.pageLines = DefaultPageLines;
    }
    if (values.currencySymbol.isEmpty())
        values.currencySymbol = QStringLiteral("$");
    return complete;
}

bool writeSettingsFile(const QString& path, const SharedValues& values)
{
    FieldWriter writer;
    writer.writeText(values.currencySymbol);
    writer.writeWhole(values.prtFontChoice);
    writer.writeText(values.userName);
    writer.endLine();
    return saveDataFile(path, writer.content());
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
