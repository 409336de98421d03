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
Slide SlideOf(InGameView slideView);
// Where the view the slide goes to is drawn while the first is at offset.
int SlideSecondOffset(const Slide& slide, int offset);
// After both views are drawn: the offset moves on, or the slide ends.
void SlideStep();
// Left and Right, each once per press.
void SwitchViewKeys(const bool* keys);
