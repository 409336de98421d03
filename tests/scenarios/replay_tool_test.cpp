// The replay tool as a public interface: its script errors, exit codes,
// repeatable output and start-up from either picture folder.
#include "support/replay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using nlohmann::json;

TEST(ReplayScript, ErrorsNameTheirLineAndNothingRunsFromThere)
{
    struct Case {
        std::string badLine;
        std::string message;
    };
    const Case cases[] = {
        {"jump 3", "unknown command 'jump'"},
        {"down a", "unknown key 'a'"},
        {"frames 0", "frames needs a count of at least 1"},
        {"up", "up needs at least one key"},
        {"dump now", "dump takes no arguments"},
        {"resize 800", "resize needs a width and a height"},
        {"shot /tmp/never.png", "shot needs OpenGL"},
        {"expect frame == 3", "expected frame == 3, found 2"},
        {"expect draws contains {\"t\": \"stars\"}", "expected draws contains {\"t\": \"stars\"}, found [{"},
        {"expect frame <= x", "not a JSON value: x"},
        {"expect screen == \"ti  tle\"", "expected screen == \"ti  tle\", found \"title\""},
        {"until frame", "until needs a path"},
        {"until frame > 5 within 3", "until frame > 5: still 5 after 3 frames"},
    };
    for (const Case& c : cases) {
        ReplayRun run = RunReplay("# a comment\n\nframes 2\ndump\n" + c.badLine + "\ndump\n");
        EXPECT_EQ(run.exitCode, 2) << c.badLine;
        EXPECT_NE(run.err.find("quorvel-replay: line 5: " + c.message), std::string::npos)
            << c.badLine << " gave " << run.err;
        ASSERT_EQ(run.lines.size(), 1u) << c.badLine;
        EXPECT_EQ(run.lines[0]["frame"], 2);
    }
}

TEST(ReplayScript, TheSameScriptPrintsTheSameBytes)
{
    const std::string script = "down N\nframes 300\nup N\nframes 1\npress ENTER\nframes 500\ndump\ndraws\npress RIGHT\nframes 40\ndraws\ndump\n";
    ReplayRun first = RunReplay(script);
    ReplayRun second = RunReplay(script);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_FALSE(first.out.empty());
    EXPECT_EQ(first.out, second.out);
}

TEST(ReplayStartUp, PicturesComeFromImagesThenFromTheFolderAbove)
{
    ReplayFolder parent;  // holds Images/
    fs::create_directory(parent.path() / "inner");
    ReplayRun fromAbove = RunReplayAt(parent.path() / "inner", "frames 1\ndump\n");
    EXPECT_EQ(fromAbove.exitCode, 0) << fromAbove.err;

    ReplayFolder empty(false);
    ReplayRun none = RunReplay("frames 1\ndump\n", &empty);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("Initialization Failed."), std::string::npos) << none.err;
    EXPECT_TRUE(none.lines.empty());
}

TEST(ReplayStartUp, AFolderWithOnlyTheFontStartsAndABrokenPictureIsReported)
{
    ReplayFolder folder(false);
    fs::create_directory(folder.path() / "Images");
    fs::copy_file(fs::path(QUORVEL_IMAGES) / "Font.bmp", folder.path() / "Images" / "Font.bmp");
    EXPECT_EQ(RunReplay("frames 5\ndump\n", &folder).exitCode, 0);
    std::ofstream(folder.path() / "Images" / "Hamburger.bmp") << "BMxxxxxxxxxxxxxxxxxxxxxxxxxxx";
    ReplayRun run = RunReplay("frames 1\ndump\n", &folder);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The hamburger picture stands for three texture indices: one message each.
    size_t count = 0;
    for (size_t at = run.err.find("Unknown DIB file format."); at != std::string::npos;
         at = run.err.find("Unknown DIB file format.", at + 1))
        ++count;
    EXPECT_EQ(count, 3u) << run.err;
}
