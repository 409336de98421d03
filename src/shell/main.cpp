// The game's entry: start-up, the paced frame loop, sound, and shut-down.
#include "model/game_state.h"
#include "model/screen_flags.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/start_up.h"
#include "shell/shell_state.h"
#include "shell/sound_player.h"

#include <cstdio>
#include <cstring>

namespace {

// The ambience belongs under the views of a day in progress, not under menus or pauses.
bool dayViewsShowing()
{
    return CurrentScreen(shell.escapePressed) == Screen::Game && !game.dayOver && !shell.paused &&
           shell.windowActive;
}

}  // namespace

int main(int argc, char** argv)
{
    bool muted = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mute") == 0)
            muted = true;
        else
            std::fprintf(stderr, "quorvel: ignoring unknown option %s (the one option is --mute)\n", argv[i]);
    }
    if (!StartUp(StartMode::Window))
        return 1;
    presentFrame = SwapGameWindow;
    InitSound(muted);
    InitFrameTimer();
    while (!shell.done) {
        if (PollOneEvent())
            continue;  // a pass that handled an event draws nothing
        const float start = FrameTimeNow();
        const bool drew = FramePass();
        PlayQueuedSounds();
        SetAmbience(dayViewsShowing());
        if (drew)
            WaitUntil(start + 2 * frameDelayTable[frameDelayIndex]);
        else if (!shell.windowActive)
            WaitForEvent(50);  // minimised: nothing to draw, so don't spin
    }
    ShutDownSound();
    DestroyGameWindow();
    return 0;
}
