#include "core/messages.h"
#include "core/savefault.h"
#include "networth/networthgridmodel.h"
#include "networth/networthwindow.h"
#include "plannerwindowdriver.h"
#include "shell/dialogs/yesnodialog.h"
#include "shell/grid/grid.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <vector>

using namespace tallyvane;
using namespace tallyvane::testing;

namespace {

constexpr NetWorthSide Assets = NetWorthSide::Assets;
constexpr NetWorthSide Liabilities = NetWorthSide::Liabilities;
constexpr int Name = NetWorthGridModel::Name;
constexpr int Value = NetWorthGridModel::Value;

struct ShownCell
{
    NetWorthSide side;
    int row;
    int column;
    const char* text;
};

class NetWorthWindowTest : public PlannerWindowTest
{
protected:
    void open()
    {
        ASSERT_TRUE(folder.isValid());
        values.currencySymbol = QStringLiteral("$");
        window = std::make_unique<NetWorthCalc>(values, services, host);
        attach(*window);
    }

    Grid* grid(NetWorthSide side) const { return child<Grid>(side == Assets ? "NGrid1" : "NGrid2"); }

    QString cell(NetWorthSide side, int row, int column) const
    {
        const QAbstractItemModel* model = grid(side)->model();
        return model->data(model->index(row - 1, column)).toString();
    }

    // Clicks the cell as a user does and types the keys; each "|" clicks it
    // again and "\x7f" presses Delete.
    void typeCell(NetWorthSide side, int row, int column, const QString& keys)
    {
        Grid* view = grid(side);
        const QModelIndex index = view->model()->index(row - 1, column);
        view->scrollTo(index);
        for (const QString& part : keys.split(u'|')) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            for (const QChar key : part)
                key == QChar(0x7f) ? QTest::keyClick(view, Qt::Key_Delete) : QTest::keyClicks(view, key);
        }
    }

    // Names and figures from row 1 on; an empty text is not typed.
    void typeRows(NetWorthSide side, const std::vector<std::pair<QString, QString>>& rows, int row = 1)
    {
        for (const auto& [name, figure] : rows) {
            if (!name.isEmpty())
                typeCell(side, row, Name, name);
            if (!figure.isEmpty())
                typeCell(side, row, Value, figure);
            ++row;
        }
    }

    void save(const QString& path)
    {
        services.filePicks.push_back(path);
        click("SaveNet");
    }

    bool changesNoteShown() const { return child<QLabel>("NetInfo")->isVisible(); }

    QTemporaryDir folder;
    std::unique_ptr<NetWorthCalc> window;
};

struct EntryCase
{
    const char* name;
    NetWorthSide side;
    int row;
    int column;
    const char* keys;
    const char* shown;
    int beeps;
    bool rowLimit;
};

class NetWorthEntryTest : public NetWorthWindowTest, public ::testing::WithParamInterface<EntryCase>
{
};

TEST_P(NetWorthEntryTest, AppliesWhatTheEditorDecides)
{
    const EntryCase& entry = GetParam();
    open();
    typeCell(entry.side, entry.row, entry.column, QString::fromLatin1(entry.keys));

    EXPECT_EQ(cell(entry.side, entry.row, entry.column), entry.shown);
    EXPECT_EQ(services.beeps, entry.beeps);
    EXPECT_EQ(services.messages,
              entry.rowLimit ? std::vector<int>{Message::ThirtyRowLimit} : std::vector<int>{});
    EXPECT_EQ(changesNoteShown(), !entry.rowLimit);
    // Any change, calculated or not, is unsaved work.
    EXPECT_EQ(window->isUnsaved(), !entry.rowLimit);
}

