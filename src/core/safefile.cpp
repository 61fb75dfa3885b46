#include "core/safefile.h"

#include "core/savefault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace tallyvane {
namespace {

constexpr QFileDevice::Permissions anyWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Large files are written in pieces, so that a fault or a pause can fall
// between them.
constexpr qint64 PieceBytes = 64 * 1024;

SaveFault activeFault;

bool isMarkedReadOnly(const QFileInfo& info)
{
    return (info.permissions() & anyWrite) == 0;
}

bool writeInPieces(QSaveFile& file, const QByteArray& content)
{
    const SaveFault& fault = currentSaveFault();
    for (qint64 written = 0; written < content.size();) {
        qint64 piece = std::min(PieceBytes, content.size() - written);
        const bool failsHere =
            fault.failAt == SaveFault::Step::Write && fault.bytesBeforeFailure < written + piece;
        if (failsHere)
            piece = std::max<qint64>(0, fault.bytesBeforeFailure - written);
        if (file.write(content.constData() + written, piece) != piece || failsHere)
            return false;
        written += piece;
        if (fault.afterPiece)
            fault.afterPiece(written);
    }
    // An empty file meets a write fault too: the disk may be full.
    return currentSaveFault().failAt != SaveFault::Step::Write;
}

bool flushed(QSaveFile& file)
{
    return file.flush() && currentSaveFault().failAt != SaveFault::Step::Flush;
}

void removeInterruptedSaves(const QFileInfo& target)
{
    QDir folder = target.absoluteDir();
    const QString name = target.fileName();
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (interruptedSaveTarget(entry) == name)
            folder.remove(entry);
}

} // namespace

ScopedSaveFault::ScopedSaveFault(SaveFault fault) : m_previous(std::move(activeFault))
{
    activeFault = std::move(fault);
}

ScopedSaveFault::~ScopedSaveFault()
{
    activeFault = std::move(m_previous);
}

const SaveFault& currentSaveFault()
{
    return activeFault;
}

bool saveFileSafely(const QString& path, const QByteArray& content)
{
    const QFileInfo target(path);
    if (target.isDir() || (target.exists() && isMarkedReadOnly(target)))
        return false;
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir() || isMarkedReadOnly(folder))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A failed rename is met where commit() would meet it: with the whole
    // file written and flushed, which commit() then throws away.
    if (!writeInPieces(file, content) || !flushed(file) ||
        currentSaveFault().failAt == SaveFault::Step::Rename) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    removeInterruptedSaves(target);
    return true;
}

std::optional<QString> interruptedSaveTarget(const QString& fileName)
{
    static const QRegularExpression leftover(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = leftover.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

bool saveDataFile(const QString& path, const QByteArray& content)
{
    return content.size() <= DataFileByteLimit && saveFileSafely(path, content);
}

std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    QByteArray content = file.read(maxBytes + 1);
    if (content.size() > maxBytes)
        return std::nullopt;
    return content;
}

} // namespace tallyvane
