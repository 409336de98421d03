// Drawing a recorded frame again, whole or inside part of the picture.
#include "render/redraw.h"

#include "render/damage.h"
#include "render/render_state.h"
#include "render/sprites.h"
#include "render/text.h"

#include <GL/gl.h>

namespace {

void redrawOne(const DrawRecord& r, const DrawLog& frame, bool partial)
{
    switch (r.kind) {
    case DrawRecord::Kind::Clear:
        SetClearColour(r.rgba[0], r.rgba[1], r.rgba[2], r.rgba[3]);
        if (partial)
            glClear(GL_COLOR_BUFFER_BIT);  // inside the part's scissor
        else
            ClearWindow();
        return;
    case DrawRecord::Kind::Stars:
        SetLighting(r.lighting);
        DrawStarField(frame.starTilt, frame.stars);
        return;
    case DrawRecord::Kind::Text:
    case DrawRecord::Kind::Sprite: break;
    }
    SetColourRGBA(r.rgba[0], r.rgba[1], r.rgba[2], r.rgba[3]);
    SetBlending(r.blend);
    SetLighting(r.lighting);
    if (r.kind == DrawRecord::Kind::Text)
        PrintFormatted(r.x, r.y, r.style, "%s", r.text.c_str());
    else
        DrawSprite("", r.index, r.sceneX, r.sceneY, r.scale);
}

// Draws the records that touch part (all of them without one), taking no new
// records, then gives the mirrored state and OpenGL the state the frame left.
void redraw(const DrawLog& frame, const PictureRect* part)
{
    RenderState left = renderState;
    const bool recording = drawLog.enabled;
    drawLog.enabled = false;
    EndSceneFrame();
    const PictureRect picture = PictureViewport();
    for (const DrawRecord& r : frame.records)
        if (part == nullptr || r.kind == DrawRecord::Kind::Clear || Overlap(DrawBounds(r, picture), *part))
            redrawOne(r, frame, part != nullptr);
    EndSceneFrame();
    drawLog.enabled = recording;
    left.useGL = renderState.useGL;
    renderState = left;
    ReapplyGLState();
}

}  // namespace

void RedrawWhole(const DrawLog& frame)
{
    redraw(frame, nullptr);
}

void RedrawPart(const DrawLog& frame, const PictureRect& part)
{
    BeginPartialDraw(part);
    redraw(frame, &part);
    EndPartialDraw();
}
