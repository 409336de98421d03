// The saved game: "SavedGame.txt", in the folder of saved_game_folder.h.
#pragma once
#include <string>

// Writes the game; the file is replaced whole or not at all. True when it was;
// otherwise standard error is told the path, the step and the system's reason.
bool SaveGame(float headsetBattery, float customerSatisfaction);
// Reads the saved game and opens the between-days shop. A value that cannot be
// read or is out of range leaves its own field as it was, and standard error is
// told the field, the text found and the value kept; so is a file that ends early.
void LoadGame(float& headsetBattery, float& customerSatisfaction, bool& dayOver);
// Called after each step of SaveGame that touches the file system, numbered from
// 1 (create the temporary file, write, flush to disk, close, rename over the old
// file, open the folder, flush the folder, close it): tests stop a save there.
// None in the game.
extern void (*savedGameStepHook)(int step);
constexpr int kSavedGameSteps = 8;

// True when the saved game can be opened for reading.
bool SavedGameExists();

// A float as the file holds it: the six-digit general form when that reads back
// to the same float, otherwise the shortest text that does.
std::string SavedFloatText(float value);
