// The front-end screens' rules, one update per screen, each run before the
// screen is drawn; and each screen's state with its reset.
#pragma once
#include "model/front_end_state.h"

// Returns the intro as it stood before this frame's step: that is what is drawn.
TitleMenuState UpdateTitleMenu(const bool* keys, bool& optionsFlag, bool& creditsFlag, bool& quitFlag);
void UpdateOptionsScreen(const bool* keys, bool& optionsFlag);
void UpdateCreditsScreen(const bool* keys, bool& creditsFlag);
void UpdateObjectiveScreen(const bool* keys, bool& objectiveFlag);
// Returns the countdown as it stood before this frame's step, with this frame's tint.
ClosingState UpdateClosingScreen(bool& doneFlag);

const TitleMenuState& titleMenuState();
const CreditsState& creditsState();
const ClosingState& closingState();
void ResetTitleMenu();
void ResetCredits();
void ResetClosing();
