// The frame pass.
#include "shell/frame_loop.h"

#include "render/render_state.h"
#include "render/scene.h"
#include "render/text.h"
#include "shell/dispatcher.h"
#include "shell/screen_flags.h"
#include "shell/shell_state.h"

bool keys[256] = {};
ShellState shell;

namespace {
void presentNothing() {}
}  // namespace

void (*presentFrame)() = presentNothing;

namespace {

constexpr int kEscape = 27;
constexpr int kTab = 9;

void drawPauseScreen()
{
    BeginSceneFrame(screenFlags.creditsActive);
    PrintText(250, 250, "White", 5, "- P A U S E -");
    PrintText(250, 250, "Gray50", 2, "- P A U S E -");
    PrintText(250, 250, "White", 5, "- P A U S E -");
    PrintText(0, 0, "", 1, "<TAB> to resume");
    EndSceneFrame();
    presentFrame();
}

}  // namespace

bool FramePass()
{
    if (!shell.windowActive)
        return false;

    bool drew = false;
    if (keys[kEscape]) {
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

    if (keys[kTab]) {
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
