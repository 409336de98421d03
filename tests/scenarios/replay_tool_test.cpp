// The replay tool as a public interface: its script errors, exit codes,
// repeatable output, start-up from either picture folder, and its shots.
#include "support/replay.h"
#include "support/scripts.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
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
        {"press Ä", "unknown key"},
        {"down a", "unknown key 'a'"},
        {"down VK256", "unknown key 'VK256'"},
        {"frames 0", "frames needs a count of at least 1"},
        {"frames -2", "frames needs a count"},
        {"frames", "frames needs a count"},
        {"up", "up needs at least one key"},
        {"dump now", "dump takes no arguments"},
        {"resize 800", "resize needs a width and a height"},
        {"shot /tmp/never.png", "shot needs OpenGL"},
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

TEST(ReplayScript, KeyNamesCoverTheWholeTable)
{
    ReplayRun run = RunReplay("down A Z 0 9 BACKSPACE TAB ENTER SHIFT SPACE PAGEUP PAGEDOWN END HOME\n"
                              "down LEFT UP RIGHT DOWN DELETE KP0 KP9 VK0 VK255 VK13  # trailing comment\n"
                              "up A Z 0 9 BACKSPACE TAB ENTER SHIFT SPACE PAGEUP PAGEDOWN END HOME\n"
                              "up LEFT UP RIGHT DOWN DELETE KP0 KP9 VK0 VK255 VK13\ndump\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.lines.size(), 1u);
}

TEST(ReplayScript, TheSameScriptPrintsTheSameBytes)
{
    const std::string script = StartNewGame() + "frames 500\ndump\ndraws\npress RIGHT\nframes 40\ndraws\ndump\n";
    ReplayRun first = RunReplay(script);
    ReplayRun second = RunReplay(script);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_FALSE(first.out.empty());
    EXPECT_EQ(first.out, second.out);
}

TEST(ReplayScript, DrawsAreEmptyBeforeTheFirstFrameAndStartWithTheClear)
{
    ReplayRun run = RunReplay("draws\nframes 1\ndraws\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.lines[0], json::array());
    EXPECT_EQ(run.lines[1][0], (json{{"t", "clear"}, {"rgba", {0, 0, 0, 0.5}}}));
    EXPECT_EQ(run.lines[2]["frame"], 1);
    EXPECT_EQ(run.lines[2]["rng"], 3365727239u);  // the star field's 150 draws at start-up
}

TEST(ReplayStartUp, PicturesComeFromImagesThenFromTheFolderAbove)
{
    ReplayFolder parent;  // holds Images/
    fs::create_directory(parent.path() / "inner");
    ReplayRun fromAbove = RunReplayAt(parent.path() / "inner", "frames 1\ndump\n");
    EXPECT_EQ(fromAbove.exitCode, 0) << fromAbove.err;

    ReplayFolder empty(false);
    ReplayRun none = RunReplay("frames 1\ndump\n", true, &empty);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("Initialization Failed."), std::string::npos) << none.err;
    EXPECT_TRUE(none.lines.empty());
}

TEST(ReplayStartUp, AFolderWithOnlyTheFontStillStarts)
{
    ReplayFolder folder(false);
    fs::create_directory(folder.path() / "Images");
    fs::copy_file(fs::path(QUORVEL_IMAGES) / "Font.bmp", folder.path() / "Images" / "Font.bmp");
    ReplayRun run = RunReplay("frames 5\ndump\n", true, &folder);
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST(ReplayStartUp, ABrokenPictureIsReportedAndTheGameStillStarts)
{
    ReplayFolder folder(false);
    fs::create_directory(folder.path() / "Images");
    fs::copy_file(fs::path(QUORVEL_IMAGES) / "Font.bmp", folder.path() / "Images" / "Font.bmp");
    std::ofstream(folder.path() / "Images" / "Hamburger.bmp") << "BMxxxxxxxxxxxxxxxxxxxxxxxxxxx";
    ReplayRun run = RunReplay("frames 1\ndump\n", true, &folder);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The hamburger picture stands for three texture indices: one message each.
    size_t count = 0;
    for (size_t at = run.err.find("Unknown DIB file format."); at != std::string::npos;
         at = run.err.find("Unknown DIB file format.", at + 1))
        ++count;
    EXPECT_EQ(count, 3u) << run.err;
}

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    int brightness(int x, int y) const
    {
        const unsigned char* p = rgb.data() + (y * width + x) * 3;
        return p[0] + p[1] + p[2];
    }
};

bool readPng(const fs::path& path, Picture& picture)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
}

}  // namespace

TEST(ReplayShot, ThePauseScreenShowsItsTextWhereTheDrawsPutIt)
{
    ReplayFolder folder;
    ReplayRun run = RunReplay(StartNewGame() + "frames 2\npress TAB\nframes 1\ndraws\nshot pause.png\n",
                              false, &folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.lines[0][1]["s"], "- P A U S E -");

    Picture shot;
    ASSERT_TRUE(readPng(folder.path() / "pause.png", shot));
    ASSERT_EQ(shot.width, 800);
    ASSERT_EQ(shot.height, 600);
    // "- P A U S E -" at text (250, 250) in the large style: 1.25 px a unit, rows counted from the top.
    int lit = 0;
    for (int y = 600 - 250 * 5 / 4 - 27; y < 600 - 250 * 5 / 4; ++y)
        for (int x = 312; x < 312 + 13 * 12; ++x)
            lit += shot.brightness(x, y) > 300;
    EXPECT_GT(lit, 200);
    // "<TAB> to resume" at the bottom-left corner.
    int litCorner = 0;
    for (int y = 580; y < 600; ++y)
        for (int x = 0; x < 180; ++x)
            litCorner += shot.brightness(x, y) > 300;
    EXPECT_GT(litCorner, 50);
    // Nothing in the top right quarter of the window.
    int stray = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 500; x < 800; ++x)
            stray += shot.brightness(x, y) > 30;
    EXPECT_EQ(stray, 0);
}

TEST(ReplayDump, TheStarFieldMovesOnlyWhileTheCreditsShow)
{
    ReplayRun run = RunReplay("dump\nframes 5\ndump\ndown C\nframes 300\nup C\nframes 10\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json& seeded = run.lines[0]["starField"];
    EXPECT_EQ(seeded["tilt"], 0);
    ASSERT_EQ(seeded["stars"].size(), 50u);
    EXPECT_EQ(seeded["stars"][0]["distance"], 0);
    EXPECT_EQ(seeded["stars"][49]["distance"], 4.9);
    EXPECT_EQ(run.lines[1]["starField"], seeded);  // the title menu leaves it alone
    const json& credits = run.lines[2];
    ASSERT_EQ(credits["screen"], "credits");
    EXPECT_LT(credits["starField"]["tilt"].get<double>(), 0.0);  // half a degree a frame
    // Half a turn of spin a frame: fifty stars of 0.01 each.
    EXPECT_NEAR(credits["starField"]["spin"].get<double>() / -credits["starField"]["tilt"].get<double>(),
                1.0, 0.01);
}
