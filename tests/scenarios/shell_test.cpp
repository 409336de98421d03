// The frame pass and the dispatcher, driven through the replay tool: Escape,
// pause, minimising, screen priority.
#include "support/replay.h"
#include "support/scripts.h"

#include <gtest/gtest.h>

using nlohmann::json;

TEST(FramePass, EscapeHeldDrawsNothingThenTheClosingScreenFollows)
{
    ReplayRun run = RunReplay(StartNewGame() +
                              "frames 2\ndraws\n"
                              "down ESCAPE\nframes 5\ndump\ndraws\n"
                              "up ESCAPE\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 4u);
    const json& held = run.lines[1];
    EXPECT_TRUE(held["escapePressed"]);
    EXPECT_EQ(run.lines[2], run.lines[0]);  // no pass drew while Escape was held
    EXPECT_EQ(run.lines[3]["screen"], "closing");
    EXPECT_EQ(held["frame"].get<int>() + 0, run.lines[3]["frame"].get<int>());
}

TEST(FramePass, EscapeOnTheTitleMenuWaitsForAScreenOfLowerPriority)
{
    ReplayRun run = RunReplay("press ESCAPE\nframes 3\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.lines[0]["escapePressed"]);
    EXPECT_EQ(run.lines[0]["screen"], "title");
    EXPECT_TRUE(run.lines[0]["titleMenuActive"]);
}

TEST(FramePass, TabPausesOnlyInGameAndOncePerPress)
{
    ReplayRun run = RunReplay("press TAB\nframes 1\ndump\n" + StartNewGame() +
                              "frames 2\ndump\n"
                              "down TAB\nframes 10\ndump\ndraws\n"
                              "up TAB\nframes 3\npress TAB\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 5u);
    EXPECT_FALSE(run.lines[0]["paused"]);  // the title menu does not pause
    EXPECT_FALSE(run.lines[0]["pauseAllowed"]);
    EXPECT_TRUE(run.lines[1]["pauseAllowed"]);
    EXPECT_TRUE(run.lines[2]["paused"]);  // held for ten frames: toggled once
    EXPECT_FALSE(run.lines[4]["paused"]);

    const json& pause = run.lines[3];
    ASSERT_EQ(pause.size(), 5u);
    EXPECT_EQ(pause[0]["t"], "clear");
    EXPECT_EQ(pause[1]["s"], "- P A U S E -");
    EXPECT_EQ(pause[1]["style"], 5);
    EXPECT_EQ(pause[1]["x"], 250);
    EXPECT_EQ(pause[2]["rgba"], json::array({0.5, 0.5, 0.5, 1}));
    EXPECT_EQ(pause[2]["style"], 2);
    EXPECT_EQ(pause[4]["s"], "<TAB> to resume");
    EXPECT_EQ(pause[4]["x"], 0);
    EXPECT_EQ(pause[4]["rgba"], json::array({1, 1, 1, 1}));  // the white of the call before
}

TEST(FramePass, EscapeWhilePausedWaitsUntilTheGameResumes)
{
    ReplayRun run = RunReplay(StartNewGame() +
                              "frames 2\npress TAB\npress ESCAPE\nframes 3\ndump\n"
                              "press TAB\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.lines[0]["paused"]);
    EXPECT_EQ(run.lines[0]["screen"], "closing");  // chosen, but not dispatched while paused
    EXPECT_FALSE(run.lines[1]["paused"]);
}

TEST(FramePass, AMinimisedWindowDrawsNothingButItsPassesCount)
{
    ReplayRun run = RunReplay("frames 3\ndraws\nminimize\nframes 50\ndump\ndraws\nrestore\nframes 1\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.lines[1]["frame"], 53);
    EXPECT_FALSE(run.lines[1]["windowActive"]);
    EXPECT_EQ(run.lines[2], run.lines[0]);
    EXPECT_TRUE(run.lines[3]["windowActive"]);
}

TEST(Dispatcher, TheScreenOfHigherPriorityWinsAndTheOtherFlagWaits)
{
    ReplayRun run = RunReplay("down O C\nframes 300\nup O C\nframes 1\ndump\n"
                              "press BACKSPACE\nframes 1\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json& both = run.lines[0];
    EXPECT_TRUE(both["optionsActive"]);
    EXPECT_TRUE(both["creditsActive"]);
    EXPECT_EQ(both["screen"], "options");
    EXPECT_FALSE(both["pauseAllowed"]);
}

TEST(Dispatcher, CloseEndsTheLoopWithoutTheClosingScreen)
{
    ReplayRun run = RunReplay("frames 2\nclose\nframes 10\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.lines[0]["done"]);
    EXPECT_EQ(run.lines[0]["frame"], 2);  // passes after done do nothing and are not counted
    EXPECT_FALSE(run.lines[0]["quitRequested"]);
}
