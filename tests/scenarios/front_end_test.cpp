// The front end through the replay tool: the title menu's intro and keys, the
// options, the credits' light mode, the objective and the closing countdown.
#include "support/replay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

using nlohmann::json;

namespace {

// The intro ends, and the menu first reads its keys, on this frame (109 with Space held).
constexpr int kMenuReadyFrame = 210;
constexpr int kMenuReadyFrameWithSpace = 109;
const std::string kToMenu = "frames " + std::to_string(kMenuReadyFrame) + "\n";

// The text draws of one frame's draw records.
std::vector<json> Texts(const json& draws)
{
    std::vector<json> texts;
    for (const json& d : draws)
        if (d["t"] == "text")
            texts.push_back(d);
    return texts;
}

// The text draw of s (the nth one when s is printed several times), or null.
json FindText(const json& draws, const std::string& s, int nth = 0)
{
    for (const json& d : draws)
        if (d["t"] == "text" && d["s"] == s && nth-- == 0)
            return d;
    return nullptr;
}

int CountTexts(const json& draws, const std::string& s)
{
    int n = 0;
    for (const json& d : draws)
        n += d["t"] == "text" && d["s"] == s;
    return n;
}

// Colours are written as the shortest text of a 32-bit float: compare as floats.
testing::AssertionResult IsColour(const json& rgba, float r, float g, float b)
{
    const float want[4] = {r, g, b, 1.0f};
    if (!rgba.is_array() || rgba.size() != 4)
        return testing::AssertionFailure() << "not a colour: " << rgba;
    for (int i = 0; i < 4; ++i)
        if (rgba[i].get<float>() != want[i])
            return testing::AssertionFailure()
                   << rgba << " is not [" << r << ", " << g << ", " << b << ", 1]";
    return testing::AssertionSuccess();
}

void WriteSavedGame(const ReplayFolder& folder)
{
    std::ofstream(folder.path() / "SavedGame.txt")
        << "3\n0 0 0 0 0\n0 0 0 0 0 0\n0 0 0 0\n4.5 301.25 2 812.4 58 51\n1 2 0 0\n64.3 91\n";
}

uint32_t AfterDraws(uint32_t state, int draws)
{
    for (int i = 0; i < draws; ++i)
        state = state * 214013u + 2531011u;
    return state;
}

}  // namespace

