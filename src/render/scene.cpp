// The scene frame and its star field.
#include "render/scene.h"

#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/textures.h"
#include "render/window_viewport.h"

#include <GL/gl.h>
#include <cstring>

void DrawStarField(float tilt, std::span<const StarQuad> stars)
{
    if (renderState.useGL) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        glBindTexture(GL_TEXTURE_2D, StarTexture());
    }
    SetBlending(true);
    for (const StarQuad& star : stars) {
        SetColourRGBA(static_cast<float>(star.red) / 255.0f, static_cast<float>(star.green) / 255.0f,
                      static_cast<float>(star.blue) / 255.0f, 1.0f);
        if (!renderState.useGL)
            continue;
        glLoadIdentity();
        glTranslatef(0.0f, 0.0f, -6.0f);
        glRotatef(tilt, 1.0f, 0.0f, 0.0f);
        glRotatef(star.angle, 0.0f, 1.0f, 0.0f);
        glTranslatef(star.distance, 0.0f, 0.0f);
        glRotatef(-star.angle, 0.0f, 1.0f, 0.0f);
        glRotatef(-tilt, 1.0f, 0.0f, 0.0f);
        glRotatef(star.spin, 0.0f, 0.0f, 1.0f);
        glColor4ub(static_cast<GLubyte>(star.red), static_cast<GLubyte>(star.green),
                   static_cast<GLubyte>(star.blue), 255);
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(-1.0f, -1.0f, 0.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(1.0f, -1.0f, 0.0f);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(1.0f, 1.0f, 0.0f);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(-1.0f, 1.0f, 0.0f);
        glEnd();
    }
}

void BeginSceneFrame(float tilt, std::span<const StarQuad> stars)
{
    EndSceneFrame();  // in case the last frame was drawn without the frame loop
    BeginDrawLog();
    DrawRecord clear;
    clear.kind = DrawRecord::Kind::Clear;
    std::memcpy(clear.rgba, renderState.clearColour, sizeof clear.rgba);
    LogDraw(std::move(clear));
    // Nothing is ever depth-tested, so the depth buffer is left as it is: clearing
    // it would only cost the software renderer a pass over every tile.
    if (renderState.useGL)
        ClearWindow();
    if (stars.empty()) {
        if (renderState.useGL)
            glLoadIdentity();
        SetBlending(true);
        return;
    }
    // Lit or not as the last frame left the lighting; blending and colours are the stars' own.
    DrawRecord record;
    record.kind = DrawRecord::Kind::Stars;
    record.lighting = renderState.lighting;
    LogDraw(std::move(record));
    if (drawLog.enabled) {
        drawLog.starTilt = tilt;
        drawLog.stars.assign(stars.begin(), stars.end());
    }
    DrawStarField(tilt, stars);
}
