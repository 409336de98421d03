// Plays days through the replay tool for the between-days scenarios: a script
// grown step by step, rerun from the start whenever the next step depends on
// what the game did (the runs are deterministic, so every rerun agrees).
#pragma once
#include "model/catalogue.h"
#include "support/replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using nlohmann::json;

// From program start to the shop of a saved game in the folder (Load Game).
inline std::string LoadSavedGameScript()
{
    return "down L\nframes 300\nup L\nframes 1\n";
}

// A saved game after day `day` with the given money, satisfaction 100, a full battery.
inline void WriteSavedGame(const ReplayFolder& folder, int day, const std::string& funds)
{
    std::ofstream(folder.path() / "SavedGame.txt")
        << day << "\n0 0 0 0 0\n0 0 0 0 0 0\n0 0 0 0\n0 0 0 " << funds << " 0 0\n0 0 0 0\n100 100\n";
}

// The register key of a menu item's display name, or 0.
inline int RegisterKeyOf(const std::string& name)
{
    for (const MenuItemSpec& item : kMenu)
        if (name == item.name)
            return item.registerKey;
    return 0;
}

// Frames a job of this item needs to cook with the kitchen at level 5.
inline int CookFrames(const std::string& name)
{
    for (const MenuItemSpec& item : kMenu) {
        if (name != item.name)
            continue;
        const float rate = item.baseCookRate + item.cookRateStep * 5.0f;
        float progress = 0.0f;
        int frames = 0;
        while (progress < 100.0f) {
            progress += rate;
            ++frames;
        }
        return frames;
    }
    return 0;
}

class DayPlayer {
public:
    DayPlayer(const ReplayFolder& folder, std::string start) : folder_(folder), script_(std::move(start)) {}

    std::string& script() { return script_; }
    void add(const std::string& lines) { script_ += lines; }

    // The state after the script so far.
    json state()
    {
        const ReplayRun run = RunReplay(script_ + "dump\n", true, &folder_);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.lines.empty() ? json() : run.lines.back();
    }
    // The draw records of the last frame so far.
    json draws()
    {
        const ReplayRun run = RunReplay(script_ + "draws\n", true, &folder_);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.lines.empty() ? json() : run.lines.back();
    }

    // Runs on, looking every 10 frames, until a car waits at the speaker.
    bool waitForCar(int limit = 6000)
    {
        constexpr int kProbe = 1000;
        for (int waited = 0; waited < limit; waited += kProbe) {
            std::string probe = "dump\n";
            for (int i = 0; i < kProbe / 10; ++i)
                probe += "frames 10\ndump\n";
            const ReplayRun run = RunReplay(script_ + probe, true, &folder_);
            for (size_t i = 0; i < run.lines.size(); ++i) {
                if (run.lines[i]["registerState"] == 1) {
                    if (i > 0)
                        add("frames " + std::to_string(10 * i) + "\n");
                    return true;
                }
            }
            add("frames " + std::to_string(kProbe) + "\n");
        }
        return false;
    }

    // Enter at the register: the waiting car's order, as the customer said it.
    std::vector<std::string> answer()
    {
        add("press ENTER\n");
        const json s = state();
        std::vector<std::string> order;
        if (!s["customers"].empty())
            for (const json& name : s["customers"].back()["order"])
                order.push_back(name.get<std::string>());
        return order;
    }

    // Keys the items on the open order.
    void ringUp(const std::vector<std::string>& items)
    {
        for (const std::string& name : items)
            add("press VK" + std::to_string(RegisterKeyOf(name)) + "\n");
    }

    // From the register: bags each item into bag 1 as soon as it is cooked
    // (only the first five jobs cook, so the kitchen must be emptied as it
    // goes), then closes the order at the register and carries the bag to the
    // window, so that the service time is only that walk and `wait` frames at
    // the window. Back at the register afterwards.
    void serve(const std::vector<std::string>& items, int wait = 0)
    {
        add("press RIGHT\nframes 72\npress 1\n");
        for (const std::string& name : items)
            add("down SPACE\nframes " + std::to_string(CookFrames(name) + 2) + "\nup SPACE\nframes 1\n");
        add("press LEFT\nframes 72\npress END\npress RIGHT\nframes 72\n");
        add("press ENTER\n");  // picked up: straight to the window
        if (wait > 0)
            add("frames " + std::to_string(wait) + "\n");
        add("press ENTER\npress RIGHT\nframes 72\n");
    }

    // Runs on to the closing at 10 pm (every car served by then): the clock
    // gains a game minute every 22 frames.
    void untilTenPm()
    {
        const json clock = state()["clock"];
        const float hours = clock["hours"].get<float>();
        const bool am = clock["am"].get<bool>();
        const float hourOfDay = am ? (hours == 12.0f ? 0.0f : hours) : (hours == 12.0f ? 12.0f : hours + 12.0f);
        const float minutes = (22.0f - hourOfDay) * 60.0f - clock["minutes"].get<float>();
        add("frames " + std::to_string(static_cast<int>(minutes) * 22 + 44) + "\n");
    }

private:
    const ReplayFolder& folder_;
    std::string script_;
};
