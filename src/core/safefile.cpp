#include "core/safefile.h"

#include "core/savefault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyvane {
namespace {

constexpr mode_t anyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// Large files are written in pieces, so that a fault or a pause can fall
// between them.
constexpr qint64 PieceBytes = 64 * 1024;

// Links pointing at links are followed this far, as the system does.
constexpr int MostLinksFollowed = 40;

// ".NAME" + TempMiddle + six letters or digits + TempEnd.
constexpr char TempMiddle[] = ".tallyvane-";
constexpr char TempEnd[] = ".tmp";
constexpr int TempRandomLength = 6;

SaveFault activeFault;

SaveFailure failureOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return SaveFailure::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return SaveFailure::NotPermitted;
    case ENOENT:
    case ENOTDIR:
        return SaveFailure::FolderMissing;
    case ENAMETOOLONG:
        return SaveFailure::NameTooLong;
    case EISDIR:
    case ENXIO:
        return SaveFailure::NotPlainFile;
    default:
        return SaveFailure::Other;
    }
}

// The file a path names once every symbolic link on it is followed; nothing
// for a loop of links.
std::optional<QString> resolvedPath(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int followed = 0; followed < MostLinksFollowed; ++followed) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    return std::nullopt;
}

// The longest name the folder's file system takes, in bytes.
qint64 longestName(const QByteArray& folder)
{
    const long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    return longest > 0 ? longest : 255;
}

// The part of the temporary name that stands for the target. A target name so
// long that the temporary name would not fit is shortened, and a digest of the
// whole name keeps it apart from other long names with the same beginning.
QString tempStem(const QString& name, qint64 longest)
{
    const qint64 extra = 1 + qint64(sizeof TempMiddle - 1) + TempRandomLength + qint64(sizeof TempEnd - 1);
    if (QFile::encodeName(name).size() + extra <= longest)
        return name;
    const QString digest = QStringLiteral("~%1").arg(qHash(name, 0x7a11), 16, 16, QLatin1Char('0'));
    QString shortened = name;
    while (!shortened.isEmpty() && QFile::encodeName(shortened + digest).size() + extra > longest)
        shortened.chop(shortened.size() >= 2 && shortened.at(shortened.size() - 1).isLowSurrogate() ? 2 : 1);
    return shortened + digest;
}

QString tempName(const QString& stem)
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString random;
    for (int i = 0; i < TempRandomLength; ++i)
        random += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    return u'.' + stem + QLatin1String(TempMiddle) + random + QLatin1String(TempEnd);
}

bool isTempFileOf(const QString& entry, const QString& stem)
{
    static const QRegularExpression random(QStringLiteral("^[A-Za-z0-9]{%1}$").arg(TempRandomLength));
    const QString start = u'.' + stem + QLatin1String(TempMiddle);
    const QString end = QLatin1String(TempEnd);
    return entry.size() == start.size() + TempRandomLength + end.size() && entry.startsWith(start) &&
           entry.endsWith(end) && random.match(entry.mid(start.size(), TempRandomLength)).hasMatch();
}

// What an interrupted save of the same target left behind.
void removeInterruptedSaves(const QString& folderPath, const QString& stem)
{
    QDir folder(folderPath);
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isTempFileOf(entry, stem))
            folder.remove(entry);
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

SaveFailure writeInPieces(int fd, const QByteArray& content)
{
    const SaveFault& fault = currentSaveFault();
    for (qint64 written = 0; written < content.size();) {
        qint64 piece = std::min(PieceBytes, content.size() - written);
        const bool failsHere =
            fault.failAt == SaveFault::Step::Write && fault.bytesBeforeFailure < written + piece;
        if (failsHere)
            piece = std::max<qint64>(0, fault.bytesBeforeFailure - written);
        if (!writeAll(fd, content.constData() + written, piece))
            return failureOf(errno);
        if (failsHere)
            return fault.reason;
        written += piece;
        if (fault.afterPiece)
            fault.afterPiece(written);
    }
    // An empty file meets a write fault too: the disk may be full.
    return fault.failAt == SaveFault::Step::Write ? fault.reason : SaveFailure::None;
}

