// The replay tool's state object and draw records.
#pragma once
#include <nlohmann/json.hpp>

nlohmann::json DumpState(long long frame);
nlohmann::json DumpDraws();
// The sound events of the last frame pass, by name, in the order they were queued.
nlohmann::json DumpSounds();

// Each subsystem adds its own keys to the state object.
void DumpShell(nlohmann::json& state);
void DumpModel(nlohmann::json& state);      // game state, customers, slots, statistics
void DumpDay(nlohmann::json& state);        // the day's rules and views
void DumpBetweenDays(nlohmann::json& state);// report, shop, saving, bulletin
void DumpFrontEnd(nlohmann::json& state);   // title, options, credits, objective, closing
