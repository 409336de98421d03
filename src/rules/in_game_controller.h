// The in-game screen: a day at the drive-thru, or the stages between two days.
#pragma once
#include "model/frame.h"

// One frame's steps; returns what the frame draws.
InGameFrame InGameController(const bool* keys);
