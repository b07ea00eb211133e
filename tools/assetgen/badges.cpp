// The badge sheet badges.png: 16 medals of 64 x 64 in a 4 x 4 grid (256 x 256).
// Badge k (frame k - 1) is a medal on a ribbon with the number k; each has its own
// colour so the row of tiny badges in the score table is told apart at a glance.
#include <cmath>
#include <string>

#include "art.h"
#include "shapes.h"
#include "text.h"

namespace {

Colour Hue(double h, double s, double v) {
  double c = v * s, x = c * (1 - std::fabs(std::fmod(h / 60.0, 2) - 1)), m = v - c;
  double r = 0, g = 0, b = 0;
  if (h < 60) r = c, g = x;
  else if (h < 120) r = x, g = c;
  else if (h < 180) g = c, b = x;
  else if (h < 240) g = x, b = c;
  else if (h < 300) r = x, b = c;
  else r = c, b = x;
  return Colour{r + m, g + m, b + m, 1};
}

Canvas Medal(int number) {
  Canvas c = MakeCanvas(64, 64);
  Colour face = Hue(std::fmod((number - 1) * 360.0 / 16 * 7, 360.0), 0.70, 0.92);  // hues spread out
  Colour strapA = Mix(face, Rgb(30, 30, 40), 0.35), strapB = Mix(face, Rgb(255, 255, 255), 0.25);
  // Ribbon: two straps meeting behind the medal.
  FillOutlined(c, Polygon({{14, 1}, {27, 1}, {38, 30}, {27, 34}}), strapA, Rgb(20, 20, 26), 1.2);
  FillOutlined(c, Polygon({{50, 1}, {37, 1}, {26, 30}, {37, 34}}), strapB, Rgb(20, 20, 26), 1.2);
  // Medal: a gold rim around the coloured face.
  Canvas shadow = MakeCanvas(64, 64);
  Fill(shadow, Circle(32, 40, 21), Rgb(0, 0, 0, 0.5));
  Blur(shadow, 2);
  Composite(c, shadow, 1, 2);
  Fill(c, Circle(32, 39, 22), Rgb(70, 50, 16));
  Fill(c, Circle(32, 39, 21), VerticalGradient(18, 60, Rgb(255, 226, 120), Rgb(196, 134, 30)));
  Fill(c, Circle(32, 39, 16.5), Rgb(90, 64, 20));
  Fill(c, Circle(32, 39, 15.5), VerticalGradient(24, 54, Mix(face, Rgb(255, 255, 255), 0.3), Mix(face, Rgb(0, 0, 0), 0.2)));
  Fill(c, Intersect(Circle(32, 39, 15.5), Circle(32, 26, 16)), Rgb(255, 255, 255, 0.22));
  TextMask num = RenderText(kDisplayFace, number >= 10 ? 20 : 23, std::to_string(number));
  DrawTextCentred(c, num, 32 + 0.8, 39 + 1.2, Rgb(0, 0, 0, 0.35));
  DrawTextCentred(c, num, 32, 39, Rgb(255, 255, 255));
  return c;
}

}  // namespace

bool MakeBadgeSheet(const std::string& dir) {
  Canvas sheet = MakeCanvas(256, 256);
  for (int k = 1; k <= 16; ++k) Composite(sheet, Medal(k), ((k - 1) % 4) * 64, ((k - 1) / 4) * 64);
  return SavePng(sheet, dir + "/badges.png");
}
