// The front-end screens' rules: one step per screen, each returning what its
// screen draws this frame.
#pragma once
#include "model/frame.h"

TitleFrame StepTitleMenu(const bool* keys);
OptionsFrame StepOptionsScreen(const bool* keys);
CreditsFrame StepCreditsScreen(const bool* keys);
ClosingFrame StepClosingScreen(bool& done);
ObjectiveFrame StepObjectiveScreen(const bool* keys);
