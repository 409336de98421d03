// The key card: F1 once per press, and the page of the screen in use.
#include "rules/key_card.h"

#include "model/game_state.h"
#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/screen.h"

namespace {

KeyCardPage viewPage(InGameView view, bool reverse)
{
    // A slide shows the page of the view it is heading for.
    switch (view) {
    case InGameView::Register: return KeyCardPage::Register;
    case InGameView::Kitchen: return KeyCardPage::Kitchen;
    case InGameView::Window: return KeyCardPage::Window;
    case InGameView::RegisterToKitchen: return reverse ? KeyCardPage::Register : KeyCardPage::Kitchen;
    case InGameView::RegisterToWindow: return reverse ? KeyCardPage::Register : KeyCardPage::Window;
    case InGameView::KitchenToRegister: return reverse ? KeyCardPage::Kitchen : KeyCardPage::Register;
    case InGameView::KitchenToWindow: return reverse ? KeyCardPage::Kitchen : KeyCardPage::Window;
    case InGameView::WindowToRegister: return reverse ? KeyCardPage::Window : KeyCardPage::Register;
    case InGameView::WindowToKitchen: return reverse ? KeyCardPage::Window : KeyCardPage::Kitchen;
    }
    return KeyCardPage::Register;
}

KeyCardPage gamePage()
{
    // A Load Game not yet taken opens on the shop.
    if (screenState.loadGameRequested)
        return KeyCardPage::Shop;
    if (!game.dayOver)
        return viewPage(day.inGameView, day.slideReverse);
    switch (game.betweenDaysStage) {
    case BetweenDaysStage::DayOver: return KeyCardPage::DayOver;
    case BetweenDaysStage::Report: return KeyCardPage::Report;
    case BetweenDaysStage::Shop: return KeyCardPage::Shop;
    case BetweenDaysStage::Saving: return KeyCardPage::Saving;
    case BetweenDaysStage::Bulletin: return KeyCardPage::Bulletin;
    }
    return KeyCardPage::DayOver;
}

std::optional<KeyCardPage> pageOf(Screen screen)
{
    switch (screen) {
    case Screen::Title: return KeyCardPage::Title;
    case Screen::Options: return KeyCardPage::Options;
    case Screen::Credits: return KeyCardPage::Credits;
    case Screen::Objective: return KeyCardPage::Objective;
    case Screen::Game: return gamePage();
    case Screen::Closing: break;
    }
    return std::nullopt;
}

}  // namespace

KeyCardStep StepKeyCard(const bool* keys, bool escapePressed)
{
    const std::optional<KeyCardPage> page = pageOf(CurrentScreen(screenState, escapePressed));
    if (!page) {
        keyCard.open = false;
        KeyPressedOnce(keys, Key::F1, Latch::KeyCard);  // a press here does not wait for the next screen
        return {};
    }
    const bool wasOpen = keyCard.open;
    if (KeyPressedOnce(keys, Key::F1, Latch::KeyCard))
        keyCard.open = !keyCard.open;
    if (!keyCard.open)
        return {wasOpen, std::nullopt};
    return {true, KeyCardFrame{*page, day.stats.dayNumber}};
}
