// The screen dispatcher: the key card first, then the credits' stars, then the
// current screen's step; its values are the frame's drawing.
#include "shell/dispatcher.h"

#include "model/screen.h"
#include "rules/front_end.h"
#include "rules/in_game_controller.h"
#include "rules/key_card.h"
#include "rules/star_field.h"

Frame frameUnderKeyCard;

Frame StepScreen(const bool* keys, bool& done, bool escapePressed)
{
    // The card stands over the last frame the screen stepped, drawn again as it was.
    if (KeyCardStep card = StepKeyCard(keys, escapePressed); card.standStill) {
        Frame frame = frameUnderKeyCard;
        frame.keyCard = card.card;
        return frame;
    }
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
    frameUnderKeyCard = frame;
    return frame;
}
