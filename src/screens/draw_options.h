// How the player wants frames drawn: a choice of the drawing alone, never of the game.
#pragma once

struct DrawOptions {
    // Finished items on the strip keep one steady colour, and a wrong bag marks the
    // window view with a red frame instead of turning the background red.
    bool reducedFlashing = false;
};
