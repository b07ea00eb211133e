#include "shapes.h"

#include <algorithm>
#include <cmath>

double SdCircle(double px, double py, double cx, double cy, double r) { return std::hypot(px - cx, py - cy) - r; }

double SdRoundBox(double px, double py, double cx, double cy, double hw, double hh, double rad) {
  double qx = std::fabs(px - cx) - hw + rad, qy = std::fabs(py - cy) - hh + rad;
  double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - rad;
}

double SdSegment(double px, double py, Point a, Point b) {
  double bx = b.x - a.x, by = b.y - a.y, qx = px - a.x, qy = py - a.y;
  double len2 = bx * bx + by * by;
  double t = len2 > 0 ? std::clamp((qx * bx + qy * by) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(qx - bx * t, qy - by * t);
}

double SdPolygon(double px, double py, const std::vector<Point>& v) {
  size_t n = v.size();
  if (n < 3) return 1e9;
  double d = 1e18;
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    d = std::min(d, SdSegment(px, py, v[j], v[i]));
    bool crosses = (v[i].y > py) != (v[j].y > py);
    if (crosses && px < (v[j].x - v[i].x) * (py - v[i].y) / (v[j].y - v[i].y) + v[i].x) inside = !inside;
  }
  return inside ? -d : d;
}

std::vector<Point> StarPoints(double cx, double cy, double ro, double ri, int n, double turnDegrees) {
  std::vector<Point> pts;
  for (int i = 0; i < n * 2; ++i) {
    double ang = (turnDegrees - 90.0 + i * 180.0 / n) * M_PI / 180.0;
    double r = (i % 2 == 0) ? ro : ri;
    pts.push_back({cx + std::cos(ang) * r, cy + std::sin(ang) * r});
  }
  return pts;
}

std::vector<Point> Rotated(const std::vector<Point>& pts, double cx, double cy, double degrees) {
  double a = degrees * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
  std::vector<Point> out;
  for (const Point& p : pts) {
    double dx = p.x - cx, dy = p.y - cy;
    out.push_back({cx + dx * c - dy * s, cy + dx * s + dy * c});
  }
  return out;
}

Sdf Circle(double cx, double cy, double r) {
  return [=](double x, double y) { return SdCircle(x, y, cx, cy, r); };
}
Sdf RoundBox(double x, double y, double w, double h, double rad) {
  return [=](double px, double py) { return SdRoundBox(px, py, x + w / 2, y + h / 2, w / 2, h / 2, rad); };
}
Sdf Capsule(Point a, Point b, double r) {
  return [=](double x, double y) { return SdSegment(x, y, a, b) - r; };
}
Sdf Polygon(std::vector<Point> pts) {
  return [pts = std::move(pts)](double x, double y) { return SdPolygon(x, y, pts); };
}
Sdf Union(Sdf a, Sdf b) {
  return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}
Sdf Subtract(Sdf a, Sdf b) {
  return [=](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}
Sdf Intersect(Sdf a, Sdf b) {
  return [=](double x, double y) { return std::max(a(x, y), b(x, y)); };
}
Sdf Grow(Sdf a, double by) {
  return [=](double x, double y) { return a(x, y) - by; };
}
Sdf Ring(Sdf a, double width) {
  return [=](double x, double y) { return std::fabs(a(x, y)) - width / 2; };
}

// Coverage of a pixel from the distance at its centre: a one-pixel ramp across the edge.
static double Coverage(double d) { return std::clamp(0.5 - d, 0.0, 1.0); }

void Fill(Canvas& c, const Sdf& shape, const Paint& paint) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      double cx = x + 0.5, cy = y + 0.5;
      double cov = Coverage(shape(cx, cy));
      if (cov > 0) BlendPixel(c, x, y, paint(cx, cy), cov);
    }
}

void Fill(Canvas& c, const Sdf& shape, const Colour& col) {
  Fill(c, shape, [&](double, double) { return col; });
}

void FillOutlined(Canvas& c, const Sdf& shape, const Colour& fill, const Colour& outline, double width) {
  Fill(c, Grow(shape, width), outline);
  Fill(c, shape, fill);
}

Paint VerticalGradient(double y0, double y1, Colour top, Colour bottom) {
  return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

// An arc of radius r around (cx, cy) from angle a0 to a1 (degrees, clockwise from
// the right), ending in an arrow head at a1.
Sdf ArcArrow(double cx, double cy, double r, double a0, double a1, double thick) {
  double mid = (a0 + a1) / 2 * M_PI / 180, half = std::fabs(a1 - a0) / 2 * M_PI / 180;
  Sdf band = [=](double x, double y) {
    double dx = x - cx, dy = y - cy;
    double ring = std::fabs(std::hypot(dx, dy) - r) - thick / 2;
    double ang = std::atan2(dy, dx) - mid;
    while (ang > M_PI) ang -= 2 * M_PI;
    while (ang < -M_PI) ang += 2 * M_PI;
    double outside = (std::fabs(ang) - half) * r;  // arc-length distance past either end
    return std::max(ring, outside);
  };
  double e = a1 * M_PI / 180, dir = a1 > a0 ? 1 : -1;
  Point tip{cx + std::cos(e + dir * 0.42) * r, cy + std::sin(e + dir * 0.42) * r};
  Point outer{cx + std::cos(e) * (r + thick * 1.6), cy + std::sin(e) * (r + thick * 1.6)};
  Point inner{cx + std::cos(e) * (r - thick * 1.6), cy + std::sin(e) * (r - thick * 1.6)};
  return Union(band, Polygon({tip, outer, inner}));
}

