// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <set>

namespace tallyvane::fuzz {
namespace {

const QString FuzzDir = QStringLiteral(TALLYVANE_FUZZ_DIR);

// Seeds live in fuzz/corpus/<target>/, crash inputs beside them in
// fuzz/crashes/<target>/.
struct ReplayInput
{
    std::string target;
    QString path;
    std::string testName;
};

std::string testNameOf(const std::string& target, const QString& kind, const QString& file)
{
    std::string name = target + "_" + kind.toStdString() + "_";
    for (const QChar c : file)
        name += c.isLetterOrNumber() && c.unicode() < 128 ? c.toLatin1() : '_';
    return name;
}

std::vector<ReplayInput> replayInputs()
{
    std::vector<ReplayInput> inputs;
    std::set<std::string> names;
    for (const QString& kind : {QStringLiteral("corpus"), QStringLiteral("crashes")}) {
        const QDir kindDir(FuzzDir + u'/' + kind);
        for (const QString& target : kindDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDir targetDir(kindDir.filePath(target));
            for (const QString& file : targetDir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
                std::string name = testNameOf(target.toStdString(), kind, file);
                while (!names.insert(name).second)
                    name += "_";
                inputs.push_back({target.toStdString(), targetDir.filePath(file), name});
            }
        }
    }
    return inputs;
}

class FixedCheckSetting : public ::testing::Environment
{
public:
    void SetUp() override { prepareFuzzChecks(); }
};

const auto* const checkSetting = ::testing::AddGlobalTestEnvironment(new FixedCheckSetting);

class FuzzReplay : public ::testing::TestWithParam<ReplayInput>
{
};

TEST_P(FuzzReplay, PassesItsTargetsCheck)
{
    const FuzzCheck* check = findFuzzCheck(GetParam().target);
    ASSERT_NE(check, nullptr) << "no fuzz target is named " << GetParam().target;
    QFile file(GetParam().path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    try {
        check->run(file.readAll());
    } catch (const CheckFailure& failure) {
        ADD_FAILURE() << failure.what();
    } catch (const std::exception& escaped) {
        ADD_FAILURE() << "escaped the check: " << escaped.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzReplay, ::testing::ValuesIn(replayInputs()),
                         [](const auto& info) { return info.param.testName; });

TEST(FuzzCorpora, EveryTargetHasSeeds)
{
    for (const FuzzCheck& check : fuzzChecks()) {
        const QDir seeds(FuzzDir + QStringLiteral("/corpus/") + QString::fromLatin1(check.name));
        EXPECT_FALSE(seeds.entryList(QDir::Files).isEmpty()) << check.name;
    }
}

} // namespace
} // namespace tallyvane::fuzz
