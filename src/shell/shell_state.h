// The frame loop's state: the key array and the shell's flags.
#pragma once
#include "model/key_codes.h"
#include "screens/draw_options.h"

// Key state by Windows virtual-key code; written only by the event handling.
extern bool keys[Key::Count];

struct ShellState {  // program lifetime
    bool done = false;          // ends the frame loop
    bool windowActive = true;   // false while minimised
    bool escapePressed = false; // latches for the rest of the run
    bool paused = false;
    bool tabLatch = false;
    bool pauseAllowed = false;
    DrawOptions drawOptions;    // the player's choice of drawing, handed to every frame's draw
};
extern ShellState shell;

// Frame pacing: entry frameDelayIndex of the table, doubled, is the shortest frame (8 ms).
constexpr int frameDelayTable[6] = {1, 2, 4, 5, 10, 20};
constexpr int frameDelayIndex = 2;
