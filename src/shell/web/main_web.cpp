// The game's entry in a browser: the page calls back once per display refresh, and each
// callback runs as many 8 ms game frames as the time since the last one allows, drawing
// only the last; the page reads the game's state through quorvelDump().
#include "model/game_state.h"
#include "model/screen.h"
#include "render/render_state.h"
#include "shell/dump.h"
#include "shell/frame_loop.h"
#include "shell/message_box.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "shell/shell_state.h"
#include "shell/sound_player.h"
#include "shell/start_up.h"

#include <emscripten.h>
#include <string>

namespace {

constexpr double kFrameMs = 2 * frameDelayTable[frameDelayIndex];
// A tab in the background gets no callbacks: back in front, the game goes on from where
// it was instead of racing through the time it was away.
constexpr int kMostFramesPerCallback = 4;

struct BrowserLoop {  // the run
    Session session;
    double speed = 1.0;  // game time per wall time: the page's ?speed=N, for tests
    double lastCallback = 0.0;
    double owed = 0.0;  // milliseconds of game time not yet run
    long long passes = 0;
};
BrowserLoop loop;

// The ambience belongs under the views of a day in progress, not under menus or pauses.
bool dayViewsShowing()
{
    return CurrentScreen(screenState, shell.escapePressed) == Screen::Game && !game.dayOver && !shell.paused &&
           shell.windowActive;
}

// A frame pass as the native loop runs it; one that is not shown is stepped and
// recorded but not drawn, which changes nothing but the pixels.
void runPass(bool shown)
{
    loop.session.BeforePass();
    if (shown && !renderState.useGL) {
        renderState.useGL = true;
        ReapplyGLState();
    }
    renderState.useGL = shown;
    FramePass();
    ++loop.passes;
    PlayQueuedSounds();
    SetAmbience(dayViewsShowing());
}

void finish()
{
    emscripten_cancel_main_loop();
    ShutDownSound();
    loop.session.Finish();
    DestroyGameWindow();
    EM_ASM(Module.quorvelEnded());
}

void browserFrame()
{
    while (PollOneEvent())
        loop.session.AfterEvent();
    const double now = emscripten_get_now();
    loop.owed += (now - loop.lastCallback) * loop.speed;
    loop.lastCallback = now;
    const int most = static_cast<int>(kMostFramesPerCallback * loop.speed);
    int frames = static_cast<int>(loop.owed / kFrameMs);
    if (frames > most) {
        frames = most;
        loop.owed = 0.0;
    } else {
        loop.owed -= frames * kFrameMs;
    }
    for (int i = 0; i < frames && !shell.done; ++i)
        runPass(i == frames - 1);
    if (shell.done)
        finish();
}

}  // namespace

// The replay tool's dump of the game as it stands, for the page's quorvelDump().
extern "C" EMSCRIPTEN_KEEPALIVE const char* quorvel_dump()
{
    static std::string text;
    text = DumpState(loop.passes).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return text.c_str();
}

int main(int argc, char** argv)
{
    SessionOptions options;
    const CommandLine commandLine = ParseSessionOptions(argc, argv, options);
    if (commandLine != CommandLine::Run)
        return ExitStatus(commandLine);
    if (!loop.session.Start(options))
        return 2;
    messageBoxWindowsEnabled = false;  // the page shows the messages instead
    if (!StartUp(StartMode::Window)) {
        EM_ASM(Module.quorvelFailed());
        return 1;
    }
    presentFrame = SwapGameWindow;
    InitSound(options.mute);
    loop.speed = EM_ASM_DOUBLE({ return Module.quorvelSpeed; });
    loop.lastCallback = emscripten_get_now();
    emscripten_set_main_loop(browserFrame, 0, 0);
    return 0;
}
