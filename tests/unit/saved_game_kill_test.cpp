// Hard stops while saving: a save killed after any of its file-system steps,
// and a disk that fills up mid-write, leave a whole saved game that loads.
#include "rules/saved_game.h"
#include "support/in_fresh_folder.h"

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

int stopAfterStep = 0;

void killAtStep(int step)
{
    if (step == stopAfterStep)
        ::kill(::getpid(), SIGKILL);
}

void gameOfDay(int number)
{
    ResetToProgramStart();
    day.stats.dayNumber = number;
    game.totals.funds = 100.5f * static_cast<float>(number);
    game.totals.drinksSold[Drink::Lemonade] = number * 3;
    game.upgradeLevels.advertisement = number % 6;
    game.headsetBattery = 50.25f;
    game.customerSatisfaction = 75.0f;
}

// The save of gameOfDay(day), in a child process run by `child`; the status it ended with.
template <class Child>
int saveInChild(int number, Child child)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        gameOfDay(number);
        child();
        ::_exit(SaveGame(game.headsetBattery, game.customerSatisfaction) ? 0 : 3);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

class SaveStops : public InFreshFolder {
protected:
    // The text of a whole save of gameOfDay(day).
    static std::string savedText(int number)
    {
        EXPECT_EQ(saveInChild(number, [] {}), 0);
        return ReadFile("SavedGame.txt");
    }
    static void expectLoadsDay(int number)
    {
        ResetToProgramStart();
        LoadGame(game.headsetBattery, game.customerSatisfaction, game.dayOver);
        EXPECT_EQ(day.stats.dayNumber, number);
        EXPECT_EQ(game.totals.funds, 100.5f * static_cast<float>(number));
        EXPECT_EQ(game.totals.drinksSold[Drink::Lemonade], number * 3);
        EXPECT_EQ(game.upgradeLevels.advertisement, number % 6);
        EXPECT_EQ(game.headsetBattery, 50.25f);
    }
};

}  // namespace

TEST_F(SaveStops, KilledAfterAnyStepTheFileIsTheOldOrTheNewAndLoads)
{
    const std::string newText = savedText(4);
    const std::string oldText = savedText(2);
    bool sawNew = false;
    for (int step = 1; step <= kSavedGameSteps; ++step) {
        SCOPED_TRACE("killed after step " + std::to_string(step));
        std::ofstream("SavedGame.txt", std::ios::binary) << oldText;
        const int status = saveInChild(4, [step] {
            stopAfterStep = step;
            savedGameStepHook = killAtStep;
        });
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
        const std::string text = ReadFile("SavedGame.txt");
        ASSERT_TRUE(text == oldText || text == newText) << text;
        // Until the rename the old game stays; from it on the new one is there.
        EXPECT_EQ(text == newText, step >= 5);
        sawNew = sawNew || text == newText;
        expectLoadsDay(text == newText ? 4 : 2);
    }
    EXPECT_TRUE(sawNew);
    // A temporary file left by a killed save is simply replaced by the next one.
    EXPECT_EQ(saveInChild(6, [] {}), 0);
    expectLoadsDay(6);
    EXPECT_FALSE(fs::exists("SavedGame.txt.tmp"));
}

TEST_F(SaveStops, ADiskThatFillsUpKeepsTheOldGameAndSaysNotSaved)
{
    const std::string oldText = savedText(2);
    // Room for a few bytes of the new file only: the write fails part-way.
    const int status = saveInChild(4, [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 3);  // the save knew it failed
    EXPECT_EQ(ReadFile("SavedGame.txt"), oldText);
    EXPECT_FALSE(fs::exists("SavedGame.txt.tmp"));
    expectLoadsDay(2);
}
