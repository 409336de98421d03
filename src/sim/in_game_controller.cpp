// The in-game screen: the start of a day, the day in progress with its three
// views and the slides between them, or the stages between two days.
#include "sim/in_game_controller.h"

#include "dayend/between_days.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "render/toolkit.h"
#include "save/saved_game.h"
#include "shell/screen_flags.h"
#include "sim/arrival.h"
#include "sim/hand_out.h"
#include "sim/kitchen_control.h"
#include "sim/register_control.h"
#include "stats/stats.h"
#include "views/in_game_views.h"

namespace {

constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kSlideStep = 9;
constexpr int kViewWidth = 631;

enum View { Register = 0, Kitchen = 1, Window = 2 };

// Views 3..8. side -1: the second view comes in from the right (x + 631) and the
// offset falls; side +1: from the left (x - 631) and the offset rises.
struct Slide {
    int from, to, side;
};
constexpr Slide kSlides[6] = {
    {Register, Kitchen, -1},  // 3
    {Register, Window, +1},   // 4
    {Kitchen, Register, +1},  // 5
    {Kitchen, Window, -1},    // 6
    {Window, Register, -1},   // 7
    {Window, Kitchen, +1},    // 8
};

void drawView(int view, int offset)
{
    switch (view) {
    case Register: RegisterView(offset, game.registerState); break;
    case Kitchen: KitchenView(offset); break;
    case Window: HandOutView(offset); break;
    }
}

void startDay()
{
    GameState& g = game;
    g.upgradeLevels.burgers = 5;
    g.upgradeLevels.drinks = 5;
    g.upgradeLevels.sides = 5;
    g.dayStartPending = false;
    g.customersServed = 0;
    g.carsInLine = 0;
    resetDayStats();
    g.gameClock.am = true;
    g.gameClock.hours = 6.0f;
    recomputeCookRates(g.upgradeLevels);
    g.upgradeLevels.shopCursor = 1;
    GradeOrder(0, true, g.customerSatisfaction);
}

void runBetweenDays(const bool* keys)
{
    GameState& g = game;
    BetweenDaysControl(keys);
    switch (g.betweenDaysStage) {
    case 0:
        PrintText(275, 300, "Red", 2, "DAY OVER");
        PrintText(196, 50, "Cyan", 4, "Press <enter> to continue");
        break;
    case 1: HandleReportKeys(keys, DrawEndOfDayReport(keys, betweenDays.satisfactionBonus)); break;
    case 2: DrawUpgradesShop(g.headsetBattery); break;
    case 3:
        DrawSavingScreen(betweenDays.saveRequested);
        SaveGame(g.headsetBattery, g.customerSatisfaction, betweenDays.saveRequested);
        break;
    case 4: DrawBulletin(); break;
    }
}

void slideStep()
{
    GameState& g = game;
    const Slide& slide = kSlides[g.inGameView - 3];
    const int x = g.slideOffset;
    drawView(slide.from, x);
    drawView(slide.to, x - slide.side * kViewWidth);

    const int step = slide.side * kSlideStep;
    if (!g.slideReverse) {
        // 71 steps of 9 from 0 reach 639, past 630; the frame drawn there is the last.
        const bool arrived = slide.side < 0 ? x < 1 - kViewWidth : x >= kViewWidth;
        if (arrived) {
            g.inGameView = slide.to;
            g.slideOffset = 0;
        } else {
            g.slideOffset = x + step;
        }
    } else {
        const bool back = slide.side < 0 ? x >= 0 : x < 1;
        if (back) {
            g.inGameView = slide.from;
            g.slideOffset = 0;
        } else {
            g.slideOffset = x - step;
        }
    }
}

void switchViewKeys(const bool* keys)
{
    GameState& g = game;
    const bool left = KeyPressedOnce(keys, kLeft, Latch::Left);
    const bool right = KeyPressedOnce(keys, kRight, Latch::Right);
    if (g.inGameView < Register || g.inGameView > 8)
        return;
    const bool smooth = (g.gameOptions & Option::SmoothTransitions) != 0;
    if (!smooth) {
        if (g.inGameView > Window)
            return;
        if (left) g.inGameView = (g.inGameView + 2) % 3;
        if (right) g.inGameView = (g.inGameView + 1) % 3;
        return;
    }
    // At rest an arrow starts the slide towards its side; during a slide it turns
    // the slide back when it points to where the slide started, else forward again.
    auto arrow = [&g](const int (&startSlide)[3], bool pointsBack) {
        if (g.inGameView <= Window) {
            g.inGameView = startSlide[g.inGameView];
            g.slideReverse = false;
        } else {
            g.slideReverse = pointsBack;
        }
    };
    if (left) {
        const int v = g.inGameView;
        arrow({4, 5, 8}, v == 3 || v == 6 || v == 7);
    }
    if (right) {
        const int v = g.inGameView;
        arrow({3, 6, 7}, v == 4 || v == 5 || v == 8);
    }
}

}  // namespace

void InGameController(const bool* keys)
{
    GameState& g = game;
    if (screenFlags.loadGameRequested) {
        LoadGame(g.headsetBattery, g.customerSatisfaction, g.dayOver);
        screenFlags.loadGameRequested = false;
        g.applySatisfactionHandicap = false;  // a loaded game keeps its satisfaction
    }
    if (g.dayStartPending)
        startDay();
    if (g.applySatisfactionHandicap) {
        g.customerSatisfaction = (g.gameOptions & Option::HalfSatisfaction) != 0 ? 50.0f : 100.0f;
        g.applySatisfactionHandicap = false;
    }
    if (g.dayOver) {
        runBetweenDays(keys);
        return;
    }

    KitchenQueueStrip();
    switch (g.inGameView) {
    case Register:
        RegisterView(g.slideOffset, g.registerState);
        RegisterControl(keys, g.registerState, g.headsetBattery, g.carsInLine);
        showOrderText(true);
        RegisterKeys(keys);
        break;
    case Kitchen:
        KitchenView(g.slideOffset);
        KitchenControl(keys);
        showOrderText(false);
        break;
    case Window:
        HandOutView(g.slideOffset);
        HandOutControl(keys, g.carsInLine, g.customerSatisfaction);
        showOrderText(false);
        break;
    default:
        if (g.inGameView >= 3 && g.inGameView <= 8)
            slideStep();
        break;
    }
    SetBlending(true);
    StatusBar(g.dayOver, g.headsetBattery, g.customerSatisfaction, g.registerState, g.carsInLine);
    SetBlending(false);
    switchViewKeys(keys);
}
