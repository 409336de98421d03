// The drink wallpaper behind the title menu, the options and the closing screen.
#pragma once

// Covers the window with eight rows of drink pictures; dim draws them in
// "Gray50" and leaves the colour "White". Leaves blending off.
void DrawDrinkWallpaper(bool dim);

// The drink picture of the next row: Coke, Orange Soda, Grape Soda, Pepsi, again.
constexpr int NextDrinkPicture(int picture)
{
    switch (picture) {
    case 10: return 12;
    case 12: return 11;
    case 11: return 13;
    default: return 10;
    }
}
