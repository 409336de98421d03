// The start of every drawn frame, optionally with a field of turning stars.
#pragma once
#include <span>

// One star of a star field: where it stands on its turning ring and its colour.
struct StarQuad {
    float angle = 0.0f;  // degrees
    float distance = 0.0f;
    float spin = 0.0f;   // degrees, the star's own turn
    int red = 0, green = 0, blue = 0;

    bool operator==(const StarQuad&) const = default;
};

// Clears the frame; with stars, draws them, tilted, over the clear.
void BeginSceneFrame(float tilt = 0.0f, std::span<const StarQuad> stars = {});
// The stars alone, as the scene frame draws them (the present step draws a
// recorded frame again with it).
void DrawStarField(float tilt, std::span<const StarQuad> stars);
