// The game's entry: start-up, the paced frame loop, sound, and shut-down; a session
// may be recorded or played back.
#include "model/game_state.h"
#include "model/screen.h"
#include "render/picture_folders.h"
#include "shell/frame_loop.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "shell/settings.h"
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

// The remembered settings, with the command line's flags winning for this run only.
void startWithSettings(const SessionOptions& options)
{
    SetGameWindowIcon(DataFolder(pictureFolderUsed, "icons") + "quorvel.bmp");  // beside the pictures
    ApplyWindowSettings(settings.windowWidth, settings.windowHeight, settings.fullScreen);
    reducedFlashingThisRun = settings.reducedFlashing || options.reducedFlashing;
    SetVolume(settings.volume);
    InitSound(options.mute || !settings.soundOn);
}

}  // namespace

int main(int argc, char** argv)
{
    SessionOptions options;
    Session session;
    const CommandLine commandLine = ParseSessionOptions(argc, argv, options);
    if (commandLine != CommandLine::Run)
        return ExitStatus(commandLine);
    if (!options.timedemoPath.empty())
        return RunTimedemo(options.timedemoPath);  // nothing of the player's: no settings, sound or save
    if (!session.Start(options))
        return 2;
    LoadSettings();
    if (!StartUp(StartMode::Window))
        return 1;
    if (!session.StartRecording()) {
        DestroyGameWindow();
        return 1;
    }
    presentFrame = SwapGameWindow;
    startWithSettings(options);
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
        // A pass with Escape held draws nothing but still takes a frame's time, so
        // holding the key does not spin a core; recordings count passes, not time.
        if (drew || (shell.windowActive && keys[Key::Escape]))
            WaitUntil(start + 2 * frameDelayTable[frameDelayIndex]);
        else if (!shell.windowActive && !session.Playing())
            WaitForEvent(50);  // minimised: nothing to draw, so don't spin
    }
    ShutDownSound();
    const bool finished = session.Finish();
    DestroyGameWindow();
    return finished ? 0 : 1;
}
