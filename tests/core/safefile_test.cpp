#include "core/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST_F(SaveFileSafely, ASuccessfulSaveTakesAwayWhatInterruptedSavesOfItsFileLeft)
{
    const QStringList kept{QStringLiteral("Home.BGT.ab-xyz"), QStringLiteral("Home.BGT.backup1"),
                           QStringLiteral("Other.BGT.aB3xYz")};
    for (const QString& name :
         kept + QStringList{QStringLiteral("Home.BGT.aB3xYz"), QStringLiteral("Home.BGT.QWERTY")}) {
        QFile file(m_folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(saveFileSafely(m_path, newContent));
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Home.BGT")} + kept);
}

TEST(InterruptedSaveTarget, NamesTheFileALeftoverWasMeantFor)
{
    EXPECT_EQ(interruptedSaveTarget(QStringLiteral("HOME.BGT.aB3xYz")), QStringLiteral("HOME.BGT"));
    EXPECT_EQ(interruptedSaveTarget(QStringLiteral("Personal.tvp.Qm7T0a")), QStringLiteral("Personal.tvp"));
    for (const char* other : {"HOME.BGT", "HOME.BGT.aB3xY", "HOME.BGT.aB3xYzz", "HOME.BGT.aB-xYz", ".aB3xYz"})
        EXPECT_EQ(interruptedSaveTarget(QString::fromLatin1(other)), std::nullopt) << other;
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
