// The screens that are up and the one a frame runs.
#include "model/screen.h"

#include <initializer_list>

ScreenState screenState;

Screen CurrentScreen(const ScreenState& screens, bool escapePressed)
{
    for (Screen s : {Screen::Title, Screen::Options, Screen::Credits})
        if (screens.up(s))
            return s;
    if (screens.up(Screen::Closing) || escapePressed)
        return Screen::Closing;
    return screens.up(Screen::Objective) ? Screen::Objective : Screen::Game;
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
