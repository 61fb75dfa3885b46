#include "core/safefile.h"

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

void putFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class SaveFileSafely : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_path = m_folder.filePath(QStringLiteral("Home.BGT"));
        putFile(m_path, oldContent);
    }

    void TearDown() override
    {
        // Give write permission back so the folder can be removed.
        QFile::setPermissions(m_folder.path(), folderReadOnly | QFileDevice::WriteOwner);
        QFile::setPermissions(m_path, readOnly | QFileDevice::WriteOwner);
    }

    QByteArray contentOnDisk() const { return contentOf(m_path); }

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

// Whatever the user keeps beside the file stays as it was; only what an
// interrupted save of this very file left goes.
TEST_F(SaveFileSafely, ASuccessfulSaveTouchesNothingBesideItButItsOwnLeftovers)
{
    QStringList kept{".Home.BGT.backup", ".Other.BGT.tallyvane-aB3xYz.tmp", "Home.BGT.123456", "Home.BGT.2024Q1",
                     "Home.BGT.aB3xYz",  "Home.BGT.backup", "Home.BGT.old123", "Home.BGT~"};
    for (const QString& name : kept + QStringList{".Home.BGT.tallyvane-aB3xYz.tmp"})
        putFile(m_folder.filePath(name), name.toUtf8());
    ASSERT_TRUE(QFile::link(m_path, m_folder.filePath(QStringLiteral("Home.BGT.linkto"))));
    ASSERT_TRUE(saveFileSafely(m_path, newContent));
    for (const QString& name : kept)
        EXPECT_EQ(contentOf(m_folder.filePath(name)), name.toUtf8()) << name.toStdString();
    EXPECT_TRUE(QFileInfo(m_folder.filePath(QStringLiteral("Home.BGT.linkto"))).isSymLink());
    kept << "Home.BGT" << "Home.BGT.linkto";
    kept.sort();
    EXPECT_EQ(folderEntries(), kept);
}

// A name near the file system's limit saves every time: the temporary name
// is shortened to fit.
TEST_F(SaveFileSafely, NamesUpToTheLimitSaveEveryTimeLongerOnesAreRefused)
{
    const QString longest = m_folder.filePath(QString(251, u'n') + QStringLiteral(".BGT"));
    for (int save = 0; save < 3; ++save)
        EXPECT_TRUE(saveFileSafely(longest, newContent)) << save;
    EXPECT_EQ(folderEntries().size(), 2);
    const QString tooLong = m_folder.filePath(QString(252, u'n') + QStringLiteral(".BGT"));
    EXPECT_EQ(saveFileWithOutcome(tooLong, newContent).failure, SaveFailure::NameTooLong);
}

TEST_F(SaveFileSafely, ALinkToAFileIsSavedThroughAndStaysALink)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("Real.BGT"));
    putFile(target, oldContent);
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString link = m_folder.filePath(QStringLiteral("Link.BGT"));
    ASSERT_TRUE(QFile::link(target, link) && saveFileSafely(link, newContent));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), newContent);
    EXPECT_FALSE(QFile::permissions(target) & QFileDevice::ReadOther);
}

QString linkTo(const QString& target, const QString& folder)
{
    EXPECT_TRUE(QFile::link(target, folder + QStringLiteral("/Link.BGT")));
    return folder + QStringLiteral("/Link.BGT");
}

QString makeFifo(const QString& folder)
{
    EXPECT_EQ(::mkfifo(QFile::encodeName(folder + QStringLiteral("/Fifo.BGT")).constData(), 0644), 0);
    return folder + QStringLiteral("/Fifo.BGT");
}

struct SpecialTarget
{
    const char* name;
    QString (*make)(const QString& folder); // answers the path to save to
    SaveFailure reason;
};

class SpecialTargetTest : public SaveFileSafely, public ::testing::WithParamInterface<SpecialTarget>
{
};

// Nothing is replaced, and the reader refuses what is no plain file at once.
TEST_P(SpecialTargetTest, IsRefusedWithItsReasonAndLeftAsItWas)
{
    const QString path = GetParam().make(m_folder.path());
    const QStringList before = folderEntries();
    const bool plain = QFileInfo(QFileInfo(path).canonicalFilePath()).isFile();
    EXPECT_EQ(saveFileWithOutcome(path, newContent).failure, GetParam().reason);
    EXPECT_EQ(QFileInfo(QFileInfo(path).canonicalFilePath()).isFile(), plain);
    EXPECT_EQ(folderEntries(), before);
    EXPECT_EQ(readSmallFile(path), plain ? std::optional(oldContent) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SpecialTargetTest,
    ::testing::Values(
        SpecialTarget{"Fifo", makeFifo, SaveFailure::NotPlainFile},
        SpecialTarget{"LinkToAFifo", [](const QString& in) { return linkTo(makeFifo(in), in); }, SaveFailure::NotPlainFile},
        SpecialTarget{"LinkToADevice", [](const QString& in) { return linkTo("/dev/null", in); }, SaveFailure::NotPlainFile},
        SpecialTarget{"Folder", [](const QString& in) { return in; }, SaveFailure::NotPlainFile},
        SpecialTarget{"LinkIntoAReadOnlyFolder",
                      [](const QString& in) {
                          QDir(in).mkdir(QStringLiteral("links"));
                          QFile::setPermissions(in, folderReadOnly);
                          return linkTo(in + QStringLiteral("/Home.BGT"), in + QStringLiteral("/links"));
                      },
                      SaveFailure::NotPermitted},
        // Not split at the quotes into a save over "notes".
        SpecialTarget{"NameWithAQuote", [](const QString& in) { return in + "/budget for \"Home.BGT\""; }, SaveFailure::Other}),
    [](const auto& info) { return std::string(info.param.name); });

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
