// The scene frame and the star field.
#include "render/scene.h"

#include "model/random.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/textures.h"
#include "render/window_viewport.h"

#include <GL/gl.h>
#include <cstring>

StarField starField;

void SeedStarField()
{
    for (int i = 0; i < 50; ++i) {
        StarParticle& star = starField.stars[i];
        star.angle = 0.0f;
        star.distance = static_cast<float>(i) / 50.0f * 5.0f;
        star.red = rnd(256);
        star.green = rnd(256);
        star.blue = rnd(256);
    }
}

namespace {

void drawStarField()
{
    StarField& f = starField;
    f.tilt = f.tilt - 0.5f;
    if (renderState.useGL) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        glBindTexture(GL_TEXTURE_2D, StarTexture());
    }
    SetBlending(true);
    DrawRecord stars;
    stars.kind = DrawRecord::Kind::Stars;
    LogDraw(std::move(stars));
    for (int i = 0; i < 50; ++i) {
        StarParticle& star = f.stars[i];
        SetColourRGBA(star.red / 255.0f, star.green / 255.0f, star.blue / 255.0f, 1.0f);
        if (renderState.useGL) {
            glLoadIdentity();
            glTranslatef(0.0f, 0.0f, -6.0f);
            glRotatef(f.tilt, 1.0f, 0.0f, 0.0f);
            glRotatef(star.angle, 0.0f, 1.0f, 0.0f);
            glTranslatef(star.distance, 0.0f, 0.0f);
            glRotatef(-star.angle, 0.0f, 1.0f, 0.0f);
            glRotatef(-f.tilt, 1.0f, 0.0f, 0.0f);
            glRotatef(f.spin, 0.0f, 0.0f, 1.0f);
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
        f.spin = f.spin + 0.01f;
        star.angle = star.angle + static_cast<float>(i) / 50.0f;
        star.distance = star.distance - 0.01f;
        if (star.distance < 0.0f) {
            star.distance = star.distance + 5.0f;
            star.red = rnd(256);
            star.green = rnd(256);
            star.blue = rnd(256);
        }
    }
}

}  // namespace

void BeginSceneFrame(bool creditsActive)
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
    if (!creditsActive) {
        if (renderState.useGL)
            glLoadIdentity();
        SetBlending(true);
        return;
    }
    drawStarField();
}
