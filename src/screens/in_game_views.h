// The drawing of a day: the kitchen queue strip, the register, kitchen and
// hand-out views (at a horizontal offset in pixels while they slide), the
// customer's spoken order and the status bar. They only draw.
#pragma once
#include "model/game_state.h"

#include <array>

constexpr int kStripSlots = 5;
// Per strip slot: whether its red warning box shows this frame (the cooking's
// display timers decide it, just before the strip is drawn).
using StripWarnings = std::array<bool, kStripSlots>;

void DrawKitchenQueueStrip(const DayState& day, const StripWarnings& warnings);
void DrawRegisterView(const DayState& day, int offset);
void DrawKitchenView(const DayState& day, int offset);
void DrawHandOutView(const DayState& day, int offset);
// One of the three views at rest, or sliding at an offset.
void DrawView(const DayState& day, InGameView view, int offset);
// The latest customer's words while they are still shown.
void DrawSpokenOrder(const DayState& day);
// The speaker icon, drawn before the day's clock runs; the rest of the bar after.
void DrawSpeakerIcon(RegisterState registerState);
void DrawStatusBar(const GameState& game, const DayState& day);
