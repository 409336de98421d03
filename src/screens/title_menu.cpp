// The title menu with its intro, and the drink wallpaper it shares with other screens.
#include "screens/front_end_screens.h"

#include "model/pictures.h"
#include "render/toolkit.h"

#include <initializer_list>

namespace {

void drawIntro(const TitleMenuState& menu)
{
    DrawSprite("White", Picture::Ansel, 1.3f, menu.anselHeight, 1.0f);
    DrawSprite("White", Picture::Tibor, -1.6f, menu.tiborHeight, 1.0f);
    SetColour(menu.fade, menu.fade, menu.fade);
    DrawSprite("", Picture::CashRegister, -0.5f, 0.47f, 1.0f);
    DrawSprite("", Picture::Megaburger, 1.8f, 0.3f, 1.0f);
}

void drawBackdrop()
{
    DrawDrinkWallpaper(true);
    SetBlending(false);
    DrawSprite("", Picture::Ansel, 1.3f, 0.0f, 1.0f);
    DrawSprite("", Picture::Tibor, -1.6f, 0.0f, 1.0f);
    DrawSprite("", Picture::CashRegister, -0.5f, 0.47f, 1.0f);
    SetBlending(true);
    DrawSprite("", Picture::Megaburger, 1.8f, 0.3f, 1.0f);

    PrintText(62, 50, "Cyan", 1, "Tibor");
    PrintText(488, 50, "Yellow", 1, "Ansel");

    struct Pass {
        const char* colour;
        int style;
    };
    for (Pass pass : {Pass{"White", 2}, Pass{"Red", 5}, Pass{"White", 2}}) {
        PrintText(180, 442, pass.colour, pass.style, "_______________________________");
        PrintText(180, 460, pass.colour, pass.style, "_______________________________");
        PrintText(180, 442, pass.colour, pass.style, "Q U O R V E L");
    }
}

// Printed in "Black", a label adds nothing under additive blending: only the
// pulsing pass shows, and New Game and Credits get a white pass on top.
void drawEntries(const TitleMenuState& menu)
{
    const float p = menu.pulse;

    SetColour(1.0f, p, p);
    PrintText(190, 195, "", 1, "______________");
    PrintText(190, 200, "", 4, "('N') New Game");
    PrintText(190, 195, "", 1, "______________");
    PrintText(190, 200, "White", 4, "('N') New Game");

    if (menu.menuOffset == 0) {  // a saved game is there to load
        SetColour(1.0f - p, 1.0f - p, 1.0f);
        PrintText(190, 155, "", 1, "_______________");
        PrintText(190, 160, "Black", 4, "('L') Load Game");
        SetColour(1.0f - p, 1.0f - p, 1.0f);
        PrintText(190, 155, "", 1, "_______________");
        PrintText(190, 160, "", 4, "('L') Load Game");
    }
    const int off = menu.menuOffset;

    SetColour(p, 1.0f, 1.0f);
    PrintText(190, off + 115, "", 1, "_____________");
    PrintText(190, off + 120, "", 4, "('O') Options");
    PrintText(190, off + 115, "", 1, "_____________");
    PrintText(190, off + 120, "Black", 4, "('O') Options");

    SetColour(1.0f, p, 1.0f);
    PrintText(190, off + 75, "", 1, "_____________");
    PrintText(190, off + 80, "White", 4, "('C') Credits");
    SetColour(1.0f, p, 1.0f);
    PrintText(190, off + 75, "", 1, "_____________");
    PrintText(190, off + 80, "", 4, "('C') Credits");

    SetColour(1.0f, 1.0f, p);
    PrintText(190, off + 35, "", 1, "_______________");
    PrintText(190, off + 40, "Black", 4, "('Q') Quit Game");
    SetColour(1.0f, 1.0f, p);
    PrintText(190, off + 35, "", 1, "_______________");
    PrintText(190, off + 40, "", 4, "('Q') Quit Game");
}

}  // namespace

void DrawTitleMenu(const TitleFrame& frame)
{
    drawIntro(frame.intro);
    if (TitleMenuReady(frame.menu)) {
        drawBackdrop();
        drawEntries(frame.menu);
    }
    SetBlending(false);
}

void DrawDrinkWallpaper(bool dim)
{
    SetBlending(true);
    if (dim)
        SetColourByName("Gray50");
    int picture = Picture::Coke;
    for (float y = -2.2f; y < 2.2f; y += 0.6f) {
        for (float x = -2.2f; x < 3.0f; x += 0.3f)
            DrawSprite("", picture, x, y, 1.0f);
        picture = NextDrinkPicture(picture);
    }
    if (dim)
        SetColourByName("White");
    SetBlending(false);
}
