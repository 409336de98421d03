// The platform layer on SDL2: the only code that talks to SDL.
#include "shell/platform.h"

#include "model/key_codes.h"
#include "render/render_state.h"
#include "render/text.h"
#include "render/textures.h"
#include "render/window_viewport.h"
#include "shell/frame_present.h"
#include "shell/message_box.h"
#include "shell/settings.h"
#include "shell/shell_state.h"
#include "shell/sound_keys.h"
#include "shell/start_up.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <cstdlib>
#include <string>

namespace {

struct WindowResources {  // each remembered while it exists
    bool videoStarted = false;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    int openedWidth = 0, openedHeight = 0;
};
WindowResources resources;

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

bool fullScreen()
{
    return (SDL_GetWindowFlags(resources.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void toggleFullScreen()
{
    settings.fullScreen = !fullScreen();
    SDL_SetWindowFullscreen(resources.window, settings.fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    PictureLost();
    SaveSettings();
}

// A window of its own size (not full screen, not maximised) is the size to come back to.
void rememberWindowSize()
{
    if (SDL_GetWindowFlags(resources.window) & (SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_MAXIMIZED))
        return;
    int width = 0, height = 0;
    SDL_GetWindowSize(resources.window, &width, &height);
    if (width == settings.windowWidth && height == settings.windowHeight)
        return;
    settings.windowWidth = width;
    settings.windowHeight = height;
    SaveSettings();
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
        rememberWindowSize();
        PictureLost();
        break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED: PictureLost(); break;
    default: break;
    }
}

// SDL's reason goes to the terminal beside the box; a renderer that found no pictures has said why itself.
void failCreation(const char* message, bool sdlFailed = true)
{
    if (sdlFailed)
        SayOnStderr(std::string("cannot open the window: ") + SDL_GetError());
    DestroyGameWindow();
    ShowMessageBox(message, "ERROR", MessageIcon::Exclamation);
}

// SDL falls back on its offscreen driver when no window system answers, and the
// game would then run unseen: a window is only opened on a display, unless the run
// asked for a driver itself (SDL_VIDEODRIVER, or UseOffscreenWindow for a headless run).
bool driverAsked()
{
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return asked != nullptr && asked[0] != '\0';
}

// "DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0": the displays named; "" for none.
std::string displaysNamed()
{
    std::string named;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value != nullptr && value[0] != '\0')
            named += std::string(named.empty() ? "" : " or ") + name + "=" + value;
    return named;
}

// Before SDL starts: a display is named, or a driver asked for.
bool displayNamed()
{
    if (driverAsked() || !displaysNamed().empty())
        return true;
    SayOnStderr("no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set");
    return false;
}

// Once SDL has started: the display named answered.
bool displayReached()
{
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if ((driver != "offscreen" && driver != "dummy") || driverAsked())
        return true;
    SayOnStderr("no display to open the window on: cannot reach " + displaysNamed());
    return false;
}

}  // namespace

void UseOffscreenWindow()
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    messageBoxWindowsEnabled = false;
}

bool CreateGameWindow(const char* title, int width, int height, int bits)
{
    if (!displayNamed())
        return false;
    // The window's class (X11) and app id (Wayland) are the desktop entry's
    // StartupWMClass, so docks match the two; SDL 2.26 reads them from the environment.
    setenv("SDL_VIDEO_X11_WMCLASS", "quorvel", 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", "quorvel", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        SayOnStderr(std::string("cannot start the video: ") + SDL_GetError());
        ShowMessageBox("Failed To Register The Window Class.", "ERROR", MessageIcon::Exclamation);
        return false;
    }
    resources.videoStarted = true;
    if (!displayReached()) {
        DestroyGameWindow();
        return false;
    }

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
    resources.openedWidth = width;
    resources.openedHeight = height;
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
#ifdef __EMSCRIPTEN__
    drawFramesWhole = true;  // a browser's canvas keeps no picture between frames to draw parts over
#endif
    SDL_RaiseWindow(resources.window);

    resizeToDrawable();
    if (!StartRenderer()) {
        failCreation("Initialization Failed.", false);
        return false;
    }
    return true;
}

void DestroyGameWindow()
{
    if (resources.context != nullptr) {
        if (SDL_GL_MakeCurrent(resources.window, nullptr) != 0)
            ShowMessageBox("Release Of DC And RC Failed.", "SHUTDOWN ERROR", MessageIcon::Information);
        SDL_GL_DeleteContext(resources.context);
        resources.context = nullptr;
    }
    if (resources.window != nullptr) {
        SDL_DestroyWindow(resources.window);
        resources.window = nullptr;
    }
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
    case SDLK_F1: return Key::F1;
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
        if (SoundKey(event.key.keysym.sym, event.key.repeat != 0))
            break;
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

void SetGameWindowIcon(const std::string& path)
{
    SDL_Surface* icon = SDL_LoadBMP(path.c_str());
    if (icon == nullptr) {
        SayOnStderr(path + ": " + SDL_GetError() + "; the window shows the desktop's default icon");
        return;
    }
    SDL_SetWindowIcon(resources.window, icon);
    SDL_FreeSurface(icon);
}

void ApplyWindowSettings(int width, int height, bool full)
{
    if (resources.window == nullptr)
        return;
    // The window is shown before the settings come: a size given to it meanwhile
    // (by the player or a window manager) stands unless another one was remembered.
    if (width != resources.openedWidth || height != resources.openedHeight)
        SDL_SetWindowSize(resources.window, width, height);
    if (full)
        SDL_SetWindowFullscreen(resources.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

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
