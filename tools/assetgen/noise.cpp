#include <cmath>
#include <cstdint>

#include "art.h"

static double Hash(int x, int y, unsigned seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777215.0;
}

double ValueNoise(double x, double y, unsigned seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  double fx = x - ix, fy = y - iy;
  double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  double a = Hash(ix, iy, seed), b = Hash(ix + 1, iy, seed);
  double c = Hash(ix, iy + 1, seed), d = Hash(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}
