// The game's 4:3 picture inside a window of any shape: scaled to the largest 4:3
// rectangle that fits, centred, with black bars beside or above and below it.
#pragma once

struct PictureRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The largest 4:3 rectangle of a drawable of that size, centred.
PictureRect LetterboxRect(int drawableWidth, int drawableHeight);
// Draws into that rectangle from now on (the viewport and, with bars, a scissor).
void SetPictureViewport(int drawableWidth, int drawableHeight);
// Clears the bars to black and the picture to the clear colour.
void ClearWindow();
