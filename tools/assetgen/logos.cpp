// The two logos of the common folder: logo.png, the game's name spelt in letter
// tiles with a thread woven through them, and Velloc.png, the community site's mark.
// Both are 512 x 256 and drawn over dark backdrops (splash, engine test, closing page).
#include <algorithm>
#include <cmath>
#include <string>

#include "art.h"
#include "shapes.h"
#include "text.h"

namespace {

struct Placed {
  char letter;
  int value;
  int x, y;
};

// The woven thread: a wave that rises into the upper row at the first and third
// columns (where it passes over the tiles) and dips into the lower row at the second
// and fourth (where the tiles hide it).
constexpr double kWave = 2 * M_PI / 232.0;
double ThreadY(double x) { return 128 - 15 * std::cos((x - 82) * kWave); }

// The thread between x0 and x1 with flat cut ends, so pieces join without seams.
Sdf ThreadShape(double x0, double x1, double halfWidth) {
  return [=](double x, double y) {
    double slope = 15 * kWave * std::sin((x - 82) * kWave);
    double d = std::fabs(y - ThreadY(x)) / std::sqrt(1 + slope * slope);
    return std::max(d - halfWidth, std::max(x0 - x, x - x1));
  };
}

void DrawThread(Canvas& c, double x0, double x1) {
  Fill(c, ThreadShape(x0, x1, 5.2), Rgb(96, 22, 34));
  Fill(c, ThreadShape(x0, x1, 3.8), [](double, double y) {
    return Mix(Rgb(255, 128, 96), Rgb(214, 52, 64), std::clamp((y - 104) / 48.0, 0.0, 1.0));
  });
  Fill(c, ThreadShape(x0, x1, 1.0), Rgb(255, 190, 160, 0.5));  // sheen along the middle
}

bool MakeGameLogo(const std::string& dir) {
  Canvas c = MakeCanvas(512, 256);
  const int tile = 112, gap = 4, left = 26;
  const char* rows[2] = {"WORD", "LOOM"};
  const int values[2][4] = {{4, 1, 1, 2}, {1, 1, 1, 3}};
  DrawThread(c, 2, 510);
  for (int r = 0; r < 2; ++r)
    for (int col = 0; col < 4; ++col)
      Composite(c, LetterTile(tile, std::string(1, rows[r][col]), values[r][col]), left + col * (tile + gap), 8 + r * 128);
  for (int col = 0; col < 4; col += 2) DrawThread(c, left + col * (tile + gap), left + col * (tile + gap) + tile);
  return SavePng(c, dir + "/logo.png");
}

bool MakeSiteLogo(const std::string& dir) {
  Canvas c = MakeCanvas(512, 256);
  // Emblem: a rounded square badge with a V folded from two bands.
  Canvas shadow = MakeCanvas(512, 256);
  Fill(shadow, RoundBox(22, 58, 140, 140, 34), Rgb(0, 0, 0, 0.6));
  Blur(shadow, 5);
  Composite(c, shadow, 0, 6);
  Fill(c, RoundBox(22, 58, 140, 140, 34), [](double x, double y) {
    double t = std::clamp((x - 22 + y - 58) / 280.0, 0.0, 1.0);
    return Mix(Rgb(40, 200, 190), Rgb(110, 70, 220), t);
  });
  Fill(c, Intersect(RoundBox(22, 58, 140, 140, 34), Circle(92, 30, 110)), Rgb(255, 255, 255, 0.12));
  Sdf left = Capsule({60, 90}, {92, 168}, 11), right = Capsule({124, 90}, {92, 168}, 11);
  Fill(c, Grow(Union(left, right), 0), Rgb(255, 255, 255));
  Fill(c, Intersect(right, Circle(92, 168, 26)), Rgb(220, 226, 245));
  // Word mark.
  TextMask word = RenderText(kRoundFace, 92, "Velloc");
  DrawTextOnBaseline(c, word, 340 + 2, 158 + 4, Rgb(0, 0, 0, 0.45));
  DrawTextOnBaseline(c, word, 340, 158, Rgb(246, 248, 255));
  TextMask line = RenderText(kDisplayFace, 24, "GAMES  \xC2\xB7  SCORES  \xC2\xB7  PLAYERS");
  DrawTextOnBaseline(c, line, 340, 196, Rgb(120, 220, 210));
  return SavePng(c, dir + "/Velloc.png");
}

}  // namespace

bool MakeLogos(const std::string& dir) {
  bool ok = MakeGameLogo(dir);
  return MakeSiteLogo(dir) && ok;
}
