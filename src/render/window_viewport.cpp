// Letterboxing the game's picture, and drawing part of it.
#include "render/window_viewport.h"

#include "render/render_state.h"

#include <GL/gl.h>

namespace {

struct Drawable {  // program lifetime, from the last SetPictureViewport
    int width = 0, height = 0;
    PictureRect picture;
    bool hasBars = false;  // whether the picture leaves bars to clear
};
Drawable drawable;

void scissorToPicture()
{
    const PictureRect& rect = drawable.picture;
    glScissor(rect.x, rect.y, rect.width, rect.height);
    if (drawable.hasBars)
        glEnable(GL_SCISSOR_TEST);
    else
        glDisable(GL_SCISSOR_TEST);
}

}  // namespace

PictureRect LetterboxRect(int drawableWidth, int drawableHeight)
{
    PictureRect rect{0, 0, drawableWidth, drawableHeight};
    // Integer cross-multiplication: a window of exactly 4:3 gets no bars at all.
    if (drawableWidth * 3 > drawableHeight * 4)
        rect.width = drawableHeight * 4 / 3;
    else
        rect.height = drawableWidth * 3 / 4;
    rect.x = (drawableWidth - rect.width) / 2;
    rect.y = (drawableHeight - rect.height) / 2;
    return rect;
}

void SetPictureViewport(int drawableWidth, int drawableHeight)
{
    const PictureRect rect = LetterboxRect(drawableWidth, drawableHeight);
    drawable = {drawableWidth, drawableHeight, rect,
                rect.width != drawableWidth || rect.height != drawableHeight};
    glViewport(rect.x, rect.y, rect.width, rect.height);
    scissorToPicture();
}

void DrawableSize(int& width, int& height)
{
    width = drawable.width;
    height = drawable.height;
}

PictureRect PictureViewport()
{
    return drawable.picture;
}

void ClearWindow()
{
    if (drawable.hasBars) {
        // The picture's clear colour can flash red; the bars stay black.
        glDisable(GL_SCISSOR_TEST);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        const float* c = renderState.clearColour;
        glClearColor(c[0], c[1], c[2], c[3]);
        glEnable(GL_SCISSOR_TEST);
    }
    glClear(GL_COLOR_BUFFER_BIT);
}

void BeginPartialDraw(const PictureRect& part)
{
    glScissor(part.x, part.y, part.width, part.height);
    glEnable(GL_SCISSOR_TEST);
}

void EndPartialDraw()
{
    scissorToPicture();
}