INSTANTIATE_TEST_SUITE_P(
    NetWorthWindow, NetWorthEntryTest,
    ::testing::Values(EntryCase{"NameAsTyped", Assets, 1, Name, "Home", "Home", 0, false},
                      EntryCase{"FigureWithRefusedKeys", Liabilities, 2, Value, "12a-3.5", "123.50", 2,
                                false},
                      EntryCase{"FirstKeyReplacesTheCell", Assets, 4, Name, "Old|New", "New", 0, false},
                      EntryCase{"BackspaceEditsTheNameShown", Assets, 1, Name, "Home|\b", "Hom", 0, false},
                      EntryCase{"DeleteEmptiesTheCell", Assets, 2, Value, "7|\x7f", "", 0, false},
                      EntryCase{"TypingOverTheTotalRow", Assets, 3, Name, "Car", "Car", 0, false},
                      EntryCase{"RowThirtyOneRefused", Liabilities, 31, Value, "5", "", 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct CalculateCase
{
    const char* name;
    std::vector<std::pair<QString, QString>> assets;
    std::vector<std::pair<QString, QString>> liabilities;
    std::vector<ShownCell> shown;
    const char* netWorth;
};

class NetWorthCalculateTest : public NetWorthWindowTest, public ::testing::WithParamInterface<CalculateCase>
{
};

TEST_P(NetWorthCalculateTest, ShowsSubTotalsTotalsAndNetWorth)
{
    const CalculateCase& test = GetParam();
    open();
    typeRows(Assets, test.assets);
    typeRows(Liabilities, test.liabilities);
    click("NCalc");

    for (const ShownCell& shown : test.shown)
        EXPECT_EQ(cell(shown.side, shown.row, shown.column), shown.text) << "row " << shown.row;
    EXPECT_EQ(label("Net"), test.netWorth);
    EXPECT_FALSE(changesNoteShown());
}

INSTANTIATE_TEST_SUITE_P(
    NetWorthWindow, NetWorthCalculateTest,
    ::testing::Values(
        CalculateCase{"GroupsAndTotals",
                      {{"Home", "100000"}, {"Car", "15000"}, {"Sub Total", ""}, {"Savings", "5000"}},
                      {{"Mortgage", "90000"}},
                      {{Assets, 3, Value, "115,000.00"},
                       {Assets, 7, Name, "Total Assets"},
                       {Assets, 7, Value, "$120,000.00"},
                       {Liabilities, 4, Value, "$90,000.00"}},
                      "$30,000.00"},
        CalculateCase{"NamelessRowDroppedAndNegativeNetWorth",
                      {{"", "500"}, {"Boat", "10"}, {"sub total", ""}, {"Sub Total", ""}},
                      {{"Loan", "250.5"}},
                      {{Assets, 1, Name, "Boat"}, {Assets, 2, Value, "10.00"}, {Assets, 3, Value, ""}},
                      "$-240.50"},
        CalculateCase{"BothSidesEmpty",
                      {},
                      {},
                      {{Assets, 3, Value, "$0.00"}, {Liabilities, 3, Value, "$0.00"}},
                      "$.00"}),
    [](const auto& info) { return std::string(info.param.name); });

struct InsertCase
{
    const char* name;
    NetWorthSide side;
    int clickedRow; // of R1 to R5, calculated
    const char* typedLine;
    const char* names; // rows 1 to 7
};

class NetWorthInsertTest : public NetWorthWindowTest, public ::testing::WithParamInterface<InsertCase>
{
};

TEST_P(NetWorthInsertTest, PutsABlankLineThroughItsDialog)
{
    const InsertCase& test = GetParam();
    open();
    typeRows(test.side, {{"R1", "1"}, {"R2", "1"}, {"R3", "1"}, {"R4", "1"}, {"R5", "1"}});
    click("NCalc");
    typeCell(test.side, test.clickedRow, Name, {});
    services.insertLines.push_back(QString::fromLatin1(test.typedLine));
    click(test.side == Assets ? "InsertAss" : "InsertLiab");

    EXPECT_EQ(services.insertLinePresets, std::vector<int>{test.clickedRow});
    QStringList names;
    for (int row = 1; row <= 7; ++row)
        names << cell(test.side, row, Name);
    EXPECT_EQ(names.join(u','), test.names);
}

INSTANTIATE_TEST_SUITE_P(
    NetWorthWindow, NetWorthInsertTest,
    ::testing::Values(InsertCase{"AtLineThree", Assets, 3, "3", "R1,R2,BlankLine,R3,R4,R5,"},
                      InsertCase{"PastTheRowsMovesUp", Liabilities, 2, "10", "R1,R2,R3,R4,R5,BlankLine,"},
                      InsertCase{"LineTwentyNineRefused", Assets, 2, "29", "R1,R2,R3,R4,R5,,"}),
    [](const auto& info) { return std::string(info.param.name); });

enum class Step
{
    Type,
    Calculate,
    Save,
    CancelSave,
    FailSave,
    OpenSample
};

struct LeaveCase
{
    const char* name;
    std::vector<Step> steps;
    std::optional<bool> goBack; // the answer, when asked
    std::vector<int> messages;
};

class NetWorthLeaveTest : public NetWorthWindowTest, public ::testing::WithParamInterface<LeaveCase>
{
};

TEST_P(NetWorthLeaveTest, AsksBeforeUnsavedEntriesAreLost)
{
    const LeaveCase& test = GetParam();
    open();
    int typed = 0;
    for (const Step step : test.steps) {
        if (step == Step::Type)
            typeCell(Assets, ++typed, Name, QStringLiteral("Item"));
        if (step == Step::Calculate)
            click("NCalc");
        if (step == Step::Save || step == Step::CancelSave || step == Step::FailSave)
            save(step == Step::Save         ? folder.filePath("Mine.NWF")
                 : step == Step::CancelSave ? QString()
                                            : QStringLiteral("/nonexistent/folder/Mine.NWF"));
        if (step == Step::OpenSample) {
            services.filePicks.push_back(qEnvironmentVariable("TALLYVANE_TEST_DATA") + "/NetSampl.NWF");
            click("Loadnet");
        }
    }
    if (test.goBack)
        services.yesNoAnswers.push_back(*test.goBack);
    click("NExit");

    const bool left = !test.goBack.value_or(false);
    EXPECT_EQ(services.questions.size(), test.goBack ? 1u : 0u);
    EXPECT_EQ(host.menusShown, left ? 1 : 0);
    if (left) {
        EXPECT_TRUE(values.dataFileName.isEmpty());
    }
    EXPECT_EQ(services.messages, test.messages);
}

INSTANTIATE_TEST_SUITE_P(
    NetWorthWindow, NetWorthLeaveTest,
    ::testing::Values(
        LeaveCase{"NothingTyped", {}, std::nullopt, {}},
        LeaveCase{"TypedWithoutCalculate", {Step::Type}, true, {}},
        LeaveCase{"TypedAfterSave", {Step::Type, Step::Calculate, Step::Save, Step::Type}, true, {}},
        LeaveCase{"TypedAndErased", {Step::Type, Step::Save, Step::Type}, false, {}},
        LeaveCase{"SaveCancelled", {Step::Type, Step::CancelSave}, true, {}},
        LeaveCase{"SaveFailed", {Step::Type, Step::FailSave}, true, {Message::BadNetWorthFileName}},
        LeaveCase{"CalculatedOpenedFile", {Step::OpenSample, Step::Calculate}, std::nullopt, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct OpenCase
{
    const char* name;
    bool unsavedWork;
    std::optional<bool> goBack; // the answer, when asked
    const char* content;        // of the file chosen; none when the chooser is not shown
    bool replaced;
};

class NetWorthOpenTest : public NetWorthWindowTest, public ::testing::WithParamInterface<OpenCase>
{
};

TEST_P(NetWorthOpenTest, ReadsTheWholeFileBeforeReplacingTheSheet)
{
    const OpenCase& test = GetParam();
    open();
    typeRows(Assets, {{"House", "150000"}, {"Car", "12000.5"}});
    typeRows(Liabilities, {{"Mortgage", "90000"}});
    click("NCalc");
    save(folder.filePath("Home.NWF"));
    const NetWorthSheet saved = window->sheet();
    typeRows(Assets, {{"Boat", "7"}}, 3);
    if (!test.unsavedWork)
        save(folder.filePath("Mine.NWF"));
    const NetWorthSheet before = window->sheet();
    const QString nameBefore = values.dataFileName;
    if (test.goBack)
        services.yesNoAnswers.push_back(*test.goBack);
    if (test.content && *test.content) {
        QFile chosen(folder.filePath("Chosen.NWF"));
        ASSERT_TRUE(chosen.open(QIODevice::WriteOnly) && chosen.write(test.content) > 0);
        services.filePicks.push_back(chosen.fileName());
    } else if (test.content) {
        services.filePicks.push_back(folder.filePath("Home.NWF"));
    }
    click("Loadnet");

    EXPECT_EQ(services.messages,
              test.replaced || !test.content ? std::vector<int>{} : std::vector<int>{Message::FileNotFound});
    EXPECT_TRUE(window->sheet() == (test.replaced ? saved : before));
    EXPECT_EQ(window->isUnsaved(), !test.replaced && test.unsavedWork);
    EXPECT_EQ(values.dataFileName, test.replaced ? QStringLiteral("Home.NWF") : nameBefore);
    EXPECT_EQ(cell(Assets, 3, Name), test.replaced ? "" : "Boat");
}

INSTANTIATE_TEST_SUITE_P(
    NetWorthWindow, NetWorthOpenTest,
    ::testing::Values(OpenCase{"SavedWorkReplacedWithoutQuestion", false, std::nullopt, "", true},
                      OpenCase{"UnsavedWorkKeptOnGoingBack", true, true, nullptr, false},
                      OpenCase{"UnsavedWorkReplacedOnNo", true, false, "", true},
                      OpenCase{"BrokenFileLeavesTheSheet", true, false, "2,1\r\n\"Gold\",5,,\r\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetWorthWindowTest, SaveThatFailsPartWayKeepsThePreviousFileAndSaysSo)
{
    open();
    typeRows(Assets, {{"House", "150000"}});
    const QString path = folder.filePath("Home.NWF");
    QFile previous(path);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly) && previous.write("previous file\r\n") > 0);
    previous.close();
    values.dataFileName = "Other.NWF";
    SaveFault fault;
    fault.failAt = SaveFault::Step::Write;
    fault.bytesBeforeFailure = 10;
    {
        const ScopedSaveFault failing(fault);
        save(path);
    }
    EXPECT_EQ(services.messageTexts,
              std::vector<QString>{"Bad filename, must be in the form MYFILE.NWF\nThe disk is full."});
    EXPECT_EQ(values.dataFileName, "Other.NWF");
    EXPECT_TRUE(window->isUnsaved());
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), "previous file\r\n");
}

TEST_F(NetWorthWindowTest, QuickHelpAndPrintout)
{
    open();
    click("NHelp");
    const QString help = child<QPlainTextEdit>("NTextBox")->toPlainText();
    EXPECT_TRUE(help.startsWith("\nOpen File from disk or start a new file. Load NetSampl.NWF"));
    EXPECT_TRUE(help.endsWith("and Totals.\n\n\n\n\n" + QString(90, u' ') + "End"));
    EXPECT_FALSE(grid(Assets)->isVisible());
    click("NHelp");
    EXPECT_EQ(button("NHelp")->text(), "Quick &Help");

    typeRows(Assets, {{"House", "150000"}});
    services.printHeaders = {QStringLiteral("1"), QStringLiteral("Smith family")};
    click("NPrinter"); // "1" cancels
    click("NPrinter");
    ASSERT_EQ(services.previews.size(), 1u);
    // The counts of the last Calculate decide the rows printed.
    EXPECT_TRUE(services.previews.front().startsWith("\n\n Smith family\n"));
    EXPECT_FALSE(services.previews.front().contains("House"));
}

} // namespace
