// Showing parts of a window's back buffer on an X display (GLX_MESA_copy_sub_buffer):
// a frame that changed a little is shown by copying those parts, and the back
// buffer, never swapped away, keeps the picture for the next.
#pragma once
#include "render/window_viewport.h"

#include <span>

// Whether the current context is a GLX one that can copy parts of its back buffer.
bool StartCopyingParts();
// Copies the parts (window pixels, from the bottom left) to the window.
void CopyPartsToWindow(std::span<const PictureRect> parts);
// Whether the X server has the window at this size, from which the renderer sizes
// its back buffer. SDL's idea of it can differ: full screen without a window
// manager changes SDL's size alone, and parts copied at that size would lie
// outside the back buffer.
bool WindowIsSized(int width, int height);
