// Whether a saved game is there to load.
#include "rules/saved_game.h"
#include "rules/saved_game_folder.h"

#include <filesystem>
#include <fstream>

bool SavedGameExists()
{
    // A folder of that name opens as a stream here, but it holds no saved game.
    std::error_code ignored;
    const std::string path = SavedGamePath();
    if (std::filesystem::is_directory(path, ignored))
        return false;
    std::ifstream file(path);
    return file.is_open();
}
