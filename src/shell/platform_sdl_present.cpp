// The platform layer on SDL2: how a drawn frame reaches the window.
#include "shell/platform.h"

#include "render/window_viewport.h"
#include "shell/frame_present.h"
#include "shell/glx_copy.h"

#include <SDL.h>
#include <cstring>

namespace {

// How a drawn frame reaches the window, worked out once its context is current.
struct Presenting {  // the window's lifetime
    Uint32 windowLookedAt = 0;  // an id: a new window may take a closed one's address
    bool keepsPicture = false;
    bool copiesParts = false;
};
Presenting presenting;

// The window whose context is current; nullptr when there is none.
SDL_Window* lookAtPresenting()
{
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    if (window == nullptr || presenting.windowLookedAt == SDL_GetWindowID(window))
        return window;
    presenting = Presenting{SDL_GetWindowID(window)};
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "offscreen") == 0)
        presenting.keepsPicture = true;  // a buffer of its own, which a swap leaves as it is
    else if (StartCopyingParts())
        presenting.keepsPicture = presenting.copiesParts = true;
    return window;
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

bool windowIsDrawableSize()
{
    int width = 0, height = 0;
    DrawableSize(width, height);
    return WindowIsSized(width, height);
}

}  // namespace

void* GLFunction(const char* name)
{
    return SDL_GL_GetProcAddress(name);
}

void SwapGameWindow()
{
    SDL_Window* window = lookAtPresenting();
    if (window == nullptr)
        return;
    // A whole frame is swapped in, which also has the renderer look at the
    // window's size again; parts are copied, unless a resize would put them
    // outside the back buffer: the next frame is then drawn whole.
    const Damage& damage = PresentedDamage();
    if (!presenting.copiesParts || damage.whole) {
        SDL_GL_SwapWindow(window);
    } else if (resizeWaiting() || !windowIsDrawableSize()) {
        SDL_GL_SwapWindow(window);  // the back buffer holds the whole picture; after the swap, nothing certain
        PictureLost();
    } else {
        CopyPartsToWindow(damage.parts);
    }
}

void BeforeWholeFrame()
{
    SDL_Window* window = lookAtPresenting();
    if (presenting.copiesParts && window != nullptr)
        SDL_GL_SwapWindow(window);
}

bool PresentKeepsPicture()
{
    lookAtPresenting();
    return presenting.keepsPicture;
}
