// Long runs of random key presses through whole days: nothing crashes, and the
// rules that tie receipts, slots, customers and the kitchen together still hold.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <random>
#include <set>
#include <vector>

using nlohmann::json;

namespace {

const std::vector<std::string> kKeys = {
    "LEFT", "RIGHT", "ENTER", "SHIFT", "END", "DELETE", "BACKSPACE", "SPACE", "1", "2", "3", "KP1",
    "KP2", "KP3", "M", "C", "H", "I", "E", "F", "S", "T", "N", "K", "G", "O", "P", "R", "L", "UP",
    "DOWN", "X", "4", "5", "6", "PAGEDOWN", "HOME"};
// Held long: answering the next car, bagging as jobs finish, holding a car.
const std::vector<std::string> kLongKeys = {"ENTER", "SPACE", "SHIFT"};

std::string RandomScript(unsigned seed, int frames, int dumpEvery = 150)
{
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string script = StartNewGame() + "dump\n";
    int run = 0, sinceDump = 0;
    while (run < frames) {
        const std::string& key = kKeys[pick(static_cast<int>(kKeys.size()))];
        const int action = pick(100);
        int n;
        if (action < 45) {
            script += "press " + key + "\n";
            n = 2;
        } else if (action < 60) {
            n = 1 + pick(40);
            script += "down " + key + "\nframes " + std::to_string(n) + "\nup " + key + "\n";
        } else if (action < 70) {
            const std::string& held = kLongKeys[pick(static_cast<int>(kLongKeys.size()))];
            n = 1 + pick(1500);
            script += "down " + held + "\nframes " + std::to_string(n) + "\nup " + held + "\n";
        } else {
            n = 1 + pick(80);
            script += "frames " + std::to_string(n) + "\n";
        }
        run += n;
        sinceDump += n;
        if (sinceDump >= dumpEvery) {
            script += "dump\n";
            sinceDump = 0;
        }
    }
    return script + "dump\n";
}

float F(const json& v) { return v.is_string() ? NAN : v.get<float>(); }

// The rules of receipts and slots, and of customers and their order in the line.
void CheckInvariants(const json& s)
{
    SCOPED_TRACE("frame " + s["frame"].dump());
    const int orderCounter = s["orderCounter"], served = s["customersServed"];
    const json& customers = s["customers"];
    ASSERT_EQ(customers.size(), static_cast<size_t>(orderCounter));
    EXPECT_EQ(s["carsInLine"], orderCounter - served);
    EXPECT_GE(s["carsInLine"], 0);
    EXPECT_LE(s["carsInLine"], 5);
    for (int i = 0; i < orderCounter; ++i) {
        const json& c = customers[i];
        EXPECT_EQ(c["number"], i);
        EXPECT_GE(c["picture"], 1);
        EXPECT_LE(c["picture"], 13);
        EXPECT_GE(c["order"].size(), 1u);
        EXPECT_LE(c["order"].size(), 10u);
        if (i > 0) {
            EXPECT_NE(c["picture"], customers[i - 1]["picture"]);
        }
    }

    std::set<int> orderNumbers;
    int selected = 0, pickedUp = 0;
    for (int slot = 0; slot < 5; ++slot) {
        const json& bag = s["slots"][slot];
        const json& r = bag["receipt"];
        EXPECT_EQ(bag["free"], r.is_null());
        selected += bag["selected"].get<bool>() && slot < 3;
        pickedUp += bag["pickedUp"].get<bool>() && slot < 3;
        if (r.is_null())
            continue;
        EXPECT_EQ(r["slot"], slot);
        EXPECT_LE(r["lines"].size(), 25u);
        float sum = 0.0f;
        for (const json& line : r["lines"])
            sum += F(line["price"]);
        EXPECT_NEAR(F(r["total"]), sum, 0.001f);
        const int number = r["orderNumber"];
        EXPECT_GE(number, 1);
        EXPECT_LE(number, orderCounter);
        orderNumbers.insert(number);
    }
    EXPECT_LE(selected, 1);
    EXPECT_LE(pickedUp, 1);
    if (!s["currentReceipt"].is_null()) {
        EXPECT_FALSE(s["slots"][s["currentReceipt"].get<int>()]["free"]);
        EXPECT_TRUE(s["orderOpen"]);
    }
    // Free bags are used before waiting slots, and waiting slot 0 before 1.
    if (!s["slots"][4]["free"]) {
        EXPECT_FALSE(s["slots"][3]["free"]);
    }

    // One job cooks at a time: the front-most unfinished one among the first five.
    const json& kitchen = s["kitchen"];
    EXPECT_LE(kitchen.size(), 55u);
    bool unfinishedSeen = false;
    for (size_t i = 0; i < kitchen.size(); ++i) {
        const float progress = F(kitchen[i]["progress"]);
        EXPECT_GE(progress, 0.0f);
        EXPECT_LE(progress, 100.0f + F(kitchen[i]["rate"]));
        if (unfinishedSeen || i >= 5) {
            EXPECT_EQ(progress, 0.0f) << "job " << i;
        }
        unfinishedSeen = unfinishedSeen || progress < 100.0f;
    }

    const json& clock = s["clock"];
    EXPECT_GE(F(clock["hours"]), 1.0f);
    EXPECT_LE(F(clock["hours"]), 12.0f);
    EXPECT_LT(F(clock["minutes"]), 60.0f);
    EXPECT_LT(F(clock["seconds"]), 60.0f);
    EXPECT_LE(F(s["battery"]), 100.0f);
    EXPECT_GT(F(s["battery"]), -0.01f);
    EXPECT_LE(F(s["satisfaction"]), 100.0f);
    EXPECT_GE(s["registerState"], 0);
    EXPECT_LE(s["registerState"], 2);
    EXPECT_GE(s["inGameView"], 0);
    EXPECT_LE(s["inGameView"], 8);
    EXPECT_LE(std::abs(s["slideOffset"].get<int>()), 639);
    if (!s["dayOver"]) {
        EXPECT_EQ(s["day"]["orderIndex"], s["day"]["ordersServed"]);
    }
}

// Every dump of a storm keeps the rules; the most customers any dump saw.
int CheckStorm(unsigned seed, int frames, int dumpEvery = 150)
{
    SCOPED_TRACE("seed " + std::to_string(seed));
    ReplayRun run = RunReplay(RandomScript(seed, frames, dumpEvery));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_GT(run.lines.size(), 2u);
    int mostCustomers = 0;
    for (const json& s : run.lines) {
        EXPECT_EQ(s["screen"], "game");
        CheckInvariants(s);
        if (::testing::Test::HasFailure())
            break;
        mostCustomers = std::max(mostCustomers, s["orderCounter"].get<int>());
    }
    return mostCustomers;
}

}  // namespace

