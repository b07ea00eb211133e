// The game's single images: the particle star, the swap-tiles button and the quit
// button. The buttons are drawn at half alpha until the pointer is over them, so
// they carry their own colour; the star is near white so the game can tint it.
#include <cmath>

#include "art.h"
#include "shapes.h"

namespace {

// A round, slightly domed button face in the given colour.
void RoundButton(Canvas& c, const Colour& face) {
  Canvas shadow = MakeCanvas(c.w, c.h);
  Fill(shadow, Circle(48, 51, 42), Rgb(0, 0, 0, 0.6));
  Blur(shadow, 2);
  Composite(c, shadow, 0, 0);
  Fill(c, Circle(48, 48, 43), Mix(face, Rgb(10, 10, 14), 0.6));
  Fill(c, Circle(48, 48, 40), VerticalGradient(8, 88, Mix(face, Rgb(255, 255, 255), 0.25), Mix(face, Rgb(0, 0, 0), 0.3)));
  // Gloss on the upper half.
  Fill(c, Intersect(Circle(48, 48, 36), Circle(48, 20, 30)), VerticalGradient(12, 48, Rgb(255, 255, 255, 0.35), Rgb(255, 255, 255, 0.0)));
}

bool MakeStar(const std::string& dir) {
  Canvas c = MakeCanvas(32, 32);
  Canvas glow = MakeCanvas(32, 32);
  Fill(glow, Polygon(StarPoints(16, 16.8, 13, 5.6, 5)), Rgb(255, 255, 255, 0.8));
  Blur(glow, 2);
  Composite(c, glow, 0, 0);
  Fill(c, Polygon(StarPoints(16, 16.8, 12, 5.2, 5)), Rgb(250, 250, 250));
  Fill(c, Polygon(StarPoints(16, 16.8, 6, 2.6, 5)), Rgb(255, 255, 255));
  return SavePng(c, dir + "/star.png");
}

bool MakeSwapButton(const std::string& dir) {
  Canvas c = MakeCanvas(96, 96);
  RoundButton(c, Rgb(46, 160, 96));
  Colour ink = Rgb(255, 255, 255), edge = Rgb(14, 60, 34, 0.8);
  Sdf arrows = Union(ArcArrow(48, 48, 23, 200, 325, 7), ArcArrow(48, 48, 23, 20, 145, 7));
  FillOutlined(c, arrows, ink, edge, 1.5);
  // Two little tiles in the middle say what is being exchanged.
  FillOutlined(c, RoundBox(35, 39, 12, 14, 2), Rgb(250, 236, 200), edge, 1.2);
  FillOutlined(c, RoundBox(49, 43, 12, 14, 2), Rgb(250, 236, 200), edge, 1.2);
  return SavePng(c, dir + "/swap.png");
}

bool MakeQuitButton(const std::string& dir) {
  Canvas c = MakeCanvas(96, 96);
  RoundButton(c, Rgb(200, 48, 44));
  Sdf cross = Union(Capsule({33, 33}, {63, 63}, 6), Capsule({63, 33}, {33, 63}, 6));
  FillOutlined(c, cross, Rgb(255, 255, 255), Rgb(90, 14, 12, 0.8), 1.5);
  return SavePng(c, dir + "/x.png");
}

}  // namespace

bool MakeGameButtons(const std::string& dir) {
  bool ok = MakeStar(dir);
  ok = MakeSwapButton(dir) && ok;
  return MakeQuitButton(dir) && ok;
}
