// The screen flags and the screen they choose.
#include "model/screen_flags.h"

ScreenFlags screenFlags;

Screen CurrentScreen(bool escapePressed)
{
    const ScreenFlags& f = screenFlags;
    if (f.titleMenuActive) return Screen::Title;
    if (f.optionsActive) return Screen::Options;
    if (f.creditsActive) return Screen::Credits;
    if (f.quitRequested || escapePressed) return Screen::Closing;
    if (f.objectiveActive) return Screen::Objective;
    return Screen::Game;
}

const char* ScreenName(Screen screen)
{
    switch (screen) {
    case Screen::Title: return "title";
    case Screen::Options: return "options";
    case Screen::Credits: return "credits";
    case Screen::Closing: return "closing";
    case Screen::Objective: return "objective";
    case Screen::Game: return "game";
    }
    return "game";
}
