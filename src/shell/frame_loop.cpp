// The frame pass.
#include "shell/frame_loop.h"

#include "model/key_codes.h"
#include "model/screen.h"
#include "model/sound_events.h"
#include "render/render_state.h"
#include "screens/frame.h"
#include "shell/dispatcher.h"
#include "shell/shell_state.h"

#include <GL/gl.h>

bool keys[Key::Count] = {};
ShellState shell;

namespace {

void presentNothing() {}

// The renderer queues a frame's work until something flushes it. A window's
// buffer swap does; nothing else here would (the replay tool presents nothing,
// SDL's offscreen driver swaps a buffer that is never shown), and the queued
// work then grows by about a megabyte a frame.
void presentAndFlush()
{
    presentFrame();
    if (renderState.useGL)
        glFlush();
}

}  // namespace

void (*presentFrame)() = presentNothing;

bool FramePass()
{
    soundQueue.clear();
    if (!shell.windowActive)
        return false;

    bool drew = false;
    if (keys[Key::Escape]) {
        shell.escapePressed = true;
    } else if (shell.paused) {
        DrawPauseFrame();
        presentAndFlush();
        drew = true;
    } else {
        DrawFrame(StepScreen(keys, shell.done, shell.escapePressed), shell.drawOptions);
        // Pausing is for a game in progress, judged after this frame's step.
        shell.pauseAllowed = CurrentScreen(screenState, shell.escapePressed) == Screen::Game;
        presentAndFlush();
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
