// Anti-aliased shapes described by signed distance functions (negative inside,
// in pixels), and the painters that fill them.
#pragma once

#include <functional>
#include <vector>

#include "canvas.h"

struct Point {
  double x = 0, y = 0;
};

using Sdf = std::function<double(double, double)>;
using Paint = std::function<Colour(double, double)>;

double SdCircle(double px, double py, double cx, double cy, double r);
// Box centred at (cx, cy) with half sizes hw, hh and corner radius rad.
double SdRoundBox(double px, double py, double cx, double cy, double hw, double hh, double rad);
// Distance to the segment a-b (a capsule of radius r when r is subtracted).
double SdSegment(double px, double py, Point a, Point b);
// Closed polygon, any winding, may be concave.
double SdPolygon(double px, double py, const std::vector<Point>& poly);
// Star with n points, outer radius ro, inner radius ri, first point straight up.
std::vector<Point> StarPoints(double cx, double cy, double ro, double ri, int n, double turnDegrees = 0);
// Polygon points of an arrow head or any shape rotated by degrees about (cx, cy).
std::vector<Point> Rotated(const std::vector<Point>& pts, double cx, double cy, double degrees);

Sdf Circle(double cx, double cy, double r);
Sdf RoundBox(double x, double y, double w, double h, double rad);  // by top-left corner and size
Sdf Capsule(Point a, Point b, double r);
Sdf Polygon(std::vector<Point> pts);
Sdf Union(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf b);  // a without b
Sdf Intersect(Sdf a, Sdf b);
Sdf Grow(Sdf a, double by);  // positive grows, negative shrinks
Sdf Ring(Sdf a, double width);  // a band of the given width centred on a's edge

// An arc of radius r around (cx, cy) from angle a0 to a1 (degrees, clockwise from
// the right), ending in an arrow head at a1.
Sdf ArcArrow(double cx, double cy, double r, double a0, double a1, double thick);

// Fills the shape with one colour or a paint over the whole canvas (or a box).
void Fill(Canvas& c, const Sdf& shape, const Colour& col);
void Fill(Canvas& c, const Sdf& shape, const Paint& paint);
// Fills the shape and draws a dark outline of the given width around it.
void FillOutlined(Canvas& c, const Sdf& shape, const Colour& fill, const Colour& outline, double width = 1.0);
// Vertical gradient between two colours across rows y0..y1.
Paint VerticalGradient(double y0, double y1, Colour top, Colour bottom);
