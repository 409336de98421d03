// The screen dispatcher.
#include "shell/dispatcher.h"

#include "screens/screens.h"
#include "shell/screen_flags.h"
#include "sim/in_game_controller.h"

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

void DispatchScreen(const bool* keys, bool& creditsFlag, bool& doneFlag, bool& pauseAllowedFlag,
                    bool escapePressed)
{
    ScreenFlags& f = screenFlags;
    switch (CurrentScreen(escapePressed)) {
    case Screen::Title: TitleMenuScreen(keys, f.optionsActive, creditsFlag, f.quitRequested); break;
    case Screen::Options: OptionsScreen(keys, f.optionsActive); break;
    case Screen::Credits: CreditsScreen(keys, creditsFlag); break;
    case Screen::Closing: ClosingScreen(doneFlag); break;
    case Screen::Objective: ObjectiveScreen(keys, f.objectiveActive); break;
    case Screen::Game: InGameController(keys); break;
    }
    pauseAllowedFlag = !f.titleMenuActive && !f.optionsActive && !f.creditsActive &&
                       !f.quitRequested && !f.objectiveActive && !escapePressed;
}
