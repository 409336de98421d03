// Sprites: their quads from the pictures the game handed over, and drawing them.
#include "render/sprites.h"

#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/textures.h"

#include <GL/gl.h>
#include <cstring>

bool SpriteSize(int index, float& width, float& height)
{
    const PictureEntry* entry = PictureEntryOf(index);
    if (entry == nullptr || entry->scaling == SpriteScaling::None)
        return false;
    width = entry->width;
    height = entry->height;
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
    const float h = PictureEntryOf(index)->scaling == SpriteScaling::WidthOnly ? height : height * scale;
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
    glBindTexture(GL_TEXTURE_2D, TextureOf(index));
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
