// The present step: a frame's draws are recorded while the screens draw, then
// compared with those of the picture on screen, and only what changed is drawn
// with OpenGL and presented; a frame the same as the one on screen is neither.
#pragma once
#include "render/damage.h"

// Starts recording the frame's draws; OpenGL is left alone until the present.
// Returns whether the frame is to be drawn with OpenGL.
bool StartRecordedFrame();
// Draws with OpenGL what differs from the picture on screen (everything when
// the picture was lost), presents it with presentFrame and flushes the
// renderer. Without OpenGL the frame stays recorded only.
void PresentRecordedFrame(bool withGL);
// What the frame being presented changed: whole, or the parts of the window it
// was drawn in (window pixels), for a window that can show part of its back buffer.
const Damage& PresentedDamage();
// The window system lost the picture on screen (exposed, resized, restored,
// full screen): the next frame is drawn whole and presented.
void PictureLost();

// Every frame drawn whole and presented, changed or not, as before frames were
// compared (the benchmarks' and the tests' reference).
extern bool drawFramesWhole;
