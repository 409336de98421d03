// The front-end screens' own state: the title menu's intro and pulse, the
// credits' light mode and the closing countdown.
#pragma once

struct TitleMenuState {
    int introFrameCount = 0;     // counts up to 66
    float fade = 0.0f;           // register and Megaburger brightness, 0..1
    float anselHeight = 2.5f;    // scene y of the second employee
    float tiborHeight = -2.5f;   // scene y of the first employee
    float introSpeed = 0.006f;   // 0.022 while Space is held
    float pulse = 0.0f;          // menu entries' colour pulse, 0..1
    bool pulseRising = true;
    int menuOffset = 0;          // 40 while Load Game is hidden
};
// The intro has ended: the employees stand and the register is lit.
constexpr bool TitleMenuReady(const TitleMenuState& menu)
{
    return menu.anselHeight == 0.0f && menu.fade == 1.0f;
}

struct CreditsState {
    bool lightMode = false;  // kept between visits
};

// The drink picture of the next row of drinks: Coke, Orange Soda, Grape Soda, Pepsi, again.
constexpr int NextDrinkPicture(int picture)
{
    switch (picture) {
    case 10: return 12;
    case 12: return 11;
    case 11: return 13;
    default: return 10;
    }
}

// A row of the closing screen ends once its next picture would start here.
constexpr double kClosingRowEnd = 2.4;

struct ClosingState {
    int closingCount = 0;
    // Doubles, so that a row holds exactly 16 pictures (floats would fit 17).
    double tileX = -1.9;
    double tileY = 1.6;
    int tilePicture = 10;
    float tint[3] = {};  // this frame's random colour of the tile and the text
};

struct FrontEndState {  // program lifetime: the intro runs once, the light mode is kept
    TitleMenuState menu;
    CreditsState credits;
    ClosingState closing;
};
extern FrontEndState frontEnd;