TEST(TitleMenu, TheIntroIgnoresKeysUntilItsLastFrame)
{
    for (bool space : {false, true}) {
        SCOPED_TRACE(space ? "Space held" : "no Space");
        const int ready = space ? kMenuReadyFrameWithSpace : kMenuReadyFrame;
        ReplayRun run = RunReplay(std::string(space ? "down SPACE N\n" : "down N\n") +
                                  "frames 100\ndraws\nframes " + std::to_string(ready - 101) +
                                  "\ndump\nframes 1\ndump\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(run.lines.size(), 3u);

        // Mid-intro only the employees, the register and the Megaburger are drawn.
        const json& intro = run.lines[0];
        EXPECT_TRUE(Texts(intro).empty());
        ASSERT_EQ(intro.size(), 5u);
        EXPECT_EQ(intro[3]["i"], 18);
        EXPECT_EQ(intro[3]["rgba"], intro[4]["rgba"]);  // both in the fade colour

        const json& before = run.lines[1];
        EXPECT_EQ(before["frame"], ready - 1);
        EXPECT_TRUE(before["titleMenuActive"]);
        EXPECT_EQ(before["screen"], "title");
        const json& first = run.lines[2];
        EXPECT_FALSE(first["titleMenuActive"]);
        EXPECT_TRUE(first["objectiveActive"]);
        EXPECT_EQ(first["screen"], "objective");
        EXPECT_EQ(first["titleMenu"]["fade"], 1);
        EXPECT_EQ(first["titleMenu"]["anselHeight"], 0);
        EXPECT_EQ(first["titleMenu"]["tiborHeight"], 0);
        EXPECT_EQ(first["titleMenu"]["introFrameCount"], 66);
    }
}

TEST(TitleMenu, TheFadeStartsAfterSixtySixFrames)
{
    ReplayRun run = RunReplay("frames 65\ndump\nframes 1\ndump\ndraws\nframes 1\ndraws\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.lines[0]["titleMenu"]["fade"], 0);
    const float fade = run.lines[1]["titleMenu"]["fade"].get<float>();
    EXPECT_NEAR(fade, 0.007f, 1e-7f);
    // The colour is set before the fade moves: the register shows last frame's fade.
    EXPECT_TRUE(IsColour(run.lines[2][3]["rgba"], 0, 0, 0));
    EXPECT_TRUE(IsColour(run.lines[3][3]["rgba"], fade, fade, fade));
}

TEST(TitleMenu, WithoutASavedGameLoadGameIsHiddenAndLIsIgnored)
{
    ReplayRun run = RunReplay(kToMenu + "draws\ndown L\nframes 5\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json& menu = run.lines[0];
    EXPECT_TRUE(FindText(menu, "('L') Load Game").is_null());
    EXPECT_EQ(FindText(menu, "('N') New Game")["y"], 200);
    EXPECT_EQ(FindText(menu, "('O') Options")["y"], 160);
    EXPECT_EQ(FindText(menu, "('C') Credits")["y"], 120);
    EXPECT_EQ(FindText(menu, "('Q') Quit Game")["y"], 80);
    EXPECT_EQ(run.lines[1]["screen"], "title");
    EXPECT_FALSE(run.lines[1]["loadGameRequested"]);
    EXPECT_EQ(run.lines[1]["titleMenu"]["menuOffset"], 40);
}

TEST(TitleMenu, WithASavedGameLoadGameIsShownAndLLoadsIt)
{
    ReplayFolder folder;
    WriteSavedGame(folder);
    ReplayRun run = RunReplay(kToMenu + "draws\ndump\ndown L\nframes 1\ndump\n", true, &folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json& menu = run.lines[0];
    const json load = FindText(menu, "('L') Load Game");
    ASSERT_FALSE(load.is_null());
    EXPECT_EQ(load["y"], 160);
    EXPECT_EQ(load["style"], 4);
    EXPECT_EQ(CountTexts(menu, "('L') Load Game"), 2);
    EXPECT_EQ(FindText(menu, "('O') Options")["y"], 120);
    EXPECT_EQ(FindText(menu, "('Q') Quit Game")["y"], 40);
    EXPECT_EQ(run.lines[1]["titleMenu"]["menuOffset"], 0);

    // The objective screen is skipped: the next frame is the game's, which loads.
    const json& after = run.lines[2];
    EXPECT_FALSE(after["titleMenuActive"]);
    EXPECT_TRUE(after["loadGameRequested"]);
    EXPECT_FALSE(after["objectiveActive"]);
    EXPECT_EQ(after["screen"], "game");
}

TEST(TitleMenu, TheMenuIsDrawnOverTheDimmedWallpaperWithPulsingEntries)
{
    ReplayRun run = RunReplay(kToMenu + "frames 9\ndump\ndraws\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json& state = run.lines[0];
    const json& draws = run.lines[1];

    // Eight rows of eighteen drinks, Coke, Orange Soda, Grape Soda, Pepsi, again.
    const int rowPictures[8] = {10, 12, 11, 13, 10, 12, 11, 13};
    for (int i = 0; i < 8 * 18; ++i) {
        const json& d = draws[i + 5];  // after the clear and the four intro sprites
        ASSERT_EQ(d["t"], "sprite") << i;
        EXPECT_EQ(d["i"], rowPictures[i / 18]) << i;
        EXPECT_TRUE(IsColour(d["rgba"], 0.5f, 0.5f, 0.5f)) << i;
    }
    const json& employee = draws[5 + 144];
    EXPECT_EQ(employee["i"], 17);
    EXPECT_FALSE(employee["blend"]);  // the employees cover the wallpaper
    EXPECT_TRUE(IsColour(employee["rgba"], 1, 1, 1));

    EXPECT_EQ(CountTexts(draws, "Q U O R V E L"), 3);
    EXPECT_TRUE(IsColour(FindText(draws, "Tibor")["rgba"], 0, 1, 1));
    // Ten frames of menu: the pulse has risen ten steps.
    const float pulse = state["titleMenu"]["pulse"].get<float>();
    EXPECT_NEAR(pulse, 0.3f, 1e-5f);
    EXPECT_TRUE(IsColour(FindText(draws, "('N') New Game")["rgba"], 1, pulse, pulse));
    // Quit Game's first label is printed in black, which adds nothing.
    EXPECT_TRUE(IsColour(FindText(draws, "('Q') Quit Game")["rgba"], 0, 0, 0));
    EXPECT_TRUE(IsColour(FindText(draws, "('Q') Quit Game", 1)["rgba"], 1, 1, pulse));
    EXPECT_TRUE(FindText(draws, "('Q') Quit Game", 1)["blend"]);
}

TEST(TitleMenu, NewGameAndQuitInOneFrameShowTheClosingScreen)
{
    ReplayRun run = RunReplay(kToMenu + "down N Q\nframes 1\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.lines[0]["objectiveActive"]);
    EXPECT_TRUE(run.lines[0]["quitRequested"]);
    EXPECT_EQ(run.lines[0]["screen"], "closing");
}

TEST(OptionsScreen, KeysToggleOncePerPressAndBackspaceKeepsThem)
{
    ReplayRun run = RunReplay(kToMenu +
                              "press O\ndraws\ndump\n"
                              "down A\nframes 10\ndump\n"
                              "up A\nframes 1\npress A\ndump\n"
                              "down B C\nframes 3\nup B C\nframes 1\ndump\ndraws\n"
                              "press BACKSPACE\ndump\npress O\nframes 1\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 8u);

    // The first visit highlights the defaults.
    const json& first = run.lines[0];
    EXPECT_EQ(run.lines[1]["screen"], "options");
    EXPECT_EQ(run.lines[1]["gameOptions"], 8);
    for (const char* value : {"10", "OFF", "100%", "ON"}) {
        json d = FindText(first, value);
        EXPECT_EQ(d["style"], 4) << value;
        EXPECT_TRUE(IsColour(d["rgba"], 1, 1, 1)) << value;
    }
    for (const char* value : {"5", "$ 1,000.00", "50%"}) {
        json d = FindText(first, value);
        EXPECT_EQ(d["style"], 1) << value;
        EXPECT_TRUE(IsColour(d["rgba"], 0.5f, 0.5f, 0.5f)) << value;
    }
    EXPECT_FALSE(FindText(first, "('A') Day duration(min)")["blend"]);
    EXPECT_TRUE(FindText(first, "O  P  T  I  O  N  S")["blend"]);
    EXPECT_EQ(FindText(first, "Press <Bksp> to go back")["style"], 0);

    EXPECT_EQ(run.lines[2]["gameOptions"], 9);  // held for ten frames: once
    EXPECT_EQ(run.lines[3]["gameOptions"], 8);  // pressed again: back
    EXPECT_EQ(run.lines[4]["gameOptions"], 8 | 2 | 4);
    const json& toggled = run.lines[5];
    EXPECT_EQ(FindText(toggled, "$ 1,000.00")["style"], 4);
    EXPECT_EQ(FindText(toggled, "50%")["style"], 4);
    EXPECT_EQ(FindText(toggled, "100%")["style"], 1);

    EXPECT_EQ(run.lines[6]["screen"], "title");
    EXPECT_EQ(run.lines[7]["screen"], "options");  // a second visit: as they were left
    EXPECT_EQ(run.lines[7]["gameOptions"], 8 | 2 | 4);
}

TEST(OptionsScreen, BackspaceReturnsToTheMenuAtOnce)
{
    ReplayRun run = RunReplay(kToMenu + "press O\ndown BACKSPACE\nframes 1\ndump\nframes 1\ndraws\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.lines[0]["screen"], "title");
    EXPECT_FALSE(run.lines[0]["optionsActive"]);
    // The intro is over for the run: the menu shows on the first frame back.
    EXPECT_EQ(CountTexts(run.lines[1], "Q U O R V E L"), 3);
}

TEST(CreditsScreen, LightModeTogglesOncePerPressAndBackspaceSwitchesTheLightOff)
{
    ReplayRun run = RunReplay(kToMenu +
                              "press C\ndraws\n"
                              "down L\nframes 5\ndump\nup L\nframes 1\n"
                              "press BACKSPACE\ndump\n"
                              "press C\npress L\ndump\npress L\ndump\n"
                              "press L\ndown BACKSPACE L\nframes 1\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 6u);

    const json& credits = run.lines[0];
    EXPECT_EQ(credits[1]["t"], "stars");
    const std::vector<json> texts = Texts(credits);
    ASSERT_EQ(texts.size(), 9u + 5u + 5u + 2u);
    EXPECT_EQ(texts[1]["s"], "C  R  E  D  I  T  S");
    EXPECT_TRUE(IsColour(texts[1]["rgba"], 1, 0, 1));
    for (int i = 0; i < 5; ++i) {
        const json& name = texts[14 + i];
        EXPECT_EQ(name["x"], 453);
        EXPECT_EQ(name["y"], texts[9 + i]["y"]);
        EXPECT_TRUE(IsColour(name["rgba"], 1, 0, 0));
        // Ten units a character from x 453: longer names run off the window.
        EXPECT_LE(name["s"].get<std::string>().size(), 18u) << name["s"];
    }
    EXPECT_EQ(FindText(credits, "Press 'L' for pure light mode")["x"], 350);

    EXPECT_TRUE(run.lines[1]["credits"]["lightMode"]);  // held: toggled once
    EXPECT_TRUE(run.lines[1]["credits"]["lighting"]);
    EXPECT_EQ(run.lines[2]["screen"], "title");
    EXPECT_TRUE(run.lines[2]["credits"]["lightMode"]);
    EXPECT_FALSE(run.lines[2]["credits"]["lighting"]);
    // Back on the credits, the first L only clears the kept light mode.
    EXPECT_FALSE(run.lines[3]["credits"]["lightMode"]);
    EXPECT_FALSE(run.lines[3]["credits"]["lighting"]);
    EXPECT_TRUE(run.lines[4]["credits"]["lighting"]);
    // L turning the light on together with Backspace: the screen is left unlit.
    EXPECT_EQ(run.lines[5]["screen"], "title");
    EXPECT_TRUE(run.lines[5]["credits"]["lightMode"]);
    EXPECT_FALSE(run.lines[5]["credits"]["lighting"]);
}

TEST(ObjectiveScreen, EnterStartsTheGameWithTheStartingCashAndSatisfactionOptions)
{
    for (bool handicaps : {false, true}) {
        SCOPED_TRACE(handicaps ? "starting cash, half satisfaction" : "default options");
        ReplayRun run = RunReplay(kToMenu +
                                  (handicaps ? "press O\npress B\npress C\npress BACKSPACE\n" : "") +
                                  "press N\ndraws\ndown ENTER\nframes 1\ndump\n"
                                  "up ENTER\nframes 1\ndump\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(run.lines.size(), 3u);
        const json& scroll = run.lines[0];
        EXPECT_EQ(scroll[1]["i"], 49);
        EXPECT_EQ(scroll[1]["scale"], 4.5);
        EXPECT_TRUE(IsColour(scroll[1]["rgba"], 0.85f, 0.85f, 0.85f));
        EXPECT_EQ(FindText(scroll, "customers happy!")["y"], 215);
        EXPECT_EQ(FindText(scroll, "<press ENTER to continue>")["x"], 200);

        const json& left = run.lines[1];
        EXPECT_EQ(left["screen"], "game");
        EXPECT_FALSE(left["objectiveActive"]);
        EXPECT_EQ(left["total"]["funds"], handicaps ? 1000 : 0);
        EXPECT_EQ(left["dayNumber"], 1);

        const json& firstDayFrame = run.lines[2];
        EXPECT_EQ(firstDayFrame["satisfaction"], handicaps ? 50 : 100);
        EXPECT_EQ(firstDayFrame["total"]["funds"], handicaps ? 1000 : 0);
    }
}

TEST(ClosingScreen, EscapeWaitsForAScreenBelowTheClosingScreen)
{
    // The menus keep their priority over Escape; the objective does not.
    ReplayRun run = RunReplay(kToMenu +
                              "press ESCAPE\nframes 1\ndump\n"
                              "press O\npress ESCAPE\ndump\npress BACKSPACE\n"
                              "press C\npress ESCAPE\ndump\npress BACKSPACE\ndump\n"
                              "press N\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.lines[0]["screen"], "title");
    EXPECT_EQ(run.lines[1]["screen"], "options");
    EXPECT_EQ(run.lines[2]["screen"], "credits");
    EXPECT_EQ(run.lines[3]["screen"], "title");
    EXPECT_EQ(run.lines[4]["screen"], "closing");

    ReplayRun objective = RunReplay(kToMenu + "press N\nframes 3\npress ESCAPE\ndump\n");
    ASSERT_EQ(objective.exitCode, 0) << objective.err;
    EXPECT_EQ(objective.lines[0]["screen"], "closing");
    EXPECT_TRUE(objective.lines[0]["objectiveActive"]);
}

TEST(ClosingScreen, CountsToNinetyFiveAndEndsTheLoopAfter102Frames)
{
    ReplayRun run = RunReplay(kToMenu + "down Q\nframes 1\nup Q\ndump\n"
                              "frames 1\ndraws\nframes 100\ndraws\npress TAB\ndump\n"
                              "frames 500\ndump\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 5u);
    const json& start = run.lines[0];
    EXPECT_EQ(start["screen"], "closing");

    // First frame: count 0, the first drink at the top left, a full-bright wallpaper.
    const json& first = run.lines[1];
    EXPECT_EQ(first[1]["s"], "T H A N K  Y O U  F O R  P L A Y I N G ! !");
    EXPECT_TRUE(IsColour(first[2]["rgba"], 1, 1, 1));
    const json& tile = first[2 + 144];
    EXPECT_EQ(tile["i"], 10);
    EXPECT_EQ(tile["x"], -1.9);
    EXPECT_EQ(tile["y"], 1.6);
    EXPECT_TRUE(tile["blend"]);
    for (int c = 0; c < 3; ++c) {
        const float component = tile["rgba"][c].get<float>() * 255.0f;
        EXPECT_GE(component, 0.999f);
        EXPECT_LE(component, 254.001f);
    }
    EXPECT_EQ(first.back()["s"], "Closing 0%");

    // Frame 101: the sixteenth drink of the sixth row, the last count shown.
    const json& last = run.lines[2];
    EXPECT_EQ(last.back()["s"], "Closing 95%");
    EXPECT_EQ(last[2 + 144]["i"], 12);  // Coke, Orange, Grape, Pepsi, Coke, Orange
    EXPECT_NEAR(last[2 + 144]["y"].get<double>(), -1.3, 1e-6);
    EXPECT_NEAR(last[2 + 144]["x"].get<double>(), -1.9 + 15 * 0.26875, 1e-6);

    const json& tabbed = run.lines[3];
    EXPECT_FALSE(tabbed["paused"]);  // TAB does not pause the closing screen

    const json& end = run.lines[4];
    EXPECT_TRUE(end["done"]);
    EXPECT_EQ(end["frame"], start["frame"].get<int>() + 102);
    EXPECT_EQ(end["closing"]["closingCount"], 96);
    // Three colour draws on every frame of the countdown, the last one included.
    EXPECT_EQ(end["rng"].get<uint32_t>(), AfterDraws(start["rng"].get<uint32_t>(), 3 * 102));
}
