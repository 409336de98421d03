// Sound events on the frames they belong to: the replay tool's `sounds` after one
// pass with a key down, from the front end through a day to the shop.
#include "support/day_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The index of the first line from `from` on that holds the event, or -1.
int FirstWith(const std::vector<json>& sounds, const std::string& event, size_t from)
{
    for (size_t i = from; i < sounds.size(); ++i)
        if (std::find(sounds[i].begin(), sounds[i].end(), event) != sounds[i].end())
            return static_cast<int>(i);
    return -1;
}

std::vector<json> SoundsOf(const std::string& script)
{
    const ReplayRun run = RunReplay(script);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.lines;
}

}  // namespace

TEST(SoundEvents, FrontEndChoicesThenACarAnsweredAtTheRegister)
{
    const std::string frontEnd = "frames 300\n" + At("O") + At("D") + At("BACKSPACE") + At("N") + At("ENTER");
    const std::vector<json> waiting = SoundsOf(frontEnd + EachFrame(4000));
    ASSERT_EQ(waiting.size(), 4005u);
    const std::vector<json> choices(waiting.begin(), waiting.begin() + 5);
    EXPECT_EQ(choices, (std::vector<json>{{"menuChoice"}, {"optionToggled"}, {"menuChoice"}, {"menuChoice"},
                                          {"menuChoice"}}));
    const int arrival = FirstWith(waiting, "carAtSpeaker", 5);
    ASSERT_GE(arrival, 5);
    EXPECT_EQ(waiting[arrival], json({"carAtSpeaker"}));
    EXPECT_EQ(FirstWith(waiting, "carAtSpeaker", arrival + 1), -1);  // it waits: no second car

    const std::string atSpeaker = frontEnd + "frames " + std::to_string(arrival - 4) + "\n";
    const std::vector<json> answered = SoundsOf(atSpeaker + At("ENTER") + At("F") + At("END"));
    ASSERT_EQ(answered.size(), 8u);  // the front end's five again, then the register's three
    EXPECT_EQ(std::vector<json>(answered.begin() + 5, answered.end()),
              (std::vector<json>{{"orderAnswered"}, {"itemKeyed"}, {"orderClosed"}}));
}

TEST(SoundEvents, TheClosingFrameThenTheShopAndTheSave)
{
    const std::string start = StartNewGameWithOptions("DB");  // $1,000 to spend in the shop
    const std::vector<json> evening = SoundsOf(start + "frames 21000\n" + EachFrame(300));
    const int closing = FirstWith(evening, "dayOver", 0);
    ASSERT_GE(closing, 0);
    EXPECT_EQ(evening[closing], json({"driveThruClosed", "dayOver"}));

    const std::string dayOver = start + "frames " + std::to_string(21000 + closing + 1) + "\n";
    const std::vector<json> shop = SoundsOf(dayOver + At("ENTER") + At("ENTER") + At("4") + At("ENTER") + At("6") +
                                            At("S"));
    const std::vector<json> expected = {
        json::array(),        // DAY OVER to the report
        json::array(),        // the report to the shop
        {"shopCursorMoved"},  // to the battery
        {"purchase"},         // a new battery after a day's use
        {"shopCursorMoved"},  // to Save/Exit
        {"gameSaved"},
    };
    EXPECT_EQ(shop, expected);
}
