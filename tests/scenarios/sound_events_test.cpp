// The sound events of a day, between days and on the front end, each on the frame
// it belongs to: the replay tool's `sounds` after one pass with the key down.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

using nlohmann::json;

namespace {

// The key down for one pass, the sounds of that pass, then the key up for one more.
std::string At(const std::string& key)
{
    return "down " + key + "\nframes 1\nsounds\nup " + key + "\nframes 1\n";
}

std::string EachFrame(int frames)
{
    std::string script;
    for (int i = 0; i < frames; ++i)
        script += "frames 1\nsounds\n";
    return script;
}

// The `sounds` lines of the run (arrays), or its `dump` lines (objects).
std::vector<json> Lines(const ReplayRun& run, bool sounds = true)
{
    std::vector<json> lines;
    for (const json& line : run.lines)
        if (line.is_array() == sounds)
            lines.push_back(line);
    return lines;
}

// The first of the lines that holds the event, or -1.
int FirstWith(const std::vector<json>& sounds, const std::string& event, size_t from = 0)
{
    for (size_t i = from; i < sounds.size(); ++i)
        if (std::find(sounds[i].begin(), sounds[i].end(), event) != sounds[i].end())
            return static_cast<int>(i);
    return -1;
}

}  // namespace

TEST(SoundEvents, OneCustomerFromTheSpeakerToTheWindow)
{
    const std::string start = StartNewGameWithOptions("D");
    const std::vector<json> waiting = Lines(RunReplay(start + EachFrame(4000)));
    const int arrival = FirstWith(waiting, "carAtSpeaker");
    ASSERT_GE(arrival, 0);
    EXPECT_EQ(waiting[arrival], json({"carAtSpeaker"}));
    const std::string atSpeaker = start + "frames " + std::to_string(arrival + 1) + "\n";
    ReplayRun run = RunReplay(start + "frames " + std::to_string(arrival) + "\ndump\nframes 1\ndump\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0]["registerState"], 0);
    EXPECT_EQ(run.lines[1]["registerState"], 1);

    const std::string answered = atSpeaker + At("SHIFT") + At("ENTER");
    const json customer = StateAfter(answered)["customers"][0];
    const std::string first = KeyOrder(customer).substr(6, 1);  // "press X"
    std::string script = answered + At(first) + At("BACKSPACE") + At("DELETE") + KeyOrder(customer) + At("END") +
                         "press RIGHT\npress 1\ndump\n" + At("SPACE") + EachFrame(3000);
    // The kitchen holds the order and, at its front, the first item keyed before Delete.
    std::vector<std::string> jobs = {customer["order"][0]};
    std::vector<bool> bagged(customer["order"].size(), false);
    for (const json& name : customer["order"])
        jobs.push_back(name);
    for (size_t i = 0; i < jobs.size(); ++i)
        script += At("SPACE");
    script += At("ENTER") + At("ENTER") + "dump\n";
    run = RunReplay(script);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<json> s = Lines(run), dumps = Lines(run, false);
    ASSERT_EQ(dumps.size(), 2u);
    ASSERT_EQ(s.size(), 7 + 3000 + jobs.size() + 2);
    EXPECT_EQ(s[0], json({"carOnHold"}));
    EXPECT_EQ(s[1], json({"orderAnswered"}));
    EXPECT_EQ(s[2], json({"itemKeyed"}));
    EXPECT_EQ(s[3], json({"lineRemoved"}));
    EXPECT_EQ(s[4], json({"receiptDeleted"}));
    EXPECT_EQ(s[5], json({"orderClosed"}));
    ASSERT_LT(dumps[0]["kitchen"][0]["progress"].get<float>(), 100.0f);
    EXPECT_EQ(s[6], json({"itemNotReady"}));
    int cooked = 0;
    for (size_t i = 7; i < 7 + 3000; ++i)
        cooked += static_cast<int>(std::count(s[i].begin(), s[i].end(), "itemCooked"));
    EXPECT_EQ(cooked, static_cast<int>(jobs.size()));

    // Each finished job goes into bag 1: onto a line still unbagged, or wasted in silence.
    for (size_t j = 0; j < jobs.size(); ++j) {
        json expected = json::array();
        for (size_t line = 0; line < bagged.size(); ++line)
            if (!bagged[line] && customer["order"][line] == jobs[j]) {
                bagged[line] = true;
                const bool all = std::count(bagged.begin(), bagged.end(), false) == 0;
                expected.push_back(all ? "bagReady" : "itemBagged");
                break;
            }
        EXPECT_EQ(s[7 + 3000 + j], expected) << "job " << j << " " << jobs[j];
    }
    EXPECT_EQ(s[s.size() - 2], json({"bagToWindow"}));
    const json& served = dumps[1];
    const bool delighted = served["day"]["lastOrderTime"].get<float>() <= 15.0f;
    EXPECT_EQ(s.back(), json({delighted ? "customerDelighted" : "customerHappy"}));
}

TEST(SoundEvents, TheDayClosesThenTheReportShopSaveAndBulletin)
{
    const std::string start = StartNewGameWithOptions("DB");  // $1,000 to spend in the shop
    const std::vector<json> evening = Lines(RunReplay(start + "frames 21000\n" + EachFrame(300)));
    const int closing = FirstWith(evening, "dayOver");
    ASSERT_GE(closing, 0);
    EXPECT_EQ(evening[closing], json({"driveThruClosed", "dayOver"}));
    EXPECT_EQ(FirstWith(evening, "driveThruClosed", closing + 1), -1);

    std::string script = start + "frames " + std::to_string(21000 + closing + 1) + "\n" + At("ENTER");
    for (int i = 0; i < 11; ++i)
        script += "press DOWN\n";
    script += At("SPACE") + At("ENTER") + At("RIGHT") + At("ENTER") + At("4") + At("ENTER") + At("6") + At("S") +
              At("ENTER") + At("X");
    ReplayFolder folder;
    const std::vector<json> s = Lines(RunReplay(script, true, &folder));
    const std::vector<json> expected = {
        json::array(),               // DAY OVER to the report
        {"reportLineToggled"},       // a line opened
        json::array(),               // the awards paid, into the shop
        {"shopCursorMoved"},         // to the burgers
        {"purchaseRefused"},         // already at their highest level
        {"shopCursorMoved"},         // to the battery
        {"purchase"},                // a new battery after a day's use
        {"shopCursorMoved"},         // to Save/Exit
        {"gameSaved"},
        json::array(),               // back to the shop
        {"bulletin"},
    };
    EXPECT_EQ(s, expected);
}

TEST(SoundEvents, FrontEndChoicesTogglesAndTheClosingCountdown)
{
    const std::string script = "frames 300\n" + At("O") + At("A") + At("BACKSPACE") + At("Q") + EachFrame(120);
    const std::vector<json> s = Lines(RunReplay(script));
    ASSERT_EQ(s.size(), 124u);
    EXPECT_EQ(s[0], json({"menuChoice"}));
    EXPECT_EQ(s[1], json({"optionToggled"}));
    EXPECT_EQ(s[2], json({"menuChoice"}));
    EXPECT_EQ(s[3], json({"menuChoice"}));
    int ticks = 0;
    for (const json& frame : s)
        ticks += static_cast<int>(std::count(frame.begin(), frame.end(), "closingTick"));
    EXPECT_EQ(ticks, 5);  // one as each of the first five rows of the countdown is done
}
