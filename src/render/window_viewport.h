// The game's 4:3 picture inside a window of any shape: scaled to the largest 4:3
// rectangle that fits, centred, with black bars beside or above and below it.
#pragma once

// A rectangle of window pixels, from the bottom left as OpenGL counts them.
struct PictureRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The largest 4:3 rectangle of a drawable of that size, centred.
PictureRect LetterboxRect(int drawableWidth, int drawableHeight);
// Draws into that rectangle from now on (the viewport and, with bars, a scissor).
void SetPictureViewport(int drawableWidth, int drawableHeight);
// The drawable and the picture's rectangle in it, as last set.
void DrawableSize(int& width, int& height);
PictureRect PictureViewport();
// Clears the bars to black and the picture to the clear colour.
void ClearWindow();

// Draws only inside part of the picture until EndPartialDraw (a clear included).
void BeginPartialDraw(const PictureRect& part);
void EndPartialDraw();
