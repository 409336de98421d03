// The front-end screens and the pause screen.
#pragma once
#include "model/frame.h"

void DrawTitleMenu(const TitleFrame& frame);
void DrawOptionsScreen(const OptionsFrame& frame);
void DrawCreditsScreen(const CreditsFrame& frame);
void DrawObjectiveScreen(const ObjectiveFrame& frame);
void DrawClosingScreen(const ClosingFrame& frame);
void DrawPauseScreen();

// Covers the window with eight rows of drink pictures; dim draws them in
// "Gray50" and leaves the colour "White". Leaves blending off.
void DrawDrinkWallpaper(bool dim);
