// Sprite sizes and drawing.
#include "render/sprites.h"

#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/textures.h"

#include <GL/gl.h>
#include <cstring>

namespace {

struct Size {
    float width, height;
};

Size sizeOf(int index)
{
    if (index == 0) return {0.99f, 0.45f};
    if (index == 1) return {0.4f, 0.42f};
    if (index == 2) return {0.4f, 0.3f};
    if (index <= 5) return {0.4f, 0.25f};
    if (index == 6) return {0.38f, 0.47f};
    if (index <= 9) return {0.38f, 0.46f};
    if (index <= 15) return {0.27f, 0.67f};
    if (index == 16) return {1.1f, 2.0f};
    if (index == 17) return {1.7f, 2.0f};
    if (index <= 31) return {1.06f, 1.06f};
    if (index <= 46) return {1.2f, 0.94f};
    switch (index) {
    case 49: return {1.25f, 0.7f};
    case 50: return {0.6f, 1.0f};
    case 51: return {0.7f, 1.02f};
    case 52: return {0.92f, 0.96f};
    case 53: return {1.0f, 0.75f};
    case 54:
    case 55: return {0.4f, 0.25f};
    case 56: return {0.6f, 0.11f};
    case 57:
    case 58:
    case 59: return {0.6f, 0.6f};
    case 66: return {0.75f, 0.5f};
    case 67: return {0.5f, 0.5f};
    case 68: return {0.75f, 0.75f};
    case 69: return {1.0f, 1.0f};
    case 70: return {0.5f, 0.005f};
    case 71: return {0.5f, 0.01f};
    case 72: return {0.5f, 0.002f};
    case 73: return {0.005f, 0.5f};
    case 74: return {0.01f, 0.5f};
    case 75: return {0.002f, 0.5f};
    case 76: return {3.82f, 0.3f};
    case 77: return {0.5f, 0.015f};
    case 78: return {0.795f, 1.0f};
    default: return {1.0f, 1.0f};  // 60-65, the upgrade pictures
    }
}

}  // namespace

bool SpriteSize(int index, float& width, float& height)
{
    if (index < 0 || index > 78 || index == 47 || index == 48)
        return false;
    Size size = sizeOf(index);
    width = size.width;
    height = size.height;
    return true;
}

float PixelToSceneX(int px)
{
    return static_cast<float>(px) / 143.40909f - 2.2f;
}

float PixelToSceneY(int py)
{
    return static_cast<float>(py) / 145.51083f - 1.615f;
}

bool SpriteQuadFor(int index, float x, float y, float scale, SpriteQuad& quad)
{
    float width, height;
    if (!SpriteSize(index, width, height))
        return false;
    const float w = width * scale;
    // The battery bar keeps its thickness: its scale is a fill level.
    const float h = index == 56 ? 0.11f : height * scale;
    quad = {x - w / 2.0f, x + w / 2.0f, y - h / 2.0f, y + h / 2.0f};
    return true;
}

void DrawSprite(const char* colourName, int index, float x, float y, float scale)
{
    SpriteQuad q;
    if (!SpriteQuadFor(index, x, y, scale, q))
        return;  // no caller draws an index without a size
    const float left = q.left, right = q.right, bottom = q.bottom, top = q.top;
    SetColourByName(colourName);

    DrawRecord record = RecordInCurrentState(DrawRecord::Kind::Sprite);
    record.index = index;
    record.sceneX = x;
    record.sceneY = y;
    record.scale = scale;
    LogDraw(std::move(record));

    if (!renderState.useGL)
        return;
    UseSceneSpace();
    glBindTexture(GL_TEXTURE_2D, index >= 66 ? 0 : textureTable[index]);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(left, bottom, 1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(right, bottom, 1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(right, top, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(left, top, 1.0f);
    glEnd();
}

void DrawSpriteAtPixel(const char* colourName, int index, int px, int py, float scale)
{
    DrawSprite(colourName, index, PixelToSceneX(px), PixelToSceneY(py), scale);
}
