// What one frame between two days draws: DAY OVER, the report's lines, the
// shop, the saving screen or the bulletin.
#pragma once
#include "model/game_state.h"

#include <string>
#include <variant>
#include <vector>

struct DayOverFrame {};

// One step of the report's list: a colour to use from here on, a line of text
// at its place in text space, or both (the colour first).
struct ReportEntry {
    const char* colour = nullptr;
    bool printed = false;
    int x = 0, y = 0;
    std::string text;
};
struct ReportFrame {
    float satisfactionBonus = 0.0f;
    std::vector<ReportEntry> list;  // top to bottom, as the cursor and open lines stood
    float cursorRow = 0.0f;
};

struct ShopFrame {
    UpgradeLevels levels;  // with the cursor after this frame's keys
    float headsetBattery = 0.0f;
    float funds = 0.0f;
};

struct SavingFrame {
    int savingFrames = 0;  // counting this frame
    int savingDotTimer = 0;
    bool saveFailed = false;  // of the save before this frame's
};

struct BulletinFrame {
    int dayNumber = 1;  // of the day just closed
};

using BetweenDaysFrame = std::variant<DayOverFrame, ReportFrame, ShopFrame, SavingFrame, BulletinFrame>;
