// The screen dispatcher: exactly one screen's step per frame, chosen by the
// current screen; it returns what the frame draws.
#pragma once
#include "model/frame.h"

Frame StepScreen(const bool* keys, bool& done, bool escapePressed);
