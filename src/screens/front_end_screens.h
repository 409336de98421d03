// The front-end screens and the pause screen. They only draw.
#pragma once
#include "model/front_end_state.h"

#include <cstdint>

// The intro as it stood before this frame's step, then the menu once it is ready.
void DrawTitleMenu(const TitleMenuState& intro, const TitleMenuState& menu);
void DrawOptionsScreen(uint8_t gameOptions);
void DrawCreditsScreen();
void DrawObjectiveScreen();
// The countdown as it stood before this frame's step, in this frame's random tint.
void DrawClosingScreen(const ClosingState& shown);
void DrawPauseScreen();

// Covers the window with eight rows of drink pictures; dim draws them in
// "Gray50" and leaves the colour "White". Leaves blending off.
void DrawDrinkWallpaper(bool dim);
