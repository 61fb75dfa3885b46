#include "core/safefile.h"
#include "core/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tallyvane {
namespace {

constexpr QFileDevice::Permissions readOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions folderReadOnly =
    readOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

constexpr char oldBytes[] = "\"Salary\",12,3250.75\r\n\"Rent\",12,900\r\n\x01\xff";
const QByteArray oldContent(oldBytes, sizeof oldBytes - 1);
const QByteArray newContent("\"Salary\",12,4000\r\n");

class SaveFileSafely : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_path = m_folder.filePath(QStringLiteral("Home.BGT"));
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(oldContent), oldContent.size());
    }

    void TearDown() override
    {
        // Give write permission back so the folder can be removed.
        QFile::setPermissions(m_folder.path(), folderReadOnly | QFileDevice::WriteOwner);
        QFile::setPermissions(m_path, readOnly | QFileDevice::WriteOwner);
    }

    QByteArray contentOnDisk() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    QStringList folderEntries() const
    {
        return QDir(m_folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_folder;
    QString m_path;
};

TEST_F(SaveFileSafely, ReplacesTheContentAndLeavesNoTemporaryFile)
{
    EXPECT_TRUE(saveFileSafely(m_path, newContent));
    EXPECT_EQ(contentOnDisk(), newContent);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Home.BGT")});
}

TEST_F(SaveFileSafely, CreatesANewFile)
{
    const QString other = m_folder.filePath(QStringLiteral("New.NWF"));
    EXPECT_TRUE(saveFileSafely(other, QByteArray()));
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("Home.BGT"), QStringLiteral("New.NWF")}));
}

TEST_F(SaveFileSafely, ReadOnlyFileStaysAsItWas)
{
    ASSERT_TRUE(QFile::setPermissions(m_path, readOnly));
    EXPECT_FALSE(saveFileSafely(m_path, newContent));
    EXPECT_EQ(contentOnDisk(), oldContent);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Home.BGT")});
}

TEST_F(SaveFileSafely, ReadOnlyFolderLeavesTheOldFileAsItWas)
{
    ASSERT_TRUE(QFile::setPermissions(m_folder.path(), folderReadOnly));
    EXPECT_FALSE(saveFileSafely(m_path, newContent));
    EXPECT_FALSE(saveFileSafely(m_folder.filePath(QStringLiteral("New.NWF")), newContent));
    EXPECT_EQ(contentOnDisk(), oldContent);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Home.BGT")});
}

