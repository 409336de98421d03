// Frame cost of the screens around the game: the title menu's intro and the
// menu after it, the options, the credits with their star field (dark, and lit
// after L), the objective, the closing countdown and the pause screen, drawn with
// OpenGL (a software renderer on a machine without a GPU) or as logic alone.
//   quorvel-bench-front-end-frames [--no-gl] [--whole-frames] [--shots FOLDER] [frames per case]
//   (run from a folder holding Images/)
#include "frame_bench.h"

#include "model/front_end_state.h"
#include "model/key_codes.h"
#include "model/screen.h"
#include "shell/shell_state.h"

namespace {

void showOnly(Screen screen)
{
    screenState = ScreenState{};
    screenState.lower(Screen::Title);
    if (screen != Screen::Game)
        screenState.raise(screen);
}

// The intro again from its start once it has ended, so that every frame measured is one of it.
void replayIntro()
{
    if (TitleMenuReady(frontEnd.menu))
        frontEnd.menu = TitleMenuState{};
}

// The menu as it stands once the intro has ended.
void skipIntro()
{
    TitleMenuState& menu = frontEnd.menu;
    if (TitleMenuReady(menu))
        return;
    menu.introFrameCount = 66;
    menu.fade = 1.0f;
    menu.anselHeight = menu.tiborHeight = 0.0f;
}

// L held for the case's first frame lights the credits; later frames let it go.
void lightOnce()
{
    static bool pressed = false;
    keys['L'] = !pressed;
    pressed = true;
}

// The countdown from its start again once it has closed the game.
void keepClosing()
{
    if (!shell.done)
        return;
    shell.done = false;
    frontEnd.closing = ClosingState{};
}

struct Case {
    const char* name;
    Screen screen;
    void (*beforeFrame)();
};

}  // namespace

int main(int argc, char** argv)
{
    BenchOptions options;
    if (!StartBench(argc, argv, options))
        return 1;
    const Case cases[] = {
        {"title menu intro", Screen::Title, replayIntro},
        {"title menu", Screen::Title, skipIntro},
        {"options", Screen::Options, [] {}},
        {"objective", Screen::Objective, [] {}},
        {"closing", Screen::Closing, keepClosing},
        {"credits", Screen::Credits, [] {}},
        {"credits, lit", Screen::Credits, lightOnce},
    };
    for (const Case& c : cases) {
        showOnly(c.screen);
        MeasureFrames(c.name, options, c.beforeFrame);
    }
    keys['L'] = false;
    SetLighting(false);  // as leaving the credits does
    showOnly(Screen::Game);
    shell.paused = true;
    MeasureFrames("pause", options, [] {});
    if (options.withGL)
        DestroyGameWindow();
    return 0;
}
