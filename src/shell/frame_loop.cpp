// The frame pass.
#include "shell/frame_loop.h"

#include "model/key_codes.h"
#include "model/screen.h"
#include "model/sound_events.h"
#include "screens/frame.h"
#include "shell/dispatcher.h"
#include "shell/frame_present.h"
#include "shell/shell_state.h"
#include "shell/sound_keys.h"

bool keys[Key::Count] = {};
ShellState shell;

namespace {
void presentNothing() {}
}  // namespace

void (*presentFrame)() = presentNothing;

bool FramePass()
{
    soundQueue.clear();
    if (!shell.windowActive) {
        PictureLost();  // a restored window shows whatever it held
        return false;
    }

    bool drew = false;
    if (keys[Key::Escape]) {
        shell.escapePressed = true;
    } else if (shell.paused) {
        const bool withGL = StartRecordedFrame();
        DrawPauseFrame();
        DrawSpeakerSignNow();
        PresentRecordedFrame(withGL);
        drew = true;
    } else {
        const bool withGL = StartRecordedFrame();
        DrawFrame(StepScreen(keys, shell.done, shell.escapePressed), shell.drawOptions);
        // Pausing is for a game in progress, judged after this frame's step.
        shell.pauseAllowed = CurrentScreen(screenState, shell.escapePressed) == Screen::Game;
        DrawSpeakerSignNow();
        PresentRecordedFrame(withGL);
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
