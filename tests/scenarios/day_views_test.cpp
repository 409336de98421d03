// Switching views: the 72-frame slides, turning back mid-slide, keys ignored
// while sliding, and switching at once without smooth transitions.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

using nlohmann::json;

TEST(DayViews, ASlideTakesSeventyTwoFramesAndDrawsBothViews)
{
    ReplayRun run = RunReplay(StartNewGame() +
                              "press RIGHT\ndump\nframes 30\ndraws\n"  // 0, 1
                              "press M SPACE ENTER 1\n"                // keys during a slide
                              "frames 38\ndump\nframes 1\ndump\n");    // 2, 3
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 4u);
    EXPECT_EQ(run.lines[0]["inGameView"], 3);
    EXPECT_EQ(run.lines[0]["slideOffset"], -9);
    // Mid-slide: the register at x and the kitchen at x + 631 (x = -270 on that frame).
    const json& draws = run.lines[1];
    EXPECT_EQ(FindText(draws, "order:")["x"], 258 - 270);
    EXPECT_EQ(FindText(draws, "Press 1,2, or 3")["x"], 451 - 270 + 631);
    EXPECT_FALSE(FindText(draws, "Battery: ").is_null());  // the status bar stays

    EXPECT_EQ(run.lines[2]["inGameView"], 3);
    EXPECT_EQ(run.lines[2]["slideOffset"], -639);
    EXPECT_EQ(run.lines[3]["inGameView"], 1);
    EXPECT_EQ(run.lines[3]["slideOffset"], 0);
    EXPECT_EQ(run.lines[3]["kitchen"].size(), 0u);
    EXPECT_FALSE(run.lines[3]["slots"][0]["selected"]);
    EXPECT_EQ(run.lines[3]["orderCounter"], 0);
}

TEST(DayViews, TheArrowBackTurnsASlideRound)
{
    ReplayRun run = RunReplay(StartNewGame() + "press RIGHT\nframes 28\ndump\npress LEFT\ndump\n" +
                              "frames 29\ndump\nframes 1\ndump\npress LEFT\npress RIGHT\nframes 40\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 5u);
    EXPECT_EQ(run.lines[0]["slideOffset"], -261);
    EXPECT_TRUE(run.lines[1]["slideReverse"]);
    EXPECT_EQ(run.lines[1]["slideOffset"], -261);  // one step on, one step back
    EXPECT_EQ(run.lines[2]["inGameView"], 3);
    EXPECT_EQ(run.lines[2]["slideOffset"], 0);
    EXPECT_EQ(run.lines[3]["inGameView"], 0);
    // Left starts the slide to the window; Right turns it back, and it ends at the register.
    EXPECT_EQ(run.lines[4]["inGameView"], 0);
    EXPECT_EQ(run.lines[4]["slideOffset"], 0);
}

TEST(DayViews, WithoutSmoothTransitionsAnArrowSwitchesAtOnce)
{
    ReplayRun run = RunReplay(StartNewGameWithOptions("D") + "dump\npress RIGHT\ndump\ndown LEFT\nframes 5\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[0]["gameOptions"], 0);
    EXPECT_EQ(run.lines[0]["screen"], "game");
    EXPECT_EQ(run.lines[1]["inGameView"], 1);
    EXPECT_EQ(run.lines[2]["inGameView"], 0);
}
