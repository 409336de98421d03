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

bool MakeSavedGameFolder(std::string& problem)
{
    if (savedGameFolder.empty())
        return true;
    std::error_code error;
    std::filesystem::create_directories(savedGameFolder, error);
    std::error_code ignored;
    if (std::filesystem::is_directory(savedGameFolder, ignored))
        return true;
    problem = error ? error.message() : "not a folder";
    return false;
}
