// The credits screen's star field: its state, kept between visits, and one
// frame's stars as they are to be drawn.
#pragma once

constexpr int kStarCount = 50;

struct StarParticle {
    int red = 0, green = 0, blue = 0;
    float distance = 0.0f;
    float angle = 0.0f;  // degrees
};

struct StarField {  // program lifetime; kept between visits to the credits
    StarParticle stars[kStarCount];
    float tilt = 0.0f;
    float spin = 0.0f;
};
extern StarField starField;

// One star as it is drawn: each star turns the field a little further.
struct StarSprite {
    float angle = 0.0f, distance = 0.0f, spin = 0.0f;
    int red = 0, green = 0, blue = 0;
};
struct StarsFrame {
    float tilt = 0.0f;
    StarSprite stars[kStarCount];
};
