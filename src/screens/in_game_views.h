// The drawing of a day: the kitchen queue strip, the register, kitchen and
// hand-out views (at a horizontal offset in pixels while they slide), the
// customer's spoken order, the speaker icon and the status bar.
#pragma once
#include "model/day_frame.h"
#include "screens/draw_options.h"

// A finished job's box with reduced flashing: one colour, apart from every cooking tint.
constexpr float kSteadyDoneRed = 1.0f, kSteadyDoneGreen = 0.78f, kSteadyDoneBlue = 0.1f;

void DrawKitchenQueueStrip(const StripValues& strip, bool reducedFlashing);
void DrawRegisterView(const RegisterValues& view, int offset);
void DrawKitchenView(const KitchenValues& view, int offset);
void DrawHandOutView(const HandOutValues& view, int offset, bool reducedFlashing);
void DrawSpokenOrder(const Customer& latest);
void DrawSpeakerIcon(RegisterState registerState);
void DrawStatusBar(const StatusValues& status);
// A whole frame of the day, in the order its steps took the values.
void DrawDay(const DayFrame& frame, const DrawOptions& options);
