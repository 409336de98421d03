// Sprites: flat quads on a plane four units in front of the eye, each a picture
// number of the game's picture set, textured with its picture or plain.
#pragma once

// Scene units: (0, 0) is the centre of the window, y up.
void DrawSprite(const char* colourName, int index, float x, float y, float scale);
// The same, placed in the 640 x 480 text space.
void DrawSpriteAtPixel(const char* colourName, int index, int px, int py, float scale);

struct SpriteQuad {
    float left, right, bottom, top;
};
// The quad a sprite covers in scene units; false for indices that are no sprite.
bool SpriteQuadFor(int index, float x, float y, float scale, SpriteQuad& quad);

// Width and height of an index at scale 1; false for indices that are no sprite.
bool SpriteSize(int index, float& width, float& height);
// The scene position of a text-space point.
float PixelToSceneX(int px);
float PixelToSceneY(int py);
