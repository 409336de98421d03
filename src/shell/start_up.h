// The start-up shared by the game, the replay tool and the benchmarks.
#pragma once
#include <string>

enum class StartMode {
    Window,     // the game's own window
    Offscreen,  // the same window on SDL's offscreen driver, no message box windows
    NoGL,       // no window and no OpenGL: draws are recorded only
};

// The window (or none) at 800 x 600 and the renderer, with the pictures from
// "Images/", else "../Images/", else the installed data folder; the installed game
// (in its own window) keeps its saved game in PlayerDataFolder(), the tools in the
// working folder. A failure is shown in a message box, and named with its reason
// on standard error (no display, every picture folder tried); false then.
bool StartUp(StartMode mode);
// The renderer's set-up as the window does it, showing each picture that could
// not be read and naming it on standard error with the check it failed. False,
// with a line naming every folder tried, when no picture loaded from any folder.
bool StartRenderer();

// The player's data folder for the game, as SDL's preference path names it:
// $XDG_DATA_HOME/quorvel/, else ~/.local/share/quorvel/ ("" without a home).
std::string PlayerDataFolder();
