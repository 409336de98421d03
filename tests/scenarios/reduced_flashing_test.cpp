// Reduced flashing is a choice of drawing alone: the golden games played with it
// pass through every state byte for byte as without it, and their frames differ
// only where something flashes.
#include "model/pictures.h"
#include "support/replay.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

// Every dump and draws line of the three golden scripts, played as the golden
// check plays them (the Load Game script loads the game the days script saved).
std::vector<json> playGoldens(const std::string& options)
{
    std::vector<json> lines;
    ReplayFolder front, played;
    const std::pair<const char*, const ReplayFolder*> runs[] = {
        {"front", &front}, {"days", &played}, {"load", &played}};
    for (const auto& [name, folder] : runs) {
        const fs::path script = fs::path(QUORVEL_TEST_DATA) / "golden" / (std::string(name) + ".txt");
        ReplayRun run = RunReplayAt(folder->path(), ReadFile(script), options);
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
        lines.insert(lines.end(), run.lines.begin(), run.lines.end());
    }
    return lines;
}

// One side of the red frame drawn around the window view after a wrong bag.
bool redFrameSide(const json& r)
{
    return r["t"] == "sprite" && r["rgba"] == json{1, 0, 0, 1} &&
           (r["i"] == Picture::HorizontalRuleThick || r["i"] == Picture::VerticalRuleThick);
}

// A box's colour as the strip tints a cooking job (white turning to one full
// channel), an empty slot (grey) or a warning (red): anything else is a finished job's.
bool cookingOrPlain(const json& rgba)
{
    for (int c = 0; c < 3; ++c)
        if (rgba[c] == 1 && rgba[(c + 1) % 3] == rgba[(c + 2) % 3])
            return true;
    return rgba[0] == rgba[1] && rgba[1] == rgba[2];
}

}  // namespace

TEST(ReducedFlashing, ChangesOnlyTheDrawingOfFlashesNeverTheGame)
{
    const std::vector<json> normal = playGoldens(""), reduced = playGoldens("--reduced-flashing");
    ASSERT_EQ(normal.size(), reduced.size());
    const json red = {1, 0, 0, 0};
    int framedViews = 0, calmedClears = 0, steadyBoxes = 0;
    std::set<std::string> finishedColours;  // one, where the boxes blinked
    for (size_t n = 0; n < normal.size(); ++n) {
        if (!normal[n].is_array()) {  // a dump: the game's state
            EXPECT_EQ(normal[n], reduced[n]) << "dump line " << n;
            continue;
        }
        json kept = json::array();
        for (const json& r : reduced[n])
            if (!redFrameSide(r))
                kept.push_back(r);
        const size_t sides = reduced[n].size() - kept.size();
        EXPECT_TRUE(sides == 0 || sides == 4) << "draws line " << n;
        framedViews += sides == 4 ? 1 : 0;
        ASSERT_EQ(kept.size(), normal[n].size()) << "draws line " << n;
        for (size_t i = 0; i < kept.size(); ++i) {
            const json& was = normal[n][i];
            json now = kept[i];
            if (now["t"] == "clear") {
                EXPECT_NE(now["rgba"], red) << "draws line " << n;
            }
            if (now["t"] == "sprite" && now["i"] == Picture::Box && !cookingOrPlain(now["rgba"]))
                finishedColours.insert(now["rgba"].dump());
            if (was == now)
                continue;
            if (was["t"] == "clear" && was["rgba"] == red && now["rgba"] == json{0, 0, 0, 0}) {
                ++calmedClears;
                continue;
            }
            if (was["t"] == "sprite" && was["i"] == Picture::Box) {
                ++steadyBoxes;
                now["rgba"] = was["rgba"];
                if (was == now)
                    continue;
            }
            ADD_FAILURE() << "draws line " << n << ", record " << i << ": " << was << " became " << kept[i];
        }
    }
    EXPECT_GT(framedViews, 0);
    EXPECT_GT(calmedClears, 0);
    EXPECT_GT(steadyBoxes, 0);
    EXPECT_EQ(finishedColours.size(), 1u);
}
