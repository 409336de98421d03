// Colour names and the mirrored drawing state.
#include "render/render_state.h"

#include <GL/gl.h>
#include <cstdlib>
#include <cstring>

RenderState renderState;

bool ColourFromName(const char* name, float rgb[3])
{
    auto set = [rgb](float r, float g, float b) {
        rgb[0] = r;
        rgb[1] = g;
        rgb[2] = b;
        return true;
    };
    if (name == nullptr || name[0] == '\0')
        return false;
    if (std::strcmp(name, "Red") == 0) return set(1.0f, 0.0f, 0.0f);
    if (std::strcmp(name, "Green") == 0) return set(0.0f, 1.0f, 0.0f);
    if (std::strcmp(name, "Blue") == 0) return set(0.0f, 0.0f, 1.0f);
    if (std::strcmp(name, "Yellow") == 0) return set(1.0f, 1.0f, 0.0f);
    if (std::strcmp(name, "Magenta") == 0 || std::strcmp(name, "Violet") == 0 ||
        std::strcmp(name, "Purple") == 0)
        return set(1.0f, 0.0f, 1.0f);
    if (std::strcmp(name, "Cyan") == 0) return set(0.0f, 1.0f, 1.0f);
    if (std::strcmp(name, "Black") == 0) return set(0.0f, 0.0f, 0.0f);
    if (std::strncmp(name, "Gray", 4) == 0) {
        // Read as a text-to-double conversion would; nothing readable gives 0.
        float level = static_cast<float>(std::strtod(name + 4, nullptr) / 100.0);
        return set(level, level, level);
    }
    return set(1.0f, 1.0f, 1.0f);
}

namespace {

void storeRgba(float* rgba, float red, float green, float blue, float alpha)
{
    rgba[0] = red;
    rgba[1] = green;
    rgba[2] = blue;
    rgba[3] = alpha;
}

void setCapability(bool& mirror, GLenum capability, bool on)
{
    mirror = on;
    if (!renderState.useGL)
        return;
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

}  // namespace

void SetColourRGBA(float red, float green, float blue, float alpha)
{
    storeRgba(renderState.colour, red, green, blue, alpha);
    if (renderState.useGL)
        glColor4f(red, green, blue, alpha);
}

void SetColour(float red, float green, float blue)
{
    SetColourRGBA(red, green, blue, 1.0f);
}

void SetColourByName(const char* colourName)
{
    float rgb[3];
    if (ColourFromName(colourName, rgb))
        SetColour(rgb[0], rgb[1], rgb[2]);
}

void SetBlending(bool on)
{
    setCapability(renderState.blending, GL_BLEND, on);
}

void SetLighting(bool on)
{
    setCapability(renderState.lighting, GL_LIGHTING, on);
}

void SetClearColour(float red, float green, float blue, float alpha)
{
    storeRgba(renderState.clearColour, red, green, blue, alpha);
    if (renderState.useGL)
        glClearColor(red, green, blue, alpha);
}

void ReapplyGLState()
{
    const RenderState copy = renderState;
    SetColourRGBA(copy.colour[0], copy.colour[1], copy.colour[2], copy.colour[3]);
    SetClearColour(copy.clearColour[0], copy.clearColour[1], copy.clearColour[2], copy.clearColour[3]);
    SetBlending(copy.blending);
    SetLighting(copy.lighting);
}

namespace {

// Whether the text space's projection is loaded (over the window's own, which
// is kept on the projection stack until the next sprite or the frame's end).
bool textProjection = false;

void leaveTextSpace()
{
    if (!textProjection)
        return;
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    textProjection = false;
}

}  // namespace

void UseSceneSpace()
{
    if (!renderState.useGL)
        return;
    leaveTextSpace();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -5.0f);
}

void UseTextSpace(int x, int y)
{
    if (!renderState.useGL)
        return;
    if (!textProjection) {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0, 640, 0, 480, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        textProjection = true;
    }
    glLoadIdentity();
    glTranslated(x, y, 0);
}

void EndSceneFrame()
{
    if (renderState.useGL)
        leaveTextSpace();
}
