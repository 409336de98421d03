// Text in six styles (three sizes, two typefaces) from the font picture, in a
// 640 x 480 text space whose origin is the bottom-left corner of the window.
#pragma once

// printf-style text at (x, y) in the current colour. A style outside 0-5 is 1.
void PrintFormatted(int x, int y, int style, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// Sets the colour by name ("" keeps it), then prints text as it stands.
void PrintText(int x, int y, const char* colourName, int style, const char* text);
