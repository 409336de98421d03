// The pictures the game hands the toolkit at start-up, their textures, and the renderer's set-up.
#pragma once
#include "render/bmp.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class SpriteScaling : uint8_t {
    Both,
    WidthOnly,  // a bar whose scale is its fill level keeps its thickness
    None,       // no sprite: only the toolkit's own quads read the picture
};

// What the toolkit knows of one picture number.
struct PictureEntry {
    const char* file = nullptr;         // in the picture folder; nullptr for a plain quad
    float width = 0.0f, height = 0.0f;  // as a sprite at scale 1, in scene units
    SpriteScaling scaling = SpriteScaling::None;
};

// Every picture the game draws, one entry per number from 0, and the numbers of the
// two that the toolkit draws in its own way: the text's glyph sheet and the credits' star.
struct PictureSet {
    std::span<const PictureEntry> entries;  // must outlive the renderer
    int font = -1;
    int star = -1;
};

// The entry of a picture number; nullptr for a number outside the set.
const PictureEntry* PictureEntryOf(int number);
// The texture of a picture number; 0 (no texture) for a plain quad or a picture not loaded.
uint32_t TextureOf(int number);
uint32_t FontTexture();
uint32_t StarTexture();

// Reads the set's pictures from PictureFolder(folderChoice), builds the fonts, sets
// the initial drawing state and seeds the star field. False (and no more done) when
// no picture loaded; each entry whose picture could not be read, a missing one too,
// adds its failure to failures.
bool InitRenderer(int folderChoice, const PictureSet& pictures, std::vector<PictureFailure>& failures);
