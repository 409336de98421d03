// The start of every drawn frame, and the credits screen's star field.
#pragma once

struct StarParticle {
    int red = 0, green = 0, blue = 0;
    float distance = 0.0f;
    float angle = 0.0f;  // degrees
};

struct StarField {  // program lifetime; kept between visits to the credits
    StarParticle stars[50];
    float tilt = 0.0f;
    float spin = 0.0f;
};
extern StarField starField;

// Clears the frame; with the credits screen current, draws the star field.
void BeginSceneFrame(bool creditsActive);
// Once, by InitRenderer: distances 0 to 4.9 and random colours.
void SeedStarField();
