// Recording of what the toolkit drew.
#include "render/draw_log.h"

DrawLog drawLog;

void BeginDrawLog()
{
    drawLog.records.clear();
}

void LogDraw(DrawRecord record)
{
    if (drawLog.enabled)
        drawLog.records.push_back(std::move(record));
}
