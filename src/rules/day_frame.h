// What a day's draws need, taken from the day's state at the draw's point in
// the frame.
#pragma once
#include "model/day_frame.h"

#include <array>

// Per strip slot: whether its red warning box shows this frame (the cooking's
// display timers decide it, just before the strip is drawn).
using StripWarnings = std::array<bool, kStripSlots>;

StripValues StripValuesOf(const StripWarnings& warnings);
// One of the three views at rest (register, kitchen or window).
ViewValues ViewValuesOf(InGameView view, int offset);
// The latest customer's words while they are still shown.
std::optional<Customer> SpokenOrderOf();
StatusValues StatusValuesOf();
