// The closing screen: thanks, a countdown to 95 percent over darkening drink pictures.
#include "screens/front_end_screens.h"

#include "render/toolkit.h"

void DrawClosingScreen(const ClosingFrame& frame)
{
    const ClosingState& shown = frame.shown;
    PrintText(100, 100, "Yellow", 4, "T H A N K  Y O U  F O R  P L A Y I N G ! !");

    // Darkens to black over the countdown (the last grey is just below 0).
    const float grey = 1.0f - static_cast<float>(shown.closingCount) * 2.7f / 255.0f;
    SetColour(grey, grey, grey);
    DrawDrinkWallpaper(false);
    SetBlending(true);

    SetColour(shown.tint[0], shown.tint[1], shown.tint[2]);
    if (shown.tileX < kClosingRowEnd) {
        DrawSprite("", shown.tilePicture, static_cast<float>(shown.tileX), static_cast<float>(shown.tileY),
                   1.0f);
        SetColourByName("White");
        PrintFormatted(0, 0, 1, "Closing %d%%", shown.closingCount);
    }
    SetBlending(false);
}

void DrawPauseScreen()
{
    PrintText(250, 250, "White", 5, "- P A U S E -");
    PrintText(250, 250, "Gray50", 2, "- P A U S E -");
    PrintText(250, 250, "White", 5, "- P A U S E -");
    PrintText(0, 0, "", 1, "<TAB> to resume");
    PrintText(0, 18, "", 1, "<F1> in play lists every key");
}
