// The screen dispatcher: the credits' stars move first, then the current
// screen's step runs; its values are the frame's drawing.
#include "shell/dispatcher.h"

#include "model/screen.h"
#include "rules/front_end.h"
#include "rules/in_game_controller.h"
#include "rules/star_field.h"

Frame StepScreen(const bool* keys, bool& done, bool escapePressed)
{
    Frame frame;
    if (screenState.up(Screen::Credits))
        frame.stars = StepStarField();
    switch (CurrentScreen(screenState, escapePressed)) {
    case Screen::Title: frame.screen = StepTitleMenu(keys); break;
    case Screen::Options: frame.screen = StepOptionsScreen(keys); break;
    case Screen::Credits: frame.screen = StepCreditsScreen(keys); break;
    case Screen::Closing: frame.screen = StepClosingScreen(done); break;
    case Screen::Objective: frame.screen = StepObjectiveScreen(keys); break;
    case Screen::Game: frame.screen = InGameController(keys); break;
    }
    return frame;
}
