// Letterboxing the game's picture.
#include "render/window_viewport.h"

#include "render/render_state.h"

#include <GL/gl.h>

namespace {
bool hasBars = false;  // program lifetime: whether the picture leaves bars to clear
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
    hasBars = rect.width != drawableWidth || rect.height != drawableHeight;
    glViewport(rect.x, rect.y, rect.width, rect.height);
    glScissor(rect.x, rect.y, rect.width, rect.height);
    if (hasBars)
        glEnable(GL_SCISSOR_TEST);
    else
        glDisable(GL_SCISSOR_TEST);
}

void ClearWindow()
{
    if (hasBars) {
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
