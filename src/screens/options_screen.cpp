// The options screen: four game options toggled with A to D.
#include "model/game_state.h"
#include "model/key_latches.h"
#include "render/toolkit.h"
#include "screens/drink_wallpaper.h"
#include "screens/screens.h"
#include "shell/screen_flags.h"

#include <cstdint>

namespace {

constexpr int kBackspace = 8;

struct OptionRow {
    int key;
    uint64_t latch;
    uint8_t bit;
    const char* label;
    int y;
    int separatorX;
    const char* whenSet;  // the value shown first
    int whenSetX;
    const char* whenClear;
    int whenClearX;
};

constexpr OptionRow kRows[] = {
    {'A', Latch::OptionA, Option::FiveMinuteDays, "('A') Day duration(min)", 330, 438,
     "5", 430, "10", 465},
    {'B', Latch::OptionB, Option::StartingCash, "('B') Starting Cash (Handicap)", 250, 520,
     "$ 1,000.00", 430, "OFF", 540},
    {'C', Latch::OptionC, Option::HalfSatisfaction, "('C') Starting Cust. Sat. (Handicap)", 170,
     455, "50%", 430, "100%", 480},
    {'D', Latch::OptionD, Option::SmoothTransitions, "('D') Smooth Transition", 90, 452, "ON",
     435, "OFF", 480},
};

void drawHeading()
{
    const char* underline = "___________________";
    SetBlending(true);
    PrintText(220, 445, "Yellow", 5, underline);
    PrintText(220, 425, "Yellow", 5, underline);
    PrintText(220, 445, "Yellow", 2, underline);
    PrintText(220, 425, "Yellow", 2, underline);
    PrintText(220, 445, "Yellow", 5, underline);
    PrintText(220, 425, "Yellow", 5, underline);
    PrintText(220, 426, "Yellow", 2, "O  P  T  I  O  N  S");
    PrintText(220, 426, "Yellow", 5, "O  P  T  I  O  N  S");
    PrintText(220, 426, "Yellow", 2, "O  P  T  I  O  N  S");
    SetBlending(false);
}

// The value in force is bright and large, the other one grey and small.
void drawValue(const char* text, int x, int y, bool inForce)
{
    if (inForce)
        PrintText(x, y, "White", 4, text);
    else
        PrintText(x, y, "Gray50", 1, text);
}

}  // namespace

void OptionsScreen(const bool* keys, bool& optionsFlag)
{
    // The rest of the frame still runs; the title menu shows from the next one.
    if (keys[kBackspace]) {
        optionsFlag = false;
        screenFlags.titleMenuActive = true;
    }

    DrawDrinkWallpaper(true);
    for (const OptionRow& row : kRows)
        if (KeyPressedOnce(keys, row.key, row.latch))
            game.gameOptions ^= row.bit;

    drawHeading();
    // Blending stays off: labels and values are drawn opaque over the wallpaper.
    for (const OptionRow& row : kRows)
        PrintText(40, row.y, "Cyan", 1, row.label);
    for (const OptionRow& row : kRows)
        PrintText(row.separatorX, row.y, "Gray75", 1, " / ");
    for (const OptionRow& row : kRows) {
        const bool set = (game.gameOptions & row.bit) != 0;
        drawValue(row.whenSet, row.whenSetX, row.y, set);
        drawValue(row.whenClear, row.whenClearX, row.y, !set);
    }
    PrintText(8, 8, "White", 0, "Press <Bksp> to go back");
}
