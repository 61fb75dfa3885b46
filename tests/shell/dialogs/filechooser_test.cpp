#include "shell/dialogs/filechooser.h"

#include "core/sharedvalues.h"

#include <QAbstractFileIconProvider>
#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tallyvane {
namespace {

struct RequestCase
{
    const char* name;
    int mode;
    FileDialogKind kind;
    const char* filter;
    const char* proposedName;
};

class FileRequestTest : public ::testing::TestWithParam<RequestCase>
{
protected:
    FileRequestTest()
    {
        values.dataFileName = QStringLiteral("HOME.BGT");
        values.mortFileName = QStringLiteral("HOUSE.UMD");
        values.loanFileName = QStringLiteral("CAR.ULD");
        values.fileMode = static_cast<std::int16_t>(GetParam().mode);
    }

    SharedValues values;
    std::vector<FileRequest> shown;
    FileDialogRunner answering(const QString& path)
    {
        return [this, path](const FileRequest& request) {
            shown.push_back(request);
            return path;
        };
    }
};

TEST_P(FileRequestTest, ShowsTheDialogOfTheRequest)
{
    fileDirectory(values, answering(QStringLiteral("/home/user/picked")));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, GetParam().kind);
    EXPECT_EQ(shown[0].nameFilter, QString::fromUtf8(GetParam().filter));
    EXPECT_EQ(shown[0].proposedName, QString::fromUtf8(GetParam().proposedName));
    EXPECT_EQ(values.fileMode, GetParam().mode);
    EXPECT_EQ(values.filePicked, "/home/user/picked");
}

TEST_P(FileRequestTest, CancelLeavesModeNineAndNoPath)
{
    values.filePicked = QStringLiteral("/old/path");
    fileDirectory(values, answering(QString()));
    EXPECT_EQ(values.fileMode, FileModeCancelled);
    EXPECT_TRUE(values.filePicked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, FileRequestTest,
    ::testing::Values(
        RequestCase{"OpenBudget", 1, FileDialogKind::Open, "Budget Database (*.Bgt)", "HOME.BGT"},
        RequestCase{"SaveBudget", 2, FileDialogKind::Save, "Budget Database (*.Bgt)", "HOME.BGT"},
        RequestCase{"OpenNetWorth", 3, FileDialogKind::Open, "Net Worth Database (*.nwf)", "HOME.BGT"},
        RequestCase{"SaveNetWorth", 4, FileDialogKind::Save, "Net Worth Database (*.nwf)", "HOME.BGT"},
        RequestCase{"OpenMortgage", 5, FileDialogKind::Open, "Mortgage Database (*.umd)", "HOUSE.UMD"},
        RequestCase{"SaveMortgage", 6, FileDialogKind::Save, "Mortgage Database (*.umd)", "HOUSE.UMD"},
        RequestCase{"OpenLoan", 7, FileDialogKind::Open, "Loan Database (*.uld)", "CAR.ULD"},
        RequestCase{"SaveLoan", 8, FileDialogKind::Save, "Loan Database (*.uld)", "CAR.ULD"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RealDialogCase
{
    const char* name;
    FileDialogKind kind;
    QFileDialog::AcceptMode acceptMode;
    QFileDialog::FileMode fileMode;
};

class RealFileDialogTest : public ::testing::TestWithParam<RealDialogCase>
{
};

TEST_P(RealFileDialogTest, TakesKindFilterAndProposedName)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    configureFileDialog(dialog, {GetParam().kind, "Loan Database (*.uld)", "CAR.ULD"});
    EXPECT_EQ(dialog.acceptMode(), GetParam().acceptMode);
    EXPECT_EQ(dialog.fileMode(), GetParam().fileMode);
    EXPECT_EQ(dialog.nameFilters(), QStringList{"Loan Database (*.uld)"});
    // Files named MYFILE.ULD are listed too.
    EXPECT_FALSE(dialog.filter().testFlag(QDir::CaseSensitive));
    ASSERT_EQ(dialog.selectedFiles().size(), 1);
    EXPECT_TRUE(dialog.selectedFiles().first().endsWith("/CAR.ULD"));
    EXPECT_EQ(dialog.defaultSuffix(), GetParam().kind == FileDialogKind::Save ? "ULD" : "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, RealFileDialogTest,
                         ::testing::Values(RealDialogCase{"Open", FileDialogKind::Open,
                                                          QFileDialog::AcceptOpen, QFileDialog::ExistingFile},
                                           RealDialogCase{"Save", FileDialogKind::Save,
                                                          QFileDialog::AcceptSave, QFileDialog::AnyFile}),
                         [](const auto& info) { return std::string(info.param.name); });

QStringList namesListed(const QListView& view)
{
    QStringList names;
    for (int row = 0; row < view.model()->rowCount(view.rootIndex()); ++row)
        names << view.model()->index(row, 0, view.rootIndex()).data().toString();
    names.sort();
    return names;
}

// The names the dialog's list shows, given the time to read the folder.
QStringList listedNames(QFileDialog& dialog, const QStringList& expected)
{
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (view == nullptr)
        return {};
    (void)QTest::qWaitFor([&] { return namesListed(*view) == expected; });
    return namesListed(*view);
}

// Nothing beside a data file is hidden; a FIFO is told apart by its name.
TEST(FileChooserListing, ListsEveryFileBesideUnderAllFilesAndNeverOpensOne)
{
    QTemporaryDir folder;
    QStringList everything{"HOME.BGT",        "HOME.BGT.123456", "HOME.BGT.2024Q1", "HOME.BGT.backup",
                           "HOME.BGT.old123", "HOME.BGT~",       "Notes.txt.aB3xYz"};
    for (const QString& name : everything) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(folder.filePath("HOME.BGT"), folder.filePath("HOME.BGT.linkto")));
    everything.insert(4, "HOME.BGT.linkto");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("Pipe")).constData(), 0644), 0);
    QFileDialog dialog;
    configureFileDialog(dialog, {FileDialogKind::Open, "Budget Database (*.Bgt)", QString()});
    dialog.setDirectory(folder.path());
    EXPECT_EQ(listedNames(dialog, {"HOME.BGT"}), QStringList{"HOME.BGT"});
    dialog.setNameFilter(QStringLiteral("All files (*)"));
    EXPECT_EQ(listedNames(dialog, everything), everything);
    const QFileInfo pipe(folder.filePath("Pipe"));
    EXPECT_FALSE(dialog.iconProvider()->type(pipe).isEmpty());
}

