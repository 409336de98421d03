// The program's, the game's and the day's state, and the cook rates taken from the upgrade levels.
#include "model/game_state.h"

ProgramState program;
GameState game;
DayState day;

GameState::GameState()
{
    for (int i = 0; i < kMenuItemCount; ++i)
        cookRateTable[i] = kMenu[i].baseCookRate;
}

void recomputeCookRates(const UpgradeLevels& levels)
{
    for (int i = 0; i < kMenuItemCount; ++i) {
        const MenuItemSpec& entry = kMenu[i];
        int level = 0;
        switch (entry.category) {
        case ItemCategory::Burger: level = levels.burgers; break;
        case ItemCategory::Side: level = levels.sides; break;
        case ItemCategory::Drink: level = levels.drinks; break;
        }
        game.cookRateTable[i] = entry.baseCookRate + entry.cookRateStep * static_cast<float>(level);
    }
}
