// Whether a saved game is there to load.
#include "rules/saved_game.h"

#include <filesystem>
#include <fstream>

bool SavedGameExists()
{
    // A folder of that name opens as a stream here, but it holds no saved game.
    std::error_code ignored;
    if (std::filesystem::is_directory("SavedGame.txt", ignored))
        return false;
    std::ifstream file("SavedGame.txt");
    return file.is_open();
}
