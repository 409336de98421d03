// One pass of the frame loop with no event pending: Escape, the pause screen or
// the current screen, the present, and TAB. The game's loop and the replay tool
// both run exactly this.
#pragma once

// Returns true when the pass drew a frame (the caller then waits out the frame time).
bool FramePass();

// Shows the drawn frame; the game swaps buffers, the replay tool keeps the frame.
extern void (*presentFrame)();
