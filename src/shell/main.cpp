// The game's entry: start-up, the paced frame loop, sound, and shut-down; a session
// may be recorded or played back.
#include "model/game_state.h"
#include "model/screen.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "shell/start_up.h"
#include "shell/shell_state.h"
#include "shell/sound_player.h"
#include "shell/timedemo.h"

namespace {

// The ambience belongs under the views of a day in progress, not under menus or pauses.
bool dayViewsShowing()
{
    return CurrentScreen(screenState, shell.escapePressed) == Screen::Game && !game.dayOver && !shell.paused &&
           shell.windowActive;
}

}  // namespace

int main(int argc, char** argv)
{
    if (int status = 0; RunTimedemoOption(argc, argv, status))
        return status;
    SessionOptions options;
    Session session;
    if (!ParseSessionOptions(argc, argv, options) || !session.Start(options))
        return 2;
    if (!StartUp(StartMode::Window))
        return 1;
    presentFrame = SwapGameWindow;
    InitSound(options.mute);
    InitFrameTimer();
    while (!shell.done) {
        if (PollOneEvent()) {
            session.AfterEvent();
            continue;  // a pass that handled an event draws nothing
        }
        session.BeforePass();
        const float start = FrameTimeNow();
        const bool drew = FramePass();
        PlayQueuedSounds();
        SetAmbience(dayViewsShowing());
        if (drew)
            WaitUntil(start + 2 * frameDelayTable[frameDelayIndex]);
        else if (!shell.windowActive && !session.Playing())
            WaitForEvent(50);  // minimised: nothing to draw, so don't spin
    }
    ShutDownSound();
    const bool finished = session.Finish();
    DestroyGameWindow();
    return finished ? 0 : 1;
}
