// The key card (F1): whether it is up, and which page of keys it shows.
#pragma once
#include <cstdint>

// One page per screen the player can press keys on; a day's page follows its view.
enum class KeyCardPage : uint8_t {
    Title,
    Options,
    Credits,
    Objective,
    Register,
    Kitchen,
    Window,
    DayOver,
    Report,
    Shop,
    Saving,
    Bulletin,
};

struct KeyCardState {  // the run
    bool open = false;
};
extern KeyCardState keyCard;

// What the card draws over the frozen picture.
struct KeyCardFrame {
    KeyCardPage page = KeyCardPage::Title;
    int dayNumber = 1;  // the register's page lists the items on sale today
};
