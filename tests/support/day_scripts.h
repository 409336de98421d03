// Scenario helpers for a day at the drive-thru: starting a game with options,
// holding a key until something happens, and reading the draw records.
#pragma once
#include "support/replay.h"
#include "support/scripts.h"

#include <functional>
#include <string>

// A new game after toggling options on the options screen ("D" turns smooth
// transitions off, "A" gives five-minute days); ends on the first in-game frame.
std::string StartNewGameWithOptions(const std::string& optionKeys);

// The state after the script (one more dump at its end).
nlohmann::json StateAfter(const std::string& script);

// The script extended by holding `key` until `done` holds of the state (checked
// every `step` frames), then releasing it with one more frame. Empty when it
// never held within maxFrames.
std::string HoldUntil(const std::string& script, const std::string& key,
                      const std::function<bool(const nlohmann::json&)>& done, int maxFrames = 12000,
                      int step = 10);
// Holds Enter in the register view until the next car has been answered.
std::string AnswerNextCar(const std::string& script);
// "press K" lines keying the customer's order (its names as the menu spells them).
std::string KeyOrder(const nlohmann::json& customer);

// Draw records of one frame.
nlohmann::json FindText(const nlohmann::json& draws, const std::string& s);
nlohmann::json FindSprite(const nlohmann::json& draws, int index);
