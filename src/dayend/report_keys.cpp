// The report's Enter (pay the awards, go on to the shop) and Space (open or
// close the line under the cursor).
#include "dayend/between_days.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "stats/stats.h"

#include <cstdlib>

namespace {
constexpr int kKeyEnter = 13;
constexpr int kKeySpace = 32;
}  // namespace

void HandleReportKeys(const bool* keys, const ReportLayout& layout)
{
    if (KeyPressedOnce(keys, kKeyEnter, Latch::Enter)) {
        betweenDays.awardMoney = 0.0f;
        game.betweenDaysStage = 2;
        // The awards go to the money in hand only; the day's revenue stays as it closed.
        totalStats.funds = totalStats.funds + layout.awardTotal;
    }
    if (KeyPressedOnce(keys, kKeySpace, Latch::ReportSpace)) {
        const int line = std::abs(layout.cursorLine);
        for (int slot = 0; slot < kReportSlots; ++slot) {
            if (layout.headerLines[slot] == line) {
                betweenDays.report.expanded ^= 1u << slot;
                break;
            }
        }
    }
}
