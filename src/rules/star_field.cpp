// The star field: seeding and one frame's motion.
#include "rules/star_field.h"

#include "model/random.h"

void SeedStarField()
{
    for (int i = 0; i < kStarCount; ++i) {
        StarParticle& star = starField.stars[i];
        star.angle = 0.0f;
        star.distance = static_cast<float>(i) / 50.0f * 5.0f;
        star.red = rnd(256);
        star.green = rnd(256);
        star.blue = rnd(256);
    }
}

StarsFrame StepStarField()
{
    StarField& f = starField;
    StarsFrame frame;
    f.tilt = f.tilt - 0.5f;
    frame.tilt = f.tilt;
    for (int i = 0; i < kStarCount; ++i) {
        StarParticle& star = f.stars[i];
        frame.stars[i] = {star.angle, star.distance, f.spin, star.red, star.green, star.blue};
        f.spin = f.spin + 0.01f;
        star.angle = star.angle + static_cast<float>(i) / 50.0f;
        star.distance = star.distance - 0.01f;
        if (star.distance < 0.0f) {
            star.distance = star.distance + 5.0f;
            star.red = rnd(256);
            star.green = rnd(256);
            star.blue = rnd(256);
        }
    }
    return frame;
}
