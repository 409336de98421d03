// The key card's rule: F1 puts it up over the current screen and takes it down.
#pragma once
#include "model/key_card.h"

#include <optional>

struct KeyCardStep {
    bool standStill = false;           // the screen's step does not run this frame
    std::optional<KeyCardFrame> card;  // drawn over the standing picture
};

// Runs before the screen's step. While the card is up, and on the frame F1 takes
// it down, the screen stands still as it does in the pause; the game goes on from
// the next frame. The closing screen has no keys and no card: Escape takes the
// card down on its way there.
KeyCardStep StepKeyCard(const bool* keys, bool escapePressed);
