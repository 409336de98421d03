// Switching between the register, kitchen and window views: at once, or with a
// sliding transition that the arrows can turn back.
#pragma once
#include "model/game_state.h"

// A slide (views 3..8) from one view to another. side -1: the second view comes
// in from the right (x + 631) and the offset falls; side +1: from the left.
struct Slide {
    InGameView from, to;
    int side;
};
Slide slideOf(InGameView slideView);
// Where the view the slide goes to is drawn while the first is at offset.
int slideSecondOffset(const Slide& slide, int offset);
// After both views are drawn: the offset moves on, or the slide ends.
void slideStep();
// Left and Right, each once per press.
void switchViewKeys(const bool* keys);
