// The platform layer on SDL2: the only code that talks to SDL.
#include "shell/platform.h"

#include "model/key_codes.h"
#include "render/render_state.h"
#include "render/text.h"
#include "render/textures.h"
#include "render/window_viewport.h"
#include "shell/frame_pacer.h"
#include "shell/frame_present.h"
#include "shell/glx_copy.h"
#include "shell/message_box.h"
#include "shell/shell_state.h"
#include "shell/sound_player.h"
#include "shell/start_up.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

struct WindowResources {  // each remembered while it exists
    bool videoStarted = false;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};
WindowResources resources;

struct FrameTimer {
    bool highResolution = false;
    uint64_t frequency = 0;
    float resolution = 0.0f;
    uint64_t start = 0;
};
FrameTimer frameTimer;
FramePacer framePacer;

// How a drawn frame reaches the window, worked out once its context is current.
struct Presenting {  // the window's lifetime
    bool lookedAt = false;
    bool keepsPicture = false;
    bool copiesParts = false;
};
Presenting presenting;

void lookAtPresenting()
{
    if (presenting.lookedAt)
        return;
    presenting.lookedAt = true;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "offscreen") == 0)
        presenting.keepsPicture = true;  // a buffer of its own, which a swap leaves as it is
    else if (StartCopyingParts())
        presenting.keepsPicture = presenting.copiesParts = true;
}

// Whether the window has been resized since the events were last read. The
// renderer sizes its back buffer from the window whenever it looks, and its
// reply comes after the resize's event, which is then waiting.
bool resizeWaiting()
{
    SDL_PumpEvents();
    SDL_Event events[16];
    const int count = SDL_PeepEvents(events, 16, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < count; ++i) {
        const Uint8 what = events[i].window.event;
        if (what == SDL_WINDOWEVENT_SIZE_CHANGED || what == SDL_WINDOWEVENT_RESIZED)
            return true;
    }
    return false;
}

// On a high-density display the drawable has more pixels than the window has points.
void resizeToDrawable()
{
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(resources.window, &width, &height);
    ResizeScene(width, height);
}

// F11 or Alt+Enter: the game never sees these keys.
bool isFullScreenToggle(const SDL_KeyboardEvent& key)
{
    return key.keysym.sym == SDLK_F11 ||
           ((key.keysym.mod & KMOD_ALT) && (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER));
}

void toggleFullScreen()
{
    const bool full = (SDL_GetWindowFlags(resources.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(resources.window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    PictureLost();
}

// The frame is presented only when it changed: whatever the window system says
// it may have lost, it is drawn again whole.
void handleWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event) {
    // While a recording plays, its own minimise and restore decide.
    case SDL_WINDOWEVENT_MINIMIZED:
        if (!playerKeysIgnored)
            shell.windowActive = false;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        if (!playerKeysIgnored)
            shell.windowActive = true;
        PictureLost();
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        resizeToDrawable();
        PictureLost();
        break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED: PictureLost(); break;
    default: break;
    }
}

void failCreation(const char* message)
{
    DestroyGameWindow();
    ShowMessageBox(message, "ERROR", MessageIcon::Exclamation);
}

}  // namespace

void UseOffscreenWindow()
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    messageBoxWindowsEnabled = false;
}

bool CreateGameWindow(const char* title, int width, int height, int bits)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        ShowMessageBox("Failed To Register The Window Class.", "ERROR", MessageIcon::Exclamation);
        return false;
    }
    resources.videoStarted = true;

    // A compatibility context: the game draws with the fixed-function pipeline.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);

    resources.window = SDL_CreateWindow(title, 0, 0, width, height,
                                        SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE |
                                            SDL_WINDOW_ALLOW_HIGHDPI);
    if (resources.window == nullptr) {
        failCreation("Window Creation Error.");
        return false;
    }
    resources.context = SDL_GL_CreateContext(resources.window);
    if (resources.context == nullptr) {
        failCreation("Can't Create A GL Rendering Context.");
        return false;
    }
    if (SDL_GL_MakeCurrent(resources.window, resources.context) != 0) {
        failCreation("Can't Activate The GL Rendering Context.");
        return false;
    }
    SDL_GL_SetSwapInterval(0);  // the frame loop paces itself
    SDL_RaiseWindow(resources.window);

    resizeToDrawable();
    if (!StartRenderer()) {
        failCreation("Initialization Failed.");
        return false;
    }
    return true;
}

void DestroyGameWindow()
{
    if (resources.context != nullptr) {
        KillFonts();  // the display lists need the context that made them
        if (SDL_GL_MakeCurrent(resources.window, nullptr) != 0)
            ShowMessageBox("Release Of DC And RC Failed.", "SHUTDOWN ERROR", MessageIcon::Information);
        SDL_GL_DeleteContext(resources.context);
        resources.context = nullptr;
    }
    if (resources.window != nullptr) {
        SDL_DestroyWindow(resources.window);
        resources.window = nullptr;
    }
    presenting = Presenting{};
    if (resources.videoStarted) {
        SDL_Quit();
        resources.videoStarted = false;
    }
}

