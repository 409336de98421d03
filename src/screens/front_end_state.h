// The front-end screens' own state, readable by the replay tool and the tests.
#pragma once

struct TitleMenuState {  // program lifetime: the intro runs once per run
    int introFrameCount = 0;     // counts up to 66
    float fade = 0.0f;           // register and Megaburger brightness, 0..1
    float anselHeight = 2.5f;    // scene y of the second employee
    float tiborHeight = -2.5f;   // scene y of the first employee
    float introSpeed = 0.006f;   // 0.022 while Space is held
    float pulse = 0.0f;          // menu entries' colour pulse, 0..1
    bool pulseRising = true;
    int menuOffset = 0;          // 40 while Load Game is hidden
};

struct ClosingState {  // program lifetime
    int closingCount = 0;
    // Doubles, so that a row holds exactly 16 pictures (floats would fit 17).
    double tileX = -1.9;
    double tileY = 1.6;
    int tilePicture = 10;
};

const TitleMenuState& titleMenuState();
bool creditsLightMode();
const ClosingState& closingState();
