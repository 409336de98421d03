// A frame's drawing, from the values its steps returned.
#include "screens/frame.h"

#include "render/render_state.h"
#include "render/scene.h"
#include "screens/between_days_screens.h"
#include "screens/front_end_screens.h"
#include "screens/in_game_views.h"
#include "screens/key_card.h"

namespace {

void beginScene(const std::optional<StarsFrame>& stars)
{
    if (!stars) {
        BeginSceneFrame();
        return;
    }
    StarQuad quads[kStarCount];
    for (int i = 0; i < kStarCount; ++i) {
        const StarSprite& s = stars->stars[i];
        quads[i] = {s.angle, s.distance, s.spin, s.red, s.green, s.blue};
    }
    BeginSceneFrame(stars->tilt, quads);
}

struct DrawScreen {
    DrawOptions options;
    void operator()(const TitleFrame& f) const { DrawTitleMenu(f); }
    void operator()(const OptionsFrame& f) const { DrawOptionsScreen(f); }
    void operator()(const CreditsFrame& f) const { DrawCreditsScreen(f); }
    void operator()(const ObjectiveFrame& f) const { DrawObjectiveScreen(f); }
    void operator()(const ClosingFrame& f) const { DrawClosingScreen(f); }
    void operator()(const InGameFrame& f) const
    {
        if (const DayFrame* day = std::get_if<DayFrame>(&f))
            DrawDay(*day, options);
        else
            DrawBetweenDays(std::get<BetweenDaysFrame>(f));
    }
};

}  // namespace

void DrawFrame(const Frame& frame, const DrawOptions& options)
{
    // A red background left from before the option was switched on goes too.
    if (options.reducedFlashing && renderState.clearColour[0] > 0.0f)
        SetClearColour(0.0f, 0.0f, 0.0f, 0.0f);
    beginScene(frame.stars);
    std::visit(DrawScreen{options}, frame.screen);
    if (frame.keyCard)
        DrawKeyCard(*frame.keyCard, options.reducedFlashing);
    EndSceneFrame();
}

void DrawPauseFrame()
{
    BeginSceneFrame();
    DrawPauseScreen();
    EndSceneFrame();
}