TEST_F(SaveFileSafely, MissingFolderOrAFolderAsTargetFails)
{
    const QString missing = m_folder.filePath(QStringLiteral("missing/Home.BGT"));
    EXPECT_FALSE(saveFileSafely(missing, newContent));
    EXPECT_FALSE(QFileInfo::exists(m_folder.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(saveFileSafely(m_folder.path(), newContent));
    EXPECT_FALSE(saveFileSafely(QString(), newContent));
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Home.BGT")});
}

// Only what an interrupted save of this very file left goes.
TEST_F(SaveFileSafely, ASuccessfulSaveTouchesNothingBesideItButItsOwnLeftovers)
{
    QStringList kept{".Home.BGT.backup", ".Other.BGT.tallyvane-aB3xYz.tmp",
                     "Home.BGT.123456",  "Home.BGT.2024Q1",
                     "Home.BGT.aB3xYz",  "Home.BGT.backup",
                     "Home.BGT.old123",  "Home.BGT~"};
    for (const QString& name : kept + QStringList{".Home.BGT.tallyvane-aB3xYz.tmp"}) {
        QFile file(m_folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
    }
    ASSERT_TRUE(QFile::link(m_path, m_folder.filePath(QStringLiteral("Home.BGT.linkto"))));
    ASSERT_TRUE(saveFileSafely(m_path, newContent));
    for (const QString& name : kept)
        EXPECT_EQ(readSmallFile(m_folder.filePath(name)), name.toUtf8()) << name.toStdString();
    EXPECT_TRUE(QFileInfo(m_folder.filePath(QStringLiteral("Home.BGT.linkto"))).isSymLink());
    kept << "Home.BGT"
         << "Home.BGT.linkto";
    kept.sort();
    EXPECT_EQ(folderEntries(), kept);
}

// The temporary name is shortened to fit the file system.
TEST_F(SaveFileSafely, NamesUpToTheLimitSaveEveryTimeLongerOnesAreRefused)
{
    const QString longest = m_folder.filePath(QString(251, u'n') + QStringLiteral(".BGT"));
    EXPECT_TRUE(saveFileSafely(longest, newContent) && saveFileSafely(longest, newContent));
    EXPECT_EQ(folderEntries().size(), 2);
    const QString tooLong = m_folder.filePath(QString(252, u'n') + QStringLiteral(".BGT"));
    EXPECT_EQ(saveFileWithOutcome(tooLong, newContent).failure, SaveFailure::NameTooLong);
}

TEST_F(SaveFileSafely, ALinkIsSavedThroughAndStaysALink)
{
    const QString link = m_folder.filePath(QStringLiteral("Link.BGT"));
    ASSERT_TRUE(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::link(m_path, link) && saveFileSafely(link, newContent));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOnDisk(), newContent);
    EXPECT_FALSE(QFile::permissions(m_path) & QFileDevice::ReadOther);
}

// Nothing is replaced, and the reader refuses what is no plain file at once.
TEST_F(SaveFileSafely, SpecialTargetsAreRefusedAndLeftAsTheyWere)
{
    const QString fifo = m_folder.filePath(QStringLiteral("Fifo.BGT"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString links = m_folder.filePath(QStringLiteral("links"));
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("links")) &&
                QFile::link(fifo, links + "/Fifo.BGT") && QFile::link("/dev/null", links + "/Null.BGT") &&
                QFile::link(m_path, links + "/Home.BGT"));
    const std::pair<QString, SaveFailure> refused[] = {
        {fifo, SaveFailure::NotPlainFile},
        {links + "/Fifo.BGT", SaveFailure::NotPlainFile},
        {links + "/Null.BGT", SaveFailure::NotPlainFile},
        {links, SaveFailure::NotPlainFile},
        {m_folder.filePath("budget for \"Home.BGT\""), SaveFailure::Other}}; // not split at the quotes
    const QStringList before = folderEntries();
    for (const auto& [path, reason] : refused) {
        EXPECT_EQ(saveFileWithOutcome(path, newContent).failure, reason) << path.toStdString();
        EXPECT_EQ(readSmallFile(path), std::nullopt) << path.toStdString();
    }
    EXPECT_EQ(folderEntries(), before);
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    SharedValues settings; // the defaults stand, as for a missing file
    EXPECT_FALSE(readSettingsFile(fifo, settings));
    // A link into a read-only folder: the folder written to is the link's target's.
    ASSERT_TRUE(QFile::setPermissions(m_folder.path(), folderReadOnly));
    EXPECT_EQ(saveFileWithOutcome(links + "/Home.BGT", newContent).failure, SaveFailure::NotPermitted);
    EXPECT_EQ(contentOnDisk(), oldContent);
}

TEST_F(SaveFileSafely, ReadSmallFileHonoursItsLimit)
{
    EXPECT_EQ(readSmallFile(m_path), oldContent);
    EXPECT_EQ(readSmallFile(m_path, oldContent.size()), oldContent);
    EXPECT_EQ(readSmallFile(m_path, oldContent.size() - 1), std::nullopt);
    EXPECT_EQ(readSmallFile(m_folder.filePath(QStringLiteral("missing.BGT"))), std::nullopt);
    EXPECT_EQ(readSmallFile(m_folder.path()), std::nullopt);
    ASSERT_TRUE(saveFileSafely(m_path, QByteArray()));
    const auto empty = readSmallFile(m_path);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());
}

TEST(ReadSmallFile, StopsReadingEndlessDevices)
{
    EXPECT_EQ(readSmallFile(QStringLiteral("/dev/zero"), 4096), std::nullopt);
}

} // namespace
} // namespace tallyvane
