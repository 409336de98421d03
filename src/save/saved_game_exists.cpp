// Whether a saved game is there to load.
#include "save/saved_game.h"

#include <fstream>

bool SavedGameExists()
{
    std::ifstream file("SavedGame.txt");
    return file.is_open();
}
