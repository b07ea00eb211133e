#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "png_file.h"

Colour Rgb(int r, int g, int b, double a) { return Colour{r / 255.0, g / 255.0, b / 255.0, a}; }

Colour Mix(const Colour& a, const Colour& b, double t) {
  return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Canvas MakeCanvas(int w, int h) {
  Canvas c;
  c.w = w;
  c.h = h;
  c.px.assign(static_cast<size_t>(w) * h * 4, 0.0);
  return c;
}

void BlendPixel(Canvas& c, int x, int y, const Colour& col, double coverage) {
  if (x < 0 || y < 0 || x >= c.w || y >= c.h) return;
  double a = std::clamp(col.a * coverage, 0.0, 1.0);
  if (a <= 0) return;
  double* p = &c.px[(static_cast<size_t>(y) * c.w + x) * 4];
  p[0] = col.r * a + p[0] * (1 - a);
  p[1] = col.g * a + p[1] * (1 - a);
  p[2] = col.b * a + p[2] * (1 - a);
  p[3] = a + p[3] * (1 - a);
}

void Composite(Canvas& dst, const Canvas& src, int dx, int dy, double opacity) {
  for (int y = 0; y < src.h; ++y) {
    int ty = y + dy;
    if (ty < 0 || ty >= dst.h) continue;
    for (int x = 0; x < src.w; ++x) {
      int tx = x + dx;
      if (tx < 0 || tx >= dst.w) continue;
      const double* s = &src.px[(static_cast<size_t>(y) * src.w + x) * 4];
      double a = s[3] * opacity;
      if (a <= 0) continue;
      double* d = &dst.px[(static_cast<size_t>(ty) * dst.w + tx) * 4];
      for (int k = 0; k < 3; ++k) d[k] = s[k] * opacity + d[k] * (1 - a);
      d[3] = a + d[3] * (1 - a);
    }
  }
}

Canvas Silhouette(const Canvas& src, const Colour& col) {
  Canvas out = MakeCanvas(src.w, src.h);
  for (size_t i = 0; i < out.px.size(); i += 4) {
    double a = src.px[i + 3] * col.a;
    out.px[i] = col.r * a;
    out.px[i + 1] = col.g * a;
    out.px[i + 2] = col.b * a;
    out.px[i + 3] = a;
  }
  return out;
}

// One horizontal or vertical running-sum pass over all four channels.
static void BoxPass(Canvas& c, int radius, bool horizontal) {
  int len = horizontal ? c.w : c.h;
  int lines = horizontal ? c.h : c.w;
  std::vector<double> line(static_cast<size_t>(len) * 4), out(line.size());
  double norm = 1.0 / (2 * radius + 1);
  for (int l = 0; l < lines; ++l) {
    for (int i = 0; i < len; ++i) {
      int x = horizontal ? i : l, y = horizontal ? l : i;
      for (int k = 0; k < 4; ++k) line[i * 4 + k] = c.px[(static_cast<size_t>(y) * c.w + x) * 4 + k];
    }
    for (int k = 0; k < 4; ++k) {
      double sum = 0;
      for (int i = -radius; i <= radius; ++i)
        if (i >= 0 && i < len) sum += line[i * 4 + k];
      for (int i = 0; i < len; ++i) {
        out[i * 4 + k] = sum * norm;
        int add = i + radius + 1, sub = i - radius;
        if (add < len) sum += line[add * 4 + k];
        if (sub >= 0) sum -= line[sub * 4 + k];
      }
    }
    for (int i = 0; i < len; ++i) {
      int x = horizontal ? i : l, y = horizontal ? l : i;
      for (int k = 0; k < 4; ++k) c.px[(static_cast<size_t>(y) * c.w + x) * 4 + k] = out[i * 4 + k];
    }
  }
}

void Blur(Canvas& c, int radius, int passes) {
  if (radius <= 0) return;
  for (int p = 0; p < passes; ++p) {
    BoxPass(c, radius, true);
    BoxPass(c, radius, false);
  }
}

Canvas Crop(const Canvas& src, int x0, int y0, int w, int h) {
  Canvas out = MakeCanvas(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sx = x + x0, sy = y + y0;
      if (sx < 0 || sy < 0 || sx >= src.w || sy >= src.h) continue;
      for (int k = 0; k < 4; ++k)
        out.px[(static_cast<size_t>(y) * w + x) * 4 + k] = src.px[(static_cast<size_t>(sy) * src.w + sx) * 4 + k];
    }
  return out;
}

bool SavePng(const Canvas& c, const std::string& path) {
  std::vector<unsigned char> rgba(static_cast<size_t>(c.w) * c.h * 4);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    double a = std::clamp(c.px[i + 3], 0.0, 1.0);
    unsigned char a8 = static_cast<unsigned char>(std::lround(a * 255));
    if (a8 == 0) {
      // Fully clear pixels carry no colour, so the file does not depend on rounding noise.
      rgba[i] = rgba[i + 1] = rgba[i + 2] = rgba[i + 3] = 0;
      continue;
    }
    for (int k = 0; k < 3; ++k) {
      double v = std::clamp(c.px[i + k] / a, 0.0, 1.0);
      rgba[i + k] = static_cast<unsigned char>(std::lround(v * 255));
    }
    rgba[i + 3] = a8;
  }
  return WriteRgbaPng(path, c.w, c.h, rgba);
}
