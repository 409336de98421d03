// The texture table: 66 pictures read at start-up, and the renderer's set-up.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int kTextureCount = 66;

extern uint32_t textureTable[kTextureCount];  // 0 = not loaded; program lifetime

// File name of each texture index, relative to the picture folder.
extern const char* const kTextureFiles[kTextureCount];

// Reads the pictures from PictureFolder(folderChoice). True when at
// least one picture was loaded; each picture that could not be read adds the
// text of its failure to failures (a missing one adds nothing).
bool LoadTextures(int folderChoice, std::vector<std::string>& failures);
// Loads the pictures, builds the fonts, sets the initial drawing state and
// seeds the star field. False (and nothing else done) when no picture loaded.
bool InitRenderer(int folderChoice, std::vector<std::string>& failures);
