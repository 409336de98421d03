// The report's keys: the cursor and scroll keys, Enter (pay the awards, go on
// to the shop) and Space (open or close the line under the cursor).
#include "rules/between_days.h"
#include "rules/report.h"

#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/sound_events.h"

#include <cstdlib>

namespace {

constexpr int kBottomRow = -38;  // the window shows 39 rows
constexpr int kRepeatDelay = 25;
constexpr int kRepeatInterval = 6;

void stepUp(ReportView& view)
{
    if (view.cursorRow >= 0.0f) {
        if (view.scrollTop > kReportTop) {
            view.scrollTop -= kReportLineHeight;
            view.cursorLine += 1.0f;
        }
    } else {
        view.cursorRow += 1.0f;
        view.cursorLine += 1.0f;
    }
}

void stepDown(ReportView& view, int lineCount)
{
    if (view.cursorRow <= static_cast<float>(kBottomRow)) {
        if ((view.scrollTop - kReportTop) / kReportLineHeight - kBottomRow < lineCount - 1) {
            view.cursorLine -= 1.0f;
            view.scrollTop += kReportLineHeight;
        }
    } else {
        view.cursorRow -= 1.0f;
        view.cursorLine -= 1.0f;
    }
}

void steps(ReportView& view, int count, bool up, int lineCount)
{
    for (int i = 0; i < count; ++i) {
        if (up)
            stepUp(view);
        else
            stepDown(view, lineCount);
    }
}

// Counts a held arrow's frames; true on the frames where it repeats.
bool repeats(const bool* keys, int code, int& heldFrames)
{
    heldFrames = keys[code] ? heldFrames + 1 : 0;
    return heldFrames > kRepeatDelay && heldFrames % kRepeatInterval == 0;
}

// The cursor keys in the order they are looked at, and how far each moves.
struct CursorKey {
    int code;
    uint64_t latch;
    int lines;
    bool up;
};
constexpr CursorKey kCursorKeys[] = {
    {Key::Up, Latch::Up, 1, true},          {Key::PageUp, Latch::PageUp, 39, true},
    {Key::Home, Latch::Home, 250, true},    {Key::Down, Latch::Down, 1, false},
    {Key::PageDown, Latch::PageDown, 39, false}, {Key::End, Latch::ReportEnd, 250, false},
};

void cursorKeys(const bool* keys, ReportView& view, int lineCount)
{
    for (const CursorKey& key : kCursorKeys)
        if (KeyPressedOnce(keys, key.code, key.latch))
            steps(view, key.lines, key.up, lineCount);
    if (repeats(keys, Key::Up, view.upHeldFrames))
        stepUp(view);
    if (repeats(keys, Key::Down, view.downHeldFrames))
        stepDown(view, lineCount);
}

}  // namespace

void HandleReportKeys(const bool* keys, const ReportLayout& layout)
{
    if (KeyPressedOnce(keys, Key::Enter, Latch::Enter)) {
        game.awardMoney = 0.0f;
        game.betweenDaysStage = BetweenDaysStage::Shop;
        // The awards go to the money in hand only; the day's revenue stays as it closed.
        game.totals.funds = game.totals.funds + layout.awardTotal;
    }
    if (KeyPressedOnce(keys, Key::Space, Latch::ReportSpace)) {
        const int line = std::abs(layout.cursorLine);
        for (int slot = 0; slot < kReportSlots; ++slot) {
            if (layout.headerLines[slot] == line) {
                program.report.expanded ^= 1u << slot;
                QueueSound(SoundEvent::ReportLineToggled);
                break;
            }
        }
    }
}

ReportFrame ReportStep(const bool* keys)
{
    Report report = BuildReport();
    ReportFrame frame{game.satisfactionBonus, std::move(report.list), program.report.cursorRow};
    ReportLayout& layout = report.layout;
    game.awardMoney = layout.awardTotal;
    cursorKeys(keys, program.report, layout.lineCount);
    layout.cursorLine = static_cast<int>(program.report.cursorLine);
    HandleReportKeys(keys, layout);
    return frame;
}
