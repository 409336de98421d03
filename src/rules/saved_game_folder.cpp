// The saved game's folder, chosen once at start-up.
#include "rules/saved_game_folder.h"

#include <filesystem>

namespace {
std::string savedGameFolder;  // program lifetime; "" = the working folder
}  // namespace

void SetSavedGameFolder(const std::string& folder)
{
    savedGameFolder = folder;
}

const std::string& SavedGameFolder()
{
    return savedGameFolder;
}

std::string SavedGamePath()
{
    return savedGameFolder + "SavedGame.txt";
}

std::string SavedGameTemporaryPath()
{
    return savedGameFolder + "SavedGame.txt.tmp";
}

bool MakeSavedGameFolder()
{
    if (savedGameFolder.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(savedGameFolder, error);
    return std::filesystem::is_directory(savedGameFolder, error);
}
