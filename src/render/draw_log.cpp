// Recording of what the toolkit drew.
#include "render/draw_log.h"

#include "render/render_state.h"

#include <cstring>

DrawLog drawLog;

void BeginDrawLog()
{
    if (!drawLog.enabled)
        return;
    drawLog.records.clear();
    drawLog.stars.clear();
}

DrawRecord RecordInCurrentState(DrawRecord::Kind kind)
{
    DrawRecord record;
    record.kind = kind;
    std::memcpy(record.rgba, renderState.colour, sizeof record.rgba);
    record.blend = renderState.blending;
    record.lighting = renderState.lighting;
    return record;
}

void LogDraw(DrawRecord record)
{
    if (drawLog.enabled)
        drawLog.records.push_back(std::move(record));
}
