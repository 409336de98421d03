// Fuzzes the saved-game loader: any bytes as "SavedGame.txt", loaded from the
// title menu's Load Game with any options chosen before it. The loaded game must
// hold values the game can live with, save back to the same values, and play on.
#include "fuzz_folder.h"
#include "rules/in_game_controller.h"
#include "rules/saved_game.h"
#include "support/program_start.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// First byte of an input: the option bits, and what else the run does.
constexpr uint8_t kOptionBits = 0x0f;
constexpr uint8_t kNoFile = 0x10;    // Load Game finds the file gone
// Buy in the shop and start the next day: both bits, so one input in four pays
// for the two dozen frames it takes.
constexpr uint8_t kPlayOn = 0x60;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkLoaded()
{
    const GameState& g = game;
    check(g.dayOver && g.betweenDaysStage == BetweenDaysStage::Shop);
    for (int level : {g.upgradeLevels.drinks, g.upgradeLevels.burgers, g.upgradeLevels.sides,
                      g.upgradeLevels.advertisement})
        check(level >= 0 && level <= 5);
    check(g.headsetBattery >= 0.0f && g.headsetBattery <= 100.0f);
    check(std::isfinite(g.customerSatisfaction) && std::isfinite(g.totals.funds));
    check(day.stats.dayNumber >= 1);
}

bool keys[256];

std::string savedText()
{
    std::ifstream in("SavedGame.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void press(int key)
{
    keys[key] = true;
    InGameController(keys);
    keys[key] = false;
    InGameController(keys);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (::chdir(FuzzFolder().c_str()) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    std::remove("SavedGame.txt");
    if (!(mode & kNoFile)) {
        std::FILE* f = std::fopen("SavedGame.txt", "wb");
        check(f != nullptr);
        check(size == 1 || std::fwrite(data + 1, 1, size - 1, f) == size - 1);
        std::fclose(f);
    }

    ResetToProgramStart();
    program.gameOptions = mode & kOptionBits;
    screenState.lower(Screen::Title);
    screenState.loadGameRequested = true;
    InGameController(keys);
    checkLoaded();

    // What was loaded saves, and loads back to a game that saves the same bytes.
    check(SaveGame(game.headsetBattery, game.customerSatisfaction));
    const std::string saved = savedText();
    const int loadedDay = day.stats.dayNumber;
    ResetToProgramStart();
    LoadGame(game.headsetBattery, game.customerSatisfaction, game.dayOver);
    check(SaveGame(game.headsetBattery, game.customerSatisfaction) && savedText() == saved);
    game.upgradeLevels.shopCursor = 1;

    if ((mode & kPlayOn) == kPlayOn) {
        for (int key : {13, int('2'), 13, int('4'), 13, int('5'), 13, int('6'), int('X'), 13})
            press(key);
        check(!game.dayOver && day.stats.dayNumber == loadedDay + 1);
        InGameController(keys);
    }
    return 0;
}
