// Drawing a recorded frame with OpenGL: the frame's draws are recorded first (with
// OpenGL off), then drawn from the records, whole or inside part of the picture.
#pragma once
#include "render/draw_log.h"
#include "render/window_viewport.h"

// Every draw of the frame, the bars and the clear first, through the same
// toolkit calls that recorded them, each in the colour, blending and lighting it
// was recorded in. The mirrored drawing state is left as the frame left it.
void RedrawWhole(const DrawLog& frame);
// The same, clipped to part of the picture, for only the draws that touch it:
// the pixels inside come out as a whole redraw gives them.
void RedrawPart(const DrawLog& frame, const PictureRect& part);
