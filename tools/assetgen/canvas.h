// An RGBA picture in floating point (premultiplied alpha) that the generators
// paint into before it is written out as a PNG.
#pragma once

#include <string>
#include <vector>

struct Colour {
  double r = 0, g = 0, b = 0, a = 1;  // straight (not premultiplied), 0..1
};

// Colour from 0..255 components and an alpha in 0..1.
Colour Rgb(int r, int g, int b, double a = 1.0);
// Linear mix of two colours: t = 0 gives a, t = 1 gives b.
Colour Mix(const Colour& a, const Colour& b, double t);

struct Canvas {
  int w = 0, h = 0;
  std::vector<double> px;  // w * h * 4, premultiplied r, g, b, a
};

Canvas MakeCanvas(int w, int h);
// Lays colour c over pixel (x, y) with the given coverage (0..1).
void BlendPixel(Canvas& c, int x, int y, const Colour& col, double coverage);
// Lays src over dst with its top-left corner at (dx, dy), scaled by opacity.
void Composite(Canvas& dst, const Canvas& src, int dx, int dy, double opacity = 1.0);
// Replaces every pixel's colour by col, keeping its alpha (a silhouette).
Canvas Silhouette(const Canvas& src, const Colour& col);
// Box blur of the whole picture, repeated passes (three give a near-Gaussian).
void Blur(Canvas& c, int radius, int passes = 3);
// Copies a w x h window starting at (x, y); pixels outside the source are clear.
Canvas Crop(const Canvas& src, int x, int y, int w, int h);
// Writes the picture as an 8-bit RGBA PNG; identical pictures give identical files.
bool SavePng(const Canvas& c, const std::string& path);
