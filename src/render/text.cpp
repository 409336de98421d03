// Glyph display lists and the two print calls.
#include "render/text.h"

#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/textures.h"

#include <GL/gl.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kFontTexture = 47;

struct FontBlock {
    GLuint base = 0;
    float right;     // x of the second vertex
    float topRight;  // x of the third vertex
    float height;
};
// In the order they are built: large, medium, small.
FontBlock large{0, 20.0f, 22.0f, 22.0f};
FontBlock medium{0, 13.0f, 14.0f, 14.0f};
FontBlock small{0, 10.0f, 11.0f, 11.0f};

void buildBlock(FontBlock& block)
{
    block.base = glGenLists(256);
    glBindTexture(GL_TEXTURE_2D, textureTable[kFontTexture]);
    for (int g = 0; g < 256; ++g) {
        float cx = static_cast<float>(g % 16) / 16.0f;
        float cy = static_cast<float>(g / 16) / 16.0f;
        float t = 1.0f - cy;
        glNewList(block.base + g, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(cx, t - 0.06f);
        glVertex2f(0.0f, 0.0f);
        glTexCoord2f(cx + 0.0618f, t - 0.0662f);
        glVertex2f(block.right, 0.0f);
        glTexCoord2f(cx + 0.071f, t);
        glVertex2f(block.topRight, block.height);
        glTexCoord2f(cx, t);
        glVertex2f(0.0f, block.height);
        glEnd();
        glTranslatef(10.0f, 0.0f, 0.0f);
        glEndList();
    }
}

void killBlock(FontBlock& block)
{
    if (block.base != 0)
        glDeleteLists(block.base, 256);
    block.base = 0;
}

void drawText(int x, int y, int style, const char* text)
{
    if (style < 0 || style > 5)
        style = 1;

    DrawRecord record;
    record.kind = DrawRecord::Kind::Text;
    record.x = x;
    record.y = y;
    record.style = style;
    record.text = text;
    std::memcpy(record.rgba, renderState.colour, sizeof record.rgba);
    record.blend = renderState.blending;
    LogDraw(std::move(record));

    if (!renderState.useGL)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureTable[kFontTexture]);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 640, 0, 480, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, 0);
    const FontBlock* blocks[3] = {&small, &medium, &large};
    const FontBlock& block = *blocks[style % 3];
    glListBase(style < 3 ? block.base - 32 : block.base + 96);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace

void BuildFonts()
{
    if (!renderState.useGL)
        return;
    buildBlock(large);
    buildBlock(medium);
    buildBlock(small);
}

void KillFonts()
{
    if (!renderState.useGL)
        return;
    killBlock(small);
    killBlock(medium);
    killBlock(large);
}

void PrintFormatted(int x, int y, int style, const char* format, ...)
{
    if (format == nullptr)
        return;
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    drawText(x, y, style, buffer);
}

void PrintText(int x, int y, const char* colourName, int style, const char* text)
{
    SetColourByName(colourName);
    if (text != nullptr)
        PrintFormatted(x, y, style, "%s", text);
}
