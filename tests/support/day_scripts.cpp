// Scenario helpers for a day at the drive-thru.
#include "support/day_scripts.h"

#include <map>

using nlohmann::json;

std::string StartNewGameWithOptions(const std::string& optionKeys)
{
    std::string script = "down O\nframes 300\nup O\nframes 1\n";
    for (char key : optionKeys)
        script += std::string("press ") + key + "\n";
    return script + "press BACKSPACE\npress N\npress ENTER\n";
}

json StateAfter(const std::string& script)
{
    ReplayRun run = RunReplay(script + "dump\n");
    if (run.exitCode != 0 || run.lines.empty())
        return json();
    return run.lines.back();
}

std::string HoldUntil(const std::string& script, const std::string& key,
                      const std::function<bool(const json&)>& done, int maxFrames, int step)
{
    std::string probe = script + "down " + key + "\n";
    for (int f = 0; f < maxFrames; f += step)
        probe += "frames " + std::to_string(step) + "\ndump\n";
    ReplayRun run = RunReplay(probe);
    for (size_t i = 0; i < run.lines.size(); ++i)
        if (done(run.lines[i]))
            return script + "down " + key + "\nframes " + std::to_string((i + 1) * step) + "\nup " + key +
                   "\nframes 1\n";
    return "";
}

std::string AnswerNextCar(const std::string& script)
{
    const json before = StateAfter(script);
    if (before.is_null())
        return "";
    const int taken = before["orderCounter"];
    return HoldUntil(script, "ENTER", [taken](const json& s) { return s["orderCounter"] > taken; });
}

std::string KeyOrder(const json& customer)
{
    static const std::map<std::string, std::string> keyOf = {
        {"Megaburger", "M"}, {"Cheeseburger", "C"}, {"Hamburger", "H"},   {"Fish Sandwich", "I"},
        {"Chicken Sandwich", "E"}, {"Fries", "F"},  {"Cheese Sticks", "S"}, {"Tator Tots", "T"},
        {"Onion Rings", "N"}, {"Coke", "K"},        {"Grape Soda", "G"},   {"Orange Soda", "O"},
        {"Pepsi", "P"},       {"Root Beer", "R"},   {"Lemonade", "L"}};
    std::string script;
    for (const json& name : customer["order"]) {
        auto it = keyOf.find(name.get<std::string>());
        if (it != keyOf.end())
            script += "press " + it->second + "\n";
    }
    return script;
}

json FindText(const json& draws, const std::string& s)
{
    for (const json& d : draws)
        if (d["t"] == "text" && d["s"] == s)
            return d;
    return nullptr;
}

json FindSprite(const json& draws, int index)
{
    for (const json& d : draws)
        if (d["t"] == "sprite" && d["i"] == index)
            return d;
    return nullptr;
}
