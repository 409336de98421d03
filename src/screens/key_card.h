// The key card: a panel over the standing picture listing the keys of the screen
// in use, and on a day's pages what the strip's colours and the battery mean.
#pragma once
#include "model/key_card.h"

void DrawKeyCard(const KeyCardFrame& card, bool reducedFlashing);

// One line of a page: the key as printed, what it does, and a picture drawn
// at the line's right end (0 for none). A line without a key is a note across
// the card.
struct KeyCardLine {
    const char* key;  // nullptr for a note
    const char* does;
    int picture = 0;
};
struct KeyCardPageText {
    const char* title;
    const KeyCardLine* lines;
    int lineCount;
    bool day;  // a day's page: the menu items (register), the strip and the battery
};
const KeyCardPageText& KeyCardPageTextOf(KeyCardPage page);
