// The folders the pictures are read from, tried in the order of their choice number.
#pragma once
#include <string>

// The data folder `name` ("Images", "Sounds") by choice, ending in '/': 1 in the
// working folder; 3 in the installed data folder, found from the executable's own
// place ("" when that cannot be); any other value in "../".
std::string DataFolder(int folderChoice, const char* name);
std::string PictureFolder(int folderChoice);

// The choice the pictures were last loaded from; 0 before any loaded.
extern int pictureFolderUsed;
