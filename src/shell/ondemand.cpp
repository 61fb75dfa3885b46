// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ondemand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstring>

namespace tallyvane {
namespace {

constexpr char LibraryName[] = "libtallyvane-ondemand.so";

OnDemandResolver linkedResolver = nullptr;

// Beside the program in the build folder, else in the private library
// folder, found from the program's folder once installed. Only an absolute
// folder is trusted: a relative one would be read from wherever the program
// was started, where anyone could have put a library of that name.
QString libraryPath(QString* why)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (programFolder.isEmpty() || QDir::isRelativePath(programFolder)) {
        *why = QStringLiteral("the program's own folder is not known");
        return {};
    }
    const QDir program(programFolder);
    const QString beside = program.filePath(QString::fromLatin1(LibraryName));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(program.filePath(QStringLiteral(TALLYVANE_ONDEMAND_FROM_PROGRAM) + u'/' +
                                            QString::fromLatin1(LibraryName)));
}

// The library once loaded and found to be of this program's version; null
// (with the reason kept) when it cannot be used.
QLibrary* loadedLibrary(QString* why)
{
    static QString failure;
    static QLibrary* const loaded = [] () -> QLibrary* {
        const QString path = libraryPath(&failure);
        if (path.isEmpty())
            return nullptr;
        auto* library = new QLibrary(path);
        if (!library->load()) {
            failure = library->errorString();
            return nullptr;
        }
        using Version = const char*();
        auto* version = reinterpret_cast<Version*>(library->resolve(OnDemandEntry::Version));
        if (!version || std::strcmp(version(), TALLYVANE_VERSION) != 0) {
            failure = QStringLiteral("%1 is not of version %2").arg(path, QStringLiteral(TALLYVANE_VERSION));
            return nullptr;
        }
        return library;
    }();
    if (!loaded && why)
        *why = failure;
    return loaded;
}

} // namespace

QFunctionPointer onDemandEntry(const char* name, QString* why)
{
    if (linkedResolver)
        return linkedResolver(name, why);
    QLibrary* library = loadedLibrary(why);
    if (!library)
        return nullptr;
    const QFunctionPointer entry = library->resolve(name);
    if (!entry && why)
        *why = library->errorString();
    return entry;
}

void resolveOnDemandWith(OnDemandResolver resolver)
{
    linkedResolver = resolver;
}

} // namespace tallyvane
