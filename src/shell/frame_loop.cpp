// The frame pass.
#include "shell/frame_loop.h"

#include "model/key_codes.h"
#include "model/screen_flags.h"
#include "model/sound_events.h"
#include "render/render_state.h"
#include "render/scene.h"
#include "screens/front_end_screens.h"
#include "shell/dispatcher.h"
#include "shell/shell_state.h"

bool keys[Key::Count] = {};
ShellState shell;

namespace {
void presentNothing() {}
}  // namespace

void (*presentFrame)() = presentNothing;

namespace {

void drawPauseScreen()
{
    BeginSceneFrame(screenFlags.creditsActive);
    DrawPauseScreen();
    EndSceneFrame();
    presentFrame();
}

}  // namespace

bool FramePass()
{
    soundQueue.clear();
    if (!shell.windowActive)
        return false;

    bool drew = false;
    if (keys[Key::Escape]) {
        shell.escapePressed = true;
    } else if (shell.paused) {
        drawPauseScreen();
        drew = true;
    } else {
        BeginSceneFrame(screenFlags.creditsActive);
        DispatchScreen(keys, screenFlags.creditsActive, shell.done, shell.pauseAllowed,
                       shell.escapePressed);
        EndSceneFrame();
        presentFrame();
        drew = true;
    }

    if (keys[Key::Tab]) {
        if (!shell.tabLatch) {
            shell.tabLatch = true;
            if (shell.pauseAllowed)
                shell.paused = !shell.paused;
        }
    } else {
        shell.tabLatch = false;
    }
    return drew;
}