// The temporary file, created beside the target with the target's permissions
// (a new file gets what the user's umask allows); -1 with errno set on failure.
int createTempFile(const QByteArray& path, const std::optional<struct stat>& target)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, target ? 0600 : 0666);
    if (fd < 0 || !target)
        return fd;
    if (::fchmod(fd, target->st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(path.constData());
        errno = error;
        return -1;
    }
    // Someone else's file keeps its owner where the system lets us.
    [[maybe_unused]] const int ignored = ::fchown(fd, target->st_uid, target->st_gid);
    return fd;
}

// Writes, flushes and renames the temporary file over `target`.
SaveFailure writeThroughTemp(const QString& folder, const QString& target, const QString& stem,
                             const std::optional<struct stat>& targetStat, const QByteArray& content)
{
    const SaveFault& fault = currentSaveFault();
    if (fault.failAt == SaveFault::Step::Open)
        return fault.reason;
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = QFile::encodeName(QDir(folder).filePath(tempName(stem)));
        fd = createTempFile(temp, targetStat);
        if (fd < 0 && errno != EEXIST)
            return failureOf(errno);
    }
    if (fd < 0)
        return SaveFailure::Other;

    SaveFailure failure = writeInPieces(fd, content);
    if (failure == SaveFailure::None && ::fsync(fd) != 0)
        failure = failureOf(errno);
    if (failure == SaveFailure::None && fault.failAt == SaveFault::Step::Flush)
        failure = fault.reason;
    if (::close(fd) != 0 && failure == SaveFailure::None)
        failure = failureOf(errno);
    // A failed rename is met where the system would meet it: with the whole
    // file written and flushed, which is then thrown away.
    if (failure == SaveFailure::None && fault.failAt == SaveFault::Step::Rename)
        failure = fault.reason;
    if (failure == SaveFailure::None &&
        ::rename(temp.constData(), QFile::encodeName(target).constData()) != 0)
        failure = failureOf(errno);
    if (failure != SaveFailure::None)
        ::unlink(temp.constData());
    return failure;
}

} // namespace

SaveFault SaveFault::at(Step step, qint64 bytesBeforeFailure, SaveFailure reason)
{
    SaveFault fault;
    fault.failAt = step;
    fault.bytesBeforeFailure = bytesBeforeFailure;
    fault.reason = reason;
    return fault;
}

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
    return saveFileWithOutcome(path, content);
}

SaveOutcome saveFileWithOutcome(const QString& path, const QByteArray& content)
{
    if (path.isEmpty() || QFileInfo(path).fileName().contains(u'"'))
        return {SaveFailure::Other};
    const std::optional<QString> target = resolvedPath(path);
    if (!target)
        return {SaveFailure::NotPlainFile};
    const QFileInfo targetInfo(*target);
    const QString folder = targetInfo.absolutePath();
    const QByteArray encodedFolder = QFile::encodeName(folder);

    struct stat folderStat
    {
    };
    if (::stat(encodedFolder.constData(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode))
        return {SaveFailure::FolderMissing};
    std::optional<struct stat> targetStat;
    if (struct stat found{}; ::stat(QFile::encodeName(*target).constData(), &found) == 0) {
        if (!S_ISREG(found.st_mode))
            return {SaveFailure::NotPlainFile};
        if ((found.st_mode & anyWrite) == 0)
            return {SaveFailure::NotPermitted};
        targetStat = found;
    }
    if ((folderStat.st_mode & anyWrite) == 0 || ::access(encodedFolder.constData(), W_OK | X_OK) != 0)
        return {SaveFailure::NotPermitted};
    const qint64 longest = longestName(encodedFolder);
    if (QFile::encodeName(targetInfo.fileName()).size() > longest)
        return {SaveFailure::NameTooLong};

    const QString stem = tempStem(targetInfo.fileName(), longest);
    const SaveFailure failure = writeThroughTemp(folder, *target, stem, targetStat, content);
    if (failure == SaveFailure::None)
        removeInterruptedSaves(folder, stem);
    return {failure};
}

SaveOutcome saveDataFile(const QString& path, const QByteArray& content)
{
    if (content.size() > DataFileByteLimit)
        return {SaveFailure::Other};
    return saveFileWithOutcome(path, content);
}

std::optional<QByteArray> readSmallFile(const QString& path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, so that no device is ever opened; opened
    // without waiting, and looked at again, in case the name was swapped.
    struct stat info
    {
    };
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray content = file.read(maxBytes + 1);
    if (content.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

} // namespace tallyvane
