// The shop's upgrades: their kinds and prices.
#pragma once
#include "model/game_state.h"

namespace UpgradeKind {
enum { Drinks = 0, Burgers = 1, Sides = 2, Advertisement = 3 };
}

constexpr float kBatteryPrice = 50.0f;

// The price of the next level of an upgrade kind at its current level; 0 once it
// is at level 5 (or for a kind or level outside the table).
float upgradePrice(int kind, const UpgradeLevels& levels);
