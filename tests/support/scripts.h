// Script fragments shared by the scenario tests.
#pragma once
#include <string>

// From program start into the first in-game frame of a new game: New Game on the
// title menu (held through the intro, which ignores keys), then Enter on the objective.
inline std::string StartNewGame()
{
    return "down N\nframes 300\nup N\nframes 1\npress ENTER\n";
}
