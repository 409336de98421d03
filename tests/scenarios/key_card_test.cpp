// The key card stands the game still: the golden games, with the card put up and
// taken down again before every dump, show the card and print the recorded states.
#include "support/replay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

constexpr const char* kCardUpAndDown = "down F1\nframes 1\nup F1\nframes 20\ndraws\ndown F1\nframes 1\nup F1\n";

// The recorded output of a golden script, one JSON value a line.
std::vector<json> recorded(const std::string& name)
{
    const fs::path out = fs::path(QUORVEL_TEST_DATA) / "golden" / (name + ".out.gz");
    std::vector<json> lines;
    FILE* in = popen(("gzip -dc '" + out.string() + "'").c_str(), "r");
    std::string line;
    for (int c; in != nullptr && (c = std::fgetc(in)) != EOF;)
        if (c != '\n')
            line += static_cast<char>(c);
        else
            lines.push_back(json::parse(line)), line.clear();
    if (in != nullptr)
        pclose(in);
    return lines;
}

// The script with the card put up before each dump whose screen can show it.
std::string withCard(const std::string& script, const std::vector<json>& plain, int& cards)
{
    std::istringstream in(script);
    std::ostringstream out;
    size_t n = 0;
    for (std::string line; std::getline(in, line); out << line << '\n') {
        if (line != "dump")
            continue;
        while (plain.at(n).is_array())
            ++n;
        const json& state = plain.at(n++);
        if (state["screen"] != "closing" && !state["paused"].get<bool>() && state["windowActive"].get<bool>() &&
            !state["done"].get<bool>()) {
            out << kCardUpAndDown;
            ++cards;
        }
    }
    return out.str();
}

bool showsCard(const json& draws)
{
    for (const json& r : draws)
        if (r["t"] == "text" && r["s"].get<std::string>().rfind("KEYS: ", 0) == 0)
            return true;
    return false;
}

}  // namespace

TEST(KeyCard, StandsEveryGoldenGameStill)
{
    ReplayFolder front, played;  // the Load Game script loads the game the days script saved
    for (const auto& [name, folder] : {std::pair{"front", &front}, {"days", &played}, {"load", &played}}) {
        const std::string script = ReadFile(fs::path(QUORVEL_TEST_DATA) / "golden" / (std::string(name) + ".txt"));
        const std::vector<json> plain = recorded(name);
        int cards = 0;
        const ReplayRun card = RunReplayAt(folder->path(), withCard(script, plain, cards));
        ASSERT_EQ(card.exitCode, 0) << name << ": " << card.err;
        EXPECT_GT(cards, 0) << name;
        size_t p = 0;
        for (const json& line : card.lines) {
            if (line.is_array() && showsCard(line)) {
                --cards;
                continue;
            }
            ASSERT_LT(p, plain.size()) << name;
            json was = plain[p++], now = line;
            if (!was.is_array())  // the passes counted and the F1 latch differ; nothing else may
                for (json* state : {&was, &now})
                    state->erase("frame"), state->erase("keyLatches");
            EXPECT_EQ(was, now) << name << " line " << p;
        }
        EXPECT_EQ(cards, 0) << name << ": every card put up is drawn";
    }
}
