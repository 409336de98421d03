// One pass of the frame loop with no event pending: Escape, the pause screen or
// the current screen, the present, and TAB. The game's loop and the replay tool
// both run exactly this.
#pragma once

// Returns true when the pass ran a frame, drawn or the same as the one shown
// (the caller then waits out the frame time).
bool FramePass();

// Shows a frame that differs from the one shown; the game swaps buffers, the
// replay tool keeps the frame.
extern void (*presentFrame)();
