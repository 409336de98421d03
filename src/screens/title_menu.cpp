// The title menu with its intro, and the drink wallpaper it shares with other screens.
#include "render/toolkit.h"
#include "save/saved_game.h"
#include "screens/drink_wallpaper.h"
#include "screens/front_end_state.h"
#include "screens/screens.h"
#include "shell/screen_flags.h"
#include "stats/stats.h"

namespace {

TitleMenuState menu;

constexpr int kSpace = 32;
constexpr int kIntroFrames = 66;

void drawIntro()
{
    DrawSprite("White", 17, 1.3f, menu.anselHeight, 1.0f);
    DrawSprite("White", 16, -1.6f, menu.tiborHeight, 1.0f);

    SetColour(menu.fade, menu.fade, menu.fade);
    if (menu.introFrameCount >= kIntroFrames) {
        menu.fade = menu.fade + menu.introSpeed + 0.001f;
        if (menu.fade > 1.0f)
            menu.fade = 1.0f;
    }
    DrawSprite("", 18, -0.5f, 0.47f, 1.0f);
    DrawSprite("", 1, 1.8f, 0.3f, 1.0f);

    // A height that overshoots 0 is only put back on the following frame.
    if (menu.anselHeight > 0.0f)
        menu.anselHeight = menu.anselHeight - 2.0f * menu.introSpeed;
    else
        menu.anselHeight = 0.0f;
    if (menu.tiborHeight < 0.0f)
        menu.tiborHeight = menu.tiborHeight + 2.0f * menu.introSpeed;
    else
        menu.tiborHeight = 0.0f;
}

void drawBackdrop()
{
    DrawDrinkWallpaper(true);
    SetBlending(false);
    DrawSprite("", 17, 1.3f, 0.0f, 1.0f);
    DrawSprite("", 16, -1.6f, 0.0f, 1.0f);
    DrawSprite("", 18, -0.5f, 0.47f, 1.0f);
    SetBlending(true);
    DrawSprite("", 1, 1.8f, 0.3f, 1.0f);

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

void advancePulse()
{
    if (menu.pulse < 1.0f && menu.pulseRising)
        menu.pulse += 0.03f;
    else if (menu.pulse >= 1.0f && menu.pulseRising)
        menu.pulseRising = false;
    else if (menu.pulse > 0.0f && !menu.pulseRising)
        menu.pulse -= 0.03f;
    else if (menu.pulse <= 0.0f && !menu.pulseRising)
        menu.pulseRising = true;
}

// Printed in "Black", a label adds nothing under additive blending: only the
// pulsing pass shows, and New Game and Credits get a white pass on top.
void drawEntries()
{
    const float p = menu.pulse;

    SetColour(1.0f, p, p);
    PrintText(190, 195, "", 1, "______________");
    PrintText(190, 200, "", 4, "('N') New Game");
    PrintText(190, 195, "", 1, "______________");
    PrintText(190, 200, "White", 4, "('N') New Game");

    if (SavedGameExists()) {
        SetColour(1.0f - p, 1.0f - p, 1.0f);
        PrintText(190, 155, "", 1, "_______________");
        PrintText(190, 160, "Black", 4, "('L') Load Game");
        SetColour(1.0f - p, 1.0f - p, 1.0f);
        PrintText(190, 155, "", 1, "_______________");
        PrintText(190, 160, "", 4, "('L') Load Game");
        menu.menuOffset = 0;
    } else {
        menu.menuOffset = 40;
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

// Not latched: each key acts on every frame it is held, and several may act at once.
void readMenuKeys(const bool* keys, bool& optionsFlag, bool& creditsFlag, bool& quitFlag)
{
    if (keys['N']) {
        screenFlags.titleMenuActive = false;
        screenFlags.objectiveActive = true;
    }
    if (keys['L'] && SavedGameExists()) {
        screenFlags.titleMenuActive = false;
        screenFlags.loadGameRequested = true;
    }
    if (keys['O']) {
        screenFlags.titleMenuActive = false;
        optionsFlag = true;
    }
    if (keys['C']) {
        screenFlags.titleMenuActive = false;
        creditsFlag = true;
    }
    if (keys['Q']) {
        screenFlags.titleMenuActive = false;
        quitFlag = true;
    }
}

}  // namespace

const TitleMenuState& titleMenuState()
{
    return menu;
}

void TitleMenuScreen(const bool* keys, bool& optionsFlag, bool& creditsFlag, bool& quitFlag)
{
    dayStats.dayNumber = 1;
    menu.introSpeed = keys[kSpace] ? 0.022f : 0.006f;
    if (menu.introFrameCount < kIntroFrames)
        ++menu.introFrameCount;

    drawIntro();
    if (menu.anselHeight == 0.0f && menu.fade == 1.0f) {
        drawBackdrop();
        advancePulse();
        drawEntries();
        readMenuKeys(keys, optionsFlag, creditsFlag, quitFlag);
    }
    SetBlending(false);
}

void DrawDrinkWallpaper(bool dim)
{
    SetBlending(true);
    if (dim)
        SetColourByName("Gray50");
    int picture = 10;
    for (float y = -2.2f; y < 2.2f; y += 0.6f) {
        for (float x = -2.2f; x < 3.0f; x += 0.3f)
            DrawSprite("", picture, x, y, 1.0f);
        picture = NextDrinkPicture(picture);
    }
    if (dim)
        SetColourByName("White");
    SetBlending(false);
}
