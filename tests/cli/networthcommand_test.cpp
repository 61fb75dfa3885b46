// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calccommands.h"
#include "cli/commandoptions.h"
#include "commandrun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallyvane::cli {
namespace {

using test::CommandRun;

CommandRun run(const QStringList& arguments)
{
    return test::runCommand(runNetWorthCommand, arguments);
}

QByteArray emptyRows(int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += ",,,\r\n";
    return rows;
}

// Saved before Calculate: the command recounts and fills the subtotal.
const QByteArray HomeFile = "0,0\r\n"
                            "\"House\",150000,\"Mortgage\",190000\r\n"
                            "\"Car, used\",12000.5,\"Sub Total\",\r\n"
                            "\"Sub Total\",,,\r\n"
                            "\"Art\",\"\",,\r\n" +
                            emptyRows(27);

class NetWorthCommand : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    QString write(const QByteArray& content) const
    {
        const QString path = m_folder.filePath(QStringLiteral("Home.NWF"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir m_folder;
};

TEST_F(NetWorthCommand, TextStatement)
{
    const CommandRun result = run({write(HomeFile)});
    ASSERT_EQ(result.status, ExitSuccess) << result.err;
    EXPECT_EQ(result.out, "Assets\n"
                          "  House            150,000.00\n"
                          "  Car, used         12,000.50\n"
                          "  Sub Total        162,000.50\n"
                          "  Art\n"
                          "Total Assets       162,000.50\n"
                          "\n"
                          "Liabilities\n"
                          "  Mortgage         190,000.00\n"
                          "  Sub Total        190,000.00\n"
                          "Total Liabilities  190,000.00\n"
                          "\n"
                          "Net Worth          -27,999.50\n");
}

TEST_F(NetWorthCommand, CsvStatement)
{
    const CommandRun result = run({write(HomeFile), "--format", "csv"});
    ASSERT_EQ(result.status, ExitSuccess) << result.err;
    EXPECT_EQ(result.out, "side,name,value\n"
                          "assets,House,150000.0000\n"
                          "assets,\"Car, used\",12000.5000\n"
                          "assets,Sub Total,162000.5000\n"
                          "assets,Art,\n"
                          "liabilities,Mortgage,190000.0000\n"
                          "liabilities,Sub Total,190000.0000\n"
                          "total,Total Assets,162000.5000\n"
                          "total,Total Liabilities,190000.0000\n"
                          "total,Net Worth,-27999.5000\n");
}

TEST_F(NetWorthCommand, JsonStatement)
{
    const CommandRun result = run({write(HomeFile), "--format=json"});
    ASSERT_EQ(result.status, ExitSuccess) << result.err;
    EXPECT_EQ(result.out, R"({
  "assets": [
    {
      "name": "House",
      "value": 150000.0000
    },
    {
      "name": "Car, used",
      "value": 12000.5000
    },
    {
      "name": "Sub Total",
      "value": 162000.5000
    },
    {
      "name": "Art",
      "value": null
    }
  ],
  "liabilities": [
    {
      "name": "Mortgage",
      "value": 190000.0000
    },
    {
      "name": "Sub Total",
      "value": 190000.0000
    }
  ],
  "totalAssets": 162000.5000,
  "totalLiabilities": 190000.0000,
  "netWorth": -27999.5000
}
)");
}

TEST_F(NetWorthCommand, ReportFormatWritesThePrintout)
{
    const CommandRun result = run({write(HomeFile), "--format", "report", "--header", "Smith family"});
    ASSERT_EQ(result.status, ExitSuccess) << result.err;
    const std::string top = "\n\n Smith family\n\n" + std::string(31, ' ') + "NET WORTH STATEMENT\n";
    EXPECT_EQ(result.out.substr(0, top.size()), top);
    const std::string secondRow =
        " Car, used" + std::string(20, ' ') + "12,000.50  Sub Total" + std::string(19, ' ') + "190,000.00\n";
    EXPECT_NE(result.out.find(secondRow), std::string::npos) << result.out;
    const std::string netWorth = std::string(29, ' ') + "Net Worth =    $-27,999.50\n";
    EXPECT_NE(result.out.find(netWorth), std::string::npos) << result.out;
}

struct FailureCase
{
    const char* name;
    QStringList arguments; // "FILE" stands for a readable net worth file
    QByteArray content;
    int status;
    const char* message;
};

class NetWorthCommandFailure : public NetWorthCommand, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(NetWorthCommandFailure, ReportsOnStandardError)
{
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("FILE"), write(GetParam().content));
    const CommandRun result = run(arguments);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
}

constexpr char WrongFormat[] = "File not found or wrong format. Check Filename and/or Directory.\n";

INSTANTIATE_TEST_SUITE_P(
    NetWorth, NetWorthCommandFailure,
    testing::Values(
        FailureCase{"MissingFile", {"/nonexistent/Home.NWF"}, {}, ExitCalculationFailed, WrongFormat},
        FailureCase{"TruncatedFile", {"FILE"}, HomeFile.left(40), ExitCalculationFailed, WrongFormat},
        FailureCase{"TotalBeyondMoney",
                    {"FILE"},
                    "0,0\r\n\"A\",900000000000000,,\r\n\"B\",900000000000000,,\r\n" + emptyRows(29),
                    ExitCalculationFailed,
                    "Wrong or missing entry, try again."},
        FailureCase{"NoFile", {}, {}, ExitUsage, "Usage: tallyvane-calc networth"},
        FailureCase{"UnknownFormat", {"FILE", "--format", "xml"}, HomeFile, ExitUsage, "--format"},
        FailureCase{"FontOutOfRange", {"FILE", "--font", "4"}, HomeFile, ExitUsage, "--font takes"},
        FailureCase{"PdfWithoutGuiApplication",
                    {"FILE", "--print", "Home.pdf"},
                    HomeFile,
                    ExitCalculationFailed,
                    "GUI application"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane::cli
