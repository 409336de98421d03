// A frame of a day in progress: the strip, the view or the two views of a
// slide, the spoken order, then the speaker icon and the status bar.
#include "render/toolkit.h"
#include "screens/in_game_views.h"

void DrawDay(const DayFrame& frame, const DrawOptions& options)
{
    DrawKitchenQueueStrip(frame.strip, options.reducedFlashing);
    for (int v = 0; v < frame.viewCount; ++v) {
        const ViewValues& view = frame.views[v];
        if (const auto* values = std::get_if<RegisterValues>(&view.view))
            DrawRegisterView(*values, view.offset);
        else if (const auto* values = std::get_if<KitchenValues>(&view.view))
            DrawKitchenView(*values, view.offset);
        else
            DrawHandOutView(std::get<HandOutValues>(view.view), view.offset, options.reducedFlashing);
    }
    if (frame.spokenOrder)
        DrawSpokenOrder(*frame.spokenOrder);
    SetBlending(true);
    DrawSpeakerIcon(frame.speaker);
    DrawStatusBar(frame.status);
    SetBlending(false);
}
