// State object keys of the front-end screens: the title menu's intro and pulse,
// the credits' light mode and the closing countdown.
#include "shell/dump.h"

#include "shell/json_values.h"
#include "render/render_state.h"
#include "model/front_end_state.h"

using nlohmann::json;

void DumpFrontEnd(json& state)
{
    const TitleMenuState& menu = frontEnd.menu;
    state["titleMenu"] = {
        {"introFrameCount", menu.introFrameCount},
        {"fade", JsonFloat(menu.fade)},
        {"anselHeight", JsonFloat(menu.anselHeight)},
        {"tiborHeight", JsonFloat(menu.tiborHeight)},
        {"introSpeed", JsonFloat(menu.introSpeed)},
        {"pulse", JsonFloat(menu.pulse)},
        {"pulseRising", menu.pulseRising},
        {"menuOffset", menu.menuOffset},
    };
    state["credits"] = {
        {"lightMode", frontEnd.credits.lightMode},
        {"lighting", renderState.lighting},
    };
    const ClosingState& closing = frontEnd.closing;
    state["closing"] = {
        {"closingCount", closing.closingCount},
        {"tileX", closing.tileX},
        {"tileY", closing.tileY},
        {"tilePicture", closing.tilePicture},
    };
}
