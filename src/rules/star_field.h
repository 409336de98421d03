// The star field's motion: seeded once the pictures are loaded, moved on every
// frame of the credits screen.
#pragma once
#include "model/star_field.h"

// Distances 0 to 4.9 and random colours; after every renderer start.
void SeedStarField();
// Tilts the field and moves each star on, recolouring the ones that reach the
// centre; returns the stars as they stood when each was drawn.
StarsFrame StepStarField();
