// Where the saved game lives: the working folder, or a folder the shell names at
// start-up (the player's data folder, for an installed game).
#pragma once
#include <string>

// "" keeps the saved game in the working folder; otherwise a folder ending in '/'
// that is made on the first save.
void SetSavedGameFolder(const std::string& folder);
const std::string& SavedGameFolder();
// The saved game's path, and the temporary file a save is written to first.
std::string SavedGamePath();
std::string SavedGameTemporaryPath();
// Makes the folder (and its parents) when it is not there yet; false, with the
// system's reason in problem, when it cannot.
bool MakeSavedGameFolder(std::string& problem);
