// The closing screen: thanks, a countdown to 95 percent, then the end of the run.
#include "model/random.h"
#include "render/toolkit.h"
#include "screens/drink_wallpaper.h"
#include "screens/front_end_state.h"
#include "screens/screens.h"

namespace {

ClosingState closing;

float randomComponent()
{
    return static_cast<float>(rnd(254) + 1) / 255.0f;
}

}  // namespace

const ClosingState& closingState()
{
    return closing;
}

void ClosingScreen(bool& doneFlag)
{
    PrintText(100, 100, "Yellow", 4, "T H A N K  Y O U  F O R  P L A Y I N G ! !");

    // Darkens to black over the countdown (the last grey is just below 0).
    const float grey = 1.0f - static_cast<float>(closing.closingCount) * 2.7f / 255.0f;
    SetColour(grey, grey, grey);
    DrawDrinkWallpaper(false);
    SetBlending(true);

    // A new random colour every frame, drawn red, green, blue.
    const float red = randomComponent();
    const float green = randomComponent();
    const float blue = randomComponent();
    SetColour(red, green, blue);

    if (closing.tileX < 2.4) {
        DrawSprite("", closing.tilePicture, static_cast<float>(closing.tileX),
                   static_cast<float>(closing.tileY), 1.0f);
        closing.tileX = closing.tileX + 0.26875;
        SetColourByName("White");
        PrintFormatted(0, 0, 1, "Closing %d%%", closing.closingCount);
        ++closing.closingCount;
    } else if (closing.tileY > -1.0) {
        closing.tileY = closing.tileY - 0.58;
        closing.tileX = -1.9;
        closing.tilePicture = NextDrinkPicture(closing.tilePicture);
    } else {
        doneFlag = true;
    }
    SetBlending(false);
}
