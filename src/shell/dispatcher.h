// The screen dispatcher: exactly one screen's step per frame, chosen by the
// current screen, unless the key card stands over it; it returns what the frame draws.
#pragma once
#include "model/frame.h"

Frame StepScreen(const bool* keys, bool& done, bool escapePressed);

// The last frame a screen stepped: what the key card is drawn over (the run).
extern Frame frameUnderKeyCard;
