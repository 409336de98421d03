// The start-up shared by the game, the replay tool and the benchmarks.
#pragma once

enum class StartMode {
    Window,     // the game's own window
    Offscreen,  // the same window on SDL's offscreen driver, no message box windows
    NoGL,       // no window and no OpenGL: draws are recorded only
};

// The window (or none) at 800 x 600 and the renderer, with the pictures from
// "Images/", else "../Images/". A failure is shown in a message box; false then.
bool StartUp(StartMode mode);
// The renderer's set-up as the window does it, showing each picture that could
// not be read. False when no picture loaded from either folder.
bool StartRenderer();
