// The desktop game's own rules: the 4:3 picture inside windows of every shape, how
// the frame wait learns how late its sleeps wake, and where an installed game
// keeps its saved game.
#include "model/game_state.h"
#include "render/window_viewport.h"
#include "rules/saved_game.h"
#include "rules/saved_game_folder.h"
#include "shell/frame_pacer.h"
#include "shell/start_up.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(WindowViewport, TheLargestCentredFourByThreeRectangle)
{
    struct Case {
        int width, height;
        PictureRect rect;
    };
    const Case cases[] = {
        {800, 600, {0, 0, 800, 600}},        // exactly 4:3: no bars
        {1920, 1080, {240, 0, 1440, 1080}},  // wide: bars left and right
        {1365, 768, {170, 0, 1024, 768}},    // odd leftover: the extra pixel on the right
        {600, 800, {0, 175, 600, 450}},      // tall: bars above and below
        {1, 1, {0, 0, 1, 0}},                // too small to hold a row
    };
    for (const Case& c : cases) {
        const PictureRect r = LetterboxRect(c.width, c.height);
        EXPECT_EQ((std::array{r.x, r.y, r.width, r.height}),
                  (std::array{c.rect.x, c.rect.y, c.rect.width, c.rect.height}))
            << c.width << "x" << c.height;
    }
}

TEST(FramePacer, ALateWakeWidensTheMarginAtOnceAndOnTimeOnesNarrowItSlowly)
{
    FramePacer pacer;
    for (int i = 0; i < 400; ++i)
        pacer.RecordSleep(5.0f, 5.05f);
    EXPECT_LT(pacer.SpinMargin(), 0.35f);  // spins about a third of a millisecond a frame
    EXPECT_GE(pacer.SpinMargin(), FramePacer::kMinMargin);

    pacer.RecordSleep(5.0f, 5.9f);  // one sleep 0.9 ms late
    EXPECT_FLOAT_EQ(pacer.SpinMargin(), 0.9f + FramePacer::kMinMargin);
    pacer.RecordSleep(5.0f, 5.05f);
    EXPECT_GT(pacer.SpinMargin(), 1.0f);  // one quiet sleep does not undo it

    pacer.RecordSleep(5.0f, 25.0f);  // a stalled system never makes the wait spin long
    EXPECT_EQ(pacer.SpinMargin(), FramePacer::kMaxMargin);
}

TEST(SavedGameFolder, TheFirstSaveMakesThePlayersFolderAndLoadReadsFromIt)
{
    const fs::path previous = fs::current_path();
    const fs::path root = fs::temp_directory_path() / ("quorvel-folder-" + std::to_string(std::random_device{}()));
    fs::create_directories(root / "work");
    fs::current_path(root / "work");
    game = GameState{};
    day = DayState{};

    const std::string folder = (root / "home/.local/share/quorvel").string() + "/";
    SetSavedGameFolder(folder);
    EXPECT_FALSE(SavedGameExists());
    EXPECT_FALSE(fs::exists(folder));
    day.stats.dayNumber = 7;
    game.totals.funds = 1234.5f;
    EXPECT_TRUE(SaveGame(64.0f, 80.0f));
    EXPECT_TRUE(fs::is_regular_file(folder + "SavedGame.txt"));
    EXPECT_TRUE(fs::is_empty(root / "work"));  // nothing beside the player
    EXPECT_TRUE(SavedGameExists());

    day = DayState{};
    game = GameState{};
    LoadGame(game.headsetBattery, game.customerSatisfaction, game.dayOver);
    EXPECT_EQ(day.stats.dayNumber, 7);
    EXPECT_EQ(game.totals.funds, 1234.5f);
    EXPECT_EQ(game.headsetBattery, 64.0f);

    // A folder that cannot be made is a save that failed.
    SetSavedGameFolder(folder + "SavedGame.txt/inside/");
    EXPECT_FALSE(SaveGame(64.0f, 80.0f));

    SetSavedGameFolder("");
    fs::current_path(previous);
    fs::remove_all(root);
}

TEST(SavedGameFolder, ThePlayersDataFolderFollowsTheXdgRules)
{
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const std::string savedDataHome = dataHome ? dataHome : "";
    setenv("HOME", "/home/player", 1);
    setenv("XDG_DATA_HOME", "/data/player", 1);
    EXPECT_EQ(PlayerDataFolder(), "/data/player/quorvel/");
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(PlayerDataFolder(), "/home/player/.local/share/quorvel/");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(PlayerDataFolder(), "/home/player/.local/share/quorvel/");
    setenv("HOME", savedHome.c_str(), 1);
    if (!savedDataHome.empty())
        setenv("XDG_DATA_HOME", savedDataHome.c_str(), 1);
}

}  // namespace