int VirtualKeyFromSdl(int key, int scancode)
{
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
        return Key::Keypad0 + 1 + (scancode - SDL_SCANCODE_KP_1);  // keypad digits whatever Num Lock says
    if (scancode == SDL_SCANCODE_KP_0) return Key::Keypad0;
    if (scancode == SDL_SCANCODE_KP_ENTER) return Key::Enter;
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    switch (key) {
    case SDLK_BACKSPACE: return Key::Backspace;
    case SDLK_TAB: return Key::Tab;
    case SDLK_RETURN: return Key::Enter;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return Key::Shift;
    case SDLK_ESCAPE: return Key::Escape;
    case SDLK_SPACE: return Key::Space;
    case SDLK_PAGEUP: return Key::PageUp;
    case SDLK_PAGEDOWN: return Key::PageDown;
    case SDLK_END: return Key::End;
    case SDLK_HOME: return Key::Home;
    case SDLK_LEFT: return Key::Left;
    case SDLK_UP: return Key::Up;
    case SDLK_RIGHT: return Key::Right;
    case SDLK_DOWN: return Key::Down;
    case SDLK_DELETE: return Key::Delete;
    default: return -1;
    }
}

bool PollOneEvent()
{
    SDL_Event event;
    if (!SDL_PollEvent(&event))
        return false;
    switch (event.type) {
    case SDL_QUIT:
        shell.done = true;
        break;
    case SDL_KEYDOWN: {
        if (event.key.keysym.sym == SDLK_F2) {  // no game key: the shell's sound switch
            if (!event.key.repeat)
                ToggleSound();
            break;
        }
        if (isFullScreenToggle(event.key)) {
            if (event.key.repeat == 0)
                toggleFullScreen();
            break;
        }
        if (playerKeysIgnored)
            break;
        // Keys pressed with Alt, and F10, are system keys: not recorded.
        if ((event.key.keysym.mod & KMOD_ALT) || event.key.keysym.sym == SDLK_F10)
            break;
        int code = VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.scancode);
        if (code >= 0)
            keys[code] = true;
        break;
    }
    case SDL_KEYUP: {
        if (playerKeysIgnored)
            break;
        // Releases are always recorded, so that no key stays down for ever.
        int code = VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.scancode);
        if (code >= 0)
            keys[code] = false;
        break;
    }
    case SDL_WINDOWEVENT: handleWindowEvent(event.window); break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET: PictureLost(); break;
    default:
        break;
    }
    return true;
}

bool playerKeysIgnored = false;

void GameWindowSize(int& width, int& height)
{
    width = height = 0;
    if (resources.window != nullptr)
        SDL_GetWindowSize(resources.window, &width, &height);
}

void WaitForEvent(int timeoutMs)
{
    SDL_WaitEventTimeout(nullptr, timeoutMs);
}

void InitFrameTimer()
{
    frameTimer = FrameTimer{};
    frameTimer.frequency = SDL_GetPerformanceFrequency();
    if (frameTimer.frequency != 0) {
        frameTimer.highResolution = true;
        frameTimer.start = SDL_GetPerformanceCounter();
        frameTimer.resolution = 1.0f / static_cast<float>(frameTimer.frequency);
    } else {
        frameTimer.resolution = 0.001f;
        frameTimer.frequency = 1000;
        frameTimer.start = SDL_GetTicks64();
    }
}

float FrameTimeNow()
{
    uint64_t now = frameTimer.highResolution ? SDL_GetPerformanceCounter() : SDL_GetTicks64();
    // In double before the final rounding, so that long sessions keep their resolution.
    return static_cast<float>(static_cast<double>(now - frameTimer.start) * 1000.0 /
                              static_cast<double>(frameTimer.frequency));
}

void WaitUntil(float targetMs)
{
    // Sleep until the learned margin before the deadline, then spin to it.
    for (;;) {
        const float now = FrameTimeNow();
        const float left = targetMs - now;
        if (left <= 0.0f)
            return;
        const float sleepMs = left - framePacer.SpinMargin();
        if (sleepMs > 0.05f) {
            std::this_thread::sleep_for(std::chrono::microseconds(static_cast<int>(sleepMs * 1000.0f)));
            framePacer.RecordSleep(sleepMs, FrameTimeNow() - now);
        }
    }
}

void* GLFunction(const char* name)
{
    return SDL_GL_GetProcAddress(name);
}

void SwapGameWindow()
{
    if (resources.window == nullptr)
        return;
    lookAtPresenting();
    // A whole frame is swapped in, which also has the renderer look at the
    // window's size again; parts are copied, unless a resize would put them
    // outside the back buffer: the next frame is then drawn whole.
    const Damage& damage = PresentedDamage();
    if (!presenting.copiesParts || damage.whole)
        SDL_GL_SwapWindow(resources.window);
    else if (resizeWaiting())
        PictureLost();
    else
        CopyPartsToWindow(damage.parts);
}

void BeforeWholeFrame()
{
    lookAtPresenting();
    if (presenting.copiesParts && resources.window != nullptr)
        SDL_GL_SwapWindow(resources.window);
}

bool PresentKeepsPicture()
{
    lookAtPresenting();
    return presenting.keepsPicture;
}

void ResizeScene(int width, int height)
{
    if (height == 0)
        height = 1;
    if (!renderState.useGL)
        return;
    // The picture keeps its 4:3 in any window (text is laid out for 640 x 480).
    SetPictureViewport(width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 4.0 / 3.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