TEST(DayRandomKeys, WholeDaysOfRandomKeysKeepTheRules)
{
    struct Run {
        unsigned seed;
        int frames;
    };
    int mostCustomers = 0;
    for (Run r : {Run{1, 8000}, Run{2, 8000}, Run{3, 12000}, Run{7, 40000}, Run{8, 40000}}) {
        mostCustomers = std::max(mostCustomers, CheckStorm(r.seed, r.frames));
        if (HasFailure())
            return;
    }
    EXPECT_GE(mostCustomers, 1);  // the runs do take orders
}

// Long storms for scripts/storms.sh, skipped unless QUORVEL_STORM_FRAMES is set:
// that many frames on each seed of QUORVEL_STORM_SEEDS (blank-separated).
TEST(DayRandomKeys, LongStorms)
{
    const char* frames = std::getenv("QUORVEL_STORM_FRAMES");
    if (frames == nullptr)
        GTEST_SKIP() << "QUORVEL_STORM_FRAMES is not set";
    const char* seeds = std::getenv("QUORVEL_STORM_SEEDS");
    std::istringstream seedList(seeds != nullptr ? seeds : "11 12 13");
    for (unsigned seed; seedList >> seed;) {
        const int most = CheckStorm(seed, std::atoi(frames), 1000);
        std::printf("storm seed %u: %s frames, at most %d customers a day\n", seed, frames, most);
        if (HasFailure())
            return;
    }
}
