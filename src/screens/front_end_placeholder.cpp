// Minimal front end until the real screens land: a title that starts a game.
#include "render/toolkit.h"
#include "screens/screens.h"
#include "shell/screen_flags.h"

void TitleMenuScreen(const bool* keys, bool& optionsFlag, bool& creditsFlag, bool& quitFlag)
{
    PrintText(180, 442, "White", 2, "Q U O R V E L");
    PrintText(190, 200, "White", 4, "('N') New Game");
    if (keys['N']) {
        screenFlags.titleMenuActive = false;
        screenFlags.objectiveActive = true;
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
    SetBlending(false);
}

void OptionsScreen(const bool* keys, bool& optionsFlag)
{
    if (keys[8]) {
        optionsFlag = false;
        screenFlags.titleMenuActive = true;
    }
}

void CreditsScreen(const bool* keys, bool& creditsFlag)
{
    if (keys[8]) {
        creditsFlag = false;
        screenFlags.titleMenuActive = true;
    }
}

void ObjectiveScreen(const bool* keys, bool& objectiveFlag)
{
    if (keys[13])
        objectiveFlag = false;
}

void ClosingScreen(bool& doneFlag)
{
    doneFlag = true;
}
