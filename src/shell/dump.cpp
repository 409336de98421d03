// The state object, the draw records and the sound events.
#include "shell/dump.h"

#include "shell/json_values.h"
#include "model/key_latches.h"
#include "model/random.h"
#include "model/sound_events.h"
#include "render/draw_log.h"
#include "model/screen.h"
#include "model/star_field.h"
#include "shell/shell_state.h"

using nlohmann::json;

void DumpShell(json& state)
{
    state["done"] = shell.done;
    state["paused"] = shell.paused;
    state["windowActive"] = shell.windowActive;
    state["escapePressed"] = shell.escapePressed;
    state["pauseAllowed"] = shell.pauseAllowed;
    const ScreenState& s = screenState;
    state["titleMenuActive"] = s.up(Screen::Title);
    state["optionsActive"] = s.up(Screen::Options);
    state["creditsActive"] = s.up(Screen::Credits);
    state["quitRequested"] = s.up(Screen::Closing);
    state["objectiveActive"] = s.up(Screen::Objective);
    state["loadGameRequested"] = s.loadGameRequested;
    state["screen"] = ScreenName(CurrentScreen(s, shell.escapePressed));
    state["rng"] = rngState;
    state["tabLatch"] = shell.tabLatch;
    state["keyLatches"] = keyLatches;

    json stars = json::array();
    for (const StarParticle& star : starField.stars)
        stars.push_back({{"red", star.red},
                         {"green", star.green},
                         {"blue", star.blue},
                         {"distance", JsonFloat(star.distance)},
                         {"angle", JsonFloat(star.angle)}});
    state["starField"] = {{"tilt", JsonFloat(starField.tilt)}, {"spin", JsonFloat(starField.spin)},
                          {"stars", stars}};
}

json DumpState(long long frame)
{
    json state = json::object();
    state["frame"] = frame;
    DumpShell(state);
    DumpModel(state);
    DumpDay(state);
    DumpBetweenDays(state);
    DumpFrontEnd(state);
    return state;
}

json DumpSounds()
{
    json names = json::array();
    for (SoundEvent event : soundQueue)
        names.push_back(SoundName(event));
    return names;
}

json DumpDraws()
{
    json draws = json::array();
    for (const DrawRecord& r : drawLog.records) {
        json d;
        switch (r.kind) {
        case DrawRecord::Kind::Clear:
            d["t"] = "clear";
            d["rgba"] = JsonColour(r.rgba);
            break;
        case DrawRecord::Kind::Text:
            d["t"] = "text";
            d["x"] = r.x;
            d["y"] = r.y;
            d["style"] = r.style;
            d["s"] = r.text;
            d["rgba"] = JsonColour(r.rgba);
            d["blend"] = r.blend;
            break;
        case DrawRecord::Kind::Sprite:
            d["t"] = "sprite";
            d["i"] = r.index;
            d["x"] = JsonFloat(r.sceneX);
            d["y"] = JsonFloat(r.sceneY);
            d["scale"] = JsonFloat(r.scale);
            d["rgba"] = JsonColour(r.rgba);
            d["blend"] = r.blend;
            break;
        case DrawRecord::Kind::Stars:
            d["t"] = "stars";
            break;
        }
        draws.push_back(std::move(d));
    }
    return draws;
}
