// The game's entry: start-up, the paced frame loop, and shut-down.
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/start_up.h"
#include "shell/shell_state.h"

int main(int, char**)
{
    if (!StartUp(StartMode::Window))
        return 1;
    presentFrame = SwapGameWindow;
    InitFrameTimer();
    while (!shell.done) {
        if (PollOneEvent())
            continue;  // a pass that handled an event draws nothing
        const float start = FrameTimeNow();
        if (FramePass())
            WaitUntil(start + 2 * frameDelayTable[frameDelayIndex]);
        else if (!shell.windowActive)
            WaitForEvent(50);  // minimised: nothing to draw, so don't spin
    }
    DestroyGameWindow();
    return 0;
}
