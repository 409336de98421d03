// The screen dispatcher: exactly one screen per frame, chosen by the flags;
// its update runs first, then it is drawn.
#include "shell/dispatcher.h"

#include "model/game_state.h"
#include "model/screen_flags.h"
#include "rules/front_end.h"
#include "rules/in_game_controller.h"
#include "screens/front_end_screens.h"

void DispatchScreen(const bool* keys, bool& creditsFlag, bool& doneFlag, bool& pauseAllowedFlag,
                    bool escapePressed)
{
    ScreenFlags& f = screenFlags;
    switch (CurrentScreen(escapePressed)) {
    case Screen::Title:
        DrawTitleMenu(UpdateTitleMenu(keys, f.optionsActive, creditsFlag, f.quitRequested), titleMenuState());
        break;
    case Screen::Options:
        UpdateOptionsScreen(keys, f.optionsActive);
        DrawOptionsScreen(program.gameOptions);
        break;
    case Screen::Credits:
        UpdateCreditsScreen(keys, creditsFlag);
        DrawCreditsScreen();
        break;
    case Screen::Closing: DrawClosingScreen(UpdateClosingScreen(doneFlag)); break;
    case Screen::Objective:
        UpdateObjectiveScreen(keys, f.objectiveActive);
        DrawObjectiveScreen();
        break;
    case Screen::Game: InGameController(keys); break;  // draws as the day's order prescribes
    }
    pauseAllowedFlag = !f.titleMenuActive && !f.optionsActive && !f.creditsActive &&
                       !f.quitRequested && !f.objectiveActive && !escapePressed;
}
