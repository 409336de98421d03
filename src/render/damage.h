// Where two recorded frames can differ on screen: the boxes of the draws that
// differ, old and new, in window pixels, merged into a few parts to draw again.
#pragma once
#include "render/draw_log.h"
#include "render/window_viewport.h"

#include <vector>

struct Damage {
    bool whole = false;               // a clear or the stars differ: draw everything
    std::vector<PictureRect> parts;   // else the parts to draw again; none when nothing differs
};

// What must be drawn again to turn the picture of `shown` into that of `now`, both
// drawn into the picture rectangle. A pixel outside the parts is covered by the
// same draws, in the same order, in both frames, so it keeps its colour.
Damage FindDamage(const DrawLog& shown, const DrawLog& now, const PictureRect& picture);

// The window pixels a text or sprite draw can touch, inside the picture (empty
// when it touches none of it); the whole picture for a clear or the stars.
PictureRect DrawBounds(const DrawRecord& record, const PictureRect& picture);

// Whether two rectangles share a pixel.
bool Overlap(const PictureRect& a, const PictureRect& b);