// The user's own folder to fall back on: documents, or home without one.
QString documentsOrHome()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

TEST(FileDialogPlacesTest, StartsInTheLastFolderWhileItExistsElseTheUsersOwn)
{
    QTemporaryDir last;
    EXPECT_EQ(startFolder(last.path()), last.path());
    EXPECT_EQ(startFolder(QString()), documentsOrHome());
    const QString gone = last.path();
    last.remove();
    EXPECT_EQ(startFolder(gone), documentsOrHome());
}

TEST(FileDialogPlacesTest, ASampleOpenedIsNotTheFolderToStartInNext)
{
    QTemporaryDir samples;
    EXPECT_EQ(folderToRemember(samples.filePath("Sample.BGT"), samples.path(), "/home/ann/money"),
              "/home/ann/money");
    EXPECT_EQ(folderToRemember("/home/ann/house/HOUSE.UMD", samples.path(), "/home/ann/money"),
              "/home/ann/house");
}

struct PlacesCase
{
    const char* name;
    FileDialogKind kind;
    bool offersSamples;
};

class FileDialogPlacesShownTest : public ::testing::TestWithParam<PlacesCase>
{
};

TEST_P(FileDialogPlacesShownTest, OpensInTheStartFolderAndOffersSamplesOnlyToOpen)
{
    QTemporaryDir start;
    QTemporaryDir samples;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    configureFileDialog(dialog, {GetParam().kind, "Budget Database (*.Bgt)", "HOME.BGT"},
                        {.startFolder = start.path(), .sampleFolder = samples.path()});
    EXPECT_EQ(dialog.directory(), QDir(start.path()));
    ASSERT_EQ(dialog.selectedFiles().size(), 1);
    EXPECT_EQ(dialog.selectedFiles().first(), QDir(start.path()).filePath("HOME.BGT"));
    EXPECT_EQ(dialog.sidebarUrls().contains(QUrl::fromLocalFile(samples.path())), GetParam().offersSamples);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileDialogPlacesShownTest,
                         ::testing::Values(PlacesCase{"Open", FileDialogKind::Open, true},
                                           PlacesCase{"Save", FileDialogKind::Save, false}),
                         [](const auto& info) { return std::string(info.param.name); });

class NoRequestTest : public ::testing::TestWithParam<int>
{
};

TEST_P(NoRequestTest, ShowsNothingAndChangesNothing)
{
    SharedValues values;
    values.fileMode = static_cast<std::int16_t>(GetParam());
    values.filePicked = QStringLiteral("/kept");
    bool shown = false;
    fileDirectory(values, [&shown](const FileRequest&) {
        shown = true;
        return QString();
    });
    EXPECT_FALSE(shown);
    EXPECT_EQ(values.fileMode, GetParam());
    EXPECT_EQ(values.filePicked, "/kept");
}

INSTANTIATE_TEST_SUITE_P(Numbers, NoRequestTest, ::testing::Values(0, 9, 10, -1), [](const auto& info) {
    return info.param < 0 ? std::string("Negative") : "Mode" + std::to_string(info.param);
});

} // namespace
} // namespace tallyvane
