// Runs every scenario under tests/data/scenarios: a replay script whose expect
// and until lines hold the values it expects. NAME.saved (a file, or a folder to
// stand in its way) is put in the folder as the saved game before the run;
// NAME.after is what the saved game must then hold.
#include "support/replay.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ScenarioNames()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(QUORVEL_TEST_DATA) / "scenarios"))
        if (e.path().extension() == ".replay")
            names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, HoldsItsExpectations)
{
    const fs::path base = fs::path(QUORVEL_TEST_DATA) / "scenarios" / GetParam();
    ReplayFolder folder;
    if (fs::exists(base.string() + ".saved"))
        fs::copy(base.string() + ".saved", folder.path() / "SavedGame.txt", fs::copy_options::recursive);
    const ReplayRun run = RunReplayAt(folder.path(), ReadFile(base.string() + ".replay"));
    EXPECT_EQ(run.exitCode, 0) << GetParam() << ".replay: " << run.err;
    if (fs::exists(base.string() + ".after")) {
        EXPECT_EQ(ReadFile(folder.path() / "SavedGame.txt"), ReadFile(base.string() + ".after"));
    }
}

INSTANTIATE_TEST_SUITE_P(Data, Scenario, ::testing::ValuesIn(ScenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
