// Value noise for the pictures' textures: a hash of a grid point and its smooth blend.
#include "canvas.h"

#include <cmath>
#include <cstdint>

float Hash(int x, int y, int seed)
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffff) / 16777216.0f;
}

float Noise(float x, float y, float cell, int seed)
{
    const float gx = x / cell, gy = y / cell;
    const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
    const float fx = gx - static_cast<float>(ix), fy = gy - static_cast<float>(iy);
    const float sx = fx * fx * (3.0f - 2.0f * fx), sy = fy * fy * (3.0f - 2.0f * fy);
    const float top = Hash(ix, iy, seed) * (1.0f - sx) + Hash(ix + 1, iy, seed) * sx;
    const float bottom = Hash(ix, iy + 1, seed) * (1.0f - sx) + Hash(ix + 1, iy + 1, seed) * sx;
    return top * (1.0f - sy) + bottom * sy;
}
