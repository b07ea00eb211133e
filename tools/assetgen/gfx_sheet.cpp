// The game's sheet gfx.png: 7 x 7 cells of 96 x 96. Frames 0-25 the letter tiles
// A-Z, 26 the blank tile, 28-32 the five board slots, 35-40 and 42-47 the two
// halves of the rack tray; every other cell stays clear.
#include <algorithm>
#include <cmath>
#include <string>

#include "art.h"
#include "shapes.h"
#include "text.h"

namespace {

constexpr int kCell = 96;
constexpr int kColumns = 7;

const int kLetterValues[27] = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10, 0};

void PutFrame(Canvas& sheet, const Canvas& cell, int frame) {
  Composite(sheet, cell, (frame % kColumns) * kCell, (frame / kColumns) * kCell);
}

struct SlotLook {
  Colour face;
  const char* label;
  const char* caption;
};

// A sunken board slot: a rim, a face with a soft inner shadow at the top, and the label.
Canvas BoardSlot(const SlotLook& look) {
  Canvas c = MakeCanvas(kCell, kCell);
  Colour rim = Mix(look.face, Rgb(10, 12, 16), 0.55);
  Fill(c, RoundBox(2, 2, 92, 92, 10), rim);
  Colour top = Mix(look.face, Rgb(12, 14, 20), 0.35), bottom = Mix(look.face, Rgb(255, 255, 255), 0.08);
  Fill(c, RoundBox(5, 5, 86, 86, 8), VerticalGradient(5, 91, top, bottom));
  // Inner shadow along the top edge makes the slot read as a recess the tile drops into.
  Canvas shade = MakeCanvas(kCell, kCell);
  Fill(shade, Subtract(RoundBox(0, 0, 96, 96, 0), RoundBox(5, 9, 86, 86, 8)), Rgb(0, 0, 0, 0.55));
  Blur(shade, 3);
  Canvas clip = MakeCanvas(kCell, kCell);
  Fill(clip, RoundBox(5, 5, 86, 86, 8), Rgb(255, 255, 255));
  for (size_t i = 0; i < shade.px.size(); i += 4)
    for (int k = 0; k < 4; ++k) shade.px[i + k] *= clip.px[i + 3];
  Composite(c, shade, 0, 0);
  // A faint highlight on the lower lip.
  Fill(c, Intersect(Ring(RoundBox(5, 5, 86, 86, 8), 1.2), [](double, double y) { return 84 - y; }),
       Rgb(255, 255, 255, 0.18));
  if (look.label[0]) {
    Colour ink = Rgb(255, 255, 255, 0.95);
    TextMask label = RenderText(kDisplayFace, 38, look.label);
    DrawTextOnBaseline(c, label, 48 + 1, 55 + 2, Rgb(0, 0, 0, 0.35));
    DrawTextOnBaseline(c, label, 48, 55, ink);
    TextMask caption = RenderText(kDisplayFace, 14, look.caption);
    DrawTextOnBaseline(c, caption, 48, 74, Rgb(255, 255, 255, 0.8));
  } else {
    // The plain slot carries only a small diamond so an empty board still shows its cells.
    Fill(c, Polygon({{48, 42}, {54, 48}, {48, 54}, {42, 48}}), Rgb(255, 255, 255, 0.10));
  }
  return c;
}

// The rack tray as one long strip in rack coordinates: u = 0 is the screen centre,
// the strip runs from u = -512 to u = 576 (the two halves overlap at 0..64).
constexpr int kTrayLeft = -512, kTrayRight = 576;

Colour WoodAt(double u, double y, const Colour& base, unsigned seed) {
  double warp = ValueNoise(u * 0.012, y * 0.09, seed) * 6.0 + ValueNoise(u * 0.05, y * 0.3, seed + 7) * 1.2;
  double grain = 0.5 + 0.5 * std::sin((y + warp * 3.0) * 1.15);
  double streak = ValueNoise(u * 0.004, y * 0.5, seed + 13);
  double shade = 0.86 + 0.10 * grain + 0.10 * (streak - 0.5);
  return Colour{std::clamp(base.r * shade, 0.0, 1.0), std::clamp(base.g * shade, 0.0, 1.0),
                std::clamp(base.b * shade, 0.0, 1.0), 1.0};
}

Canvas TrayStrip() {
  int width = kTrayRight - kTrayLeft;
  Canvas strip = MakeCanvas(width, kCell);
  Colour back = Rgb(122, 74, 40), ledge = Rgb(176, 116, 64);
  // Back board: the darker wall the tiles lean against.
  Sdf backBoard = RoundBox(0, 10, width, 86, 18);
  Fill(strip, backBoard, [&](double x, double y) {
    Colour w = WoodAt(x + kTrayLeft, y, back, 11);
    double fadeTop = std::clamp((y - 10) / 30.0, 0.0, 1.0);
    return Mix(Mix(w, Rgb(60, 34, 18), 0.35), w, fadeTop);
  });
  // A groove line where the tiles stand.
  Fill(strip, Intersect(RoundBox(6, 72, width - 12, 3, 1.5), backBoard), Rgb(40, 22, 12, 0.8));
  // Front ledge, lighter wood, with a bright top edge and a dark base.
  Sdf ledgeShape = RoundBox(0, 75, width, 21, 9);
  Fill(strip, ledgeShape, [&](double x, double y) {
    Colour w = WoodAt(x + kTrayLeft, y * 1.6, ledge, 29);
    return Mix(w, Rgb(70, 40, 20), std::clamp((y - 80) / 22.0, 0.0, 0.6));
  });
  Fill(strip, Intersect(RoundBox(4, 75, width - 8, 2, 1), ledgeShape), Rgb(236, 190, 130, 0.9));
  // Rim highlight along the top of the back board.
  Fill(strip, Intersect(RoundBox(10, 10, width - 20, 2, 1), backBoard), Rgb(200, 140, 90, 0.7));
  return strip;
}

}  // namespace

Canvas LetterTile(int size, const std::string& letter, int value) {
  double s = size / 96.0;
  Canvas c = MakeCanvas(size, size);
  Sdf body = RoundBox(4 * s, 3 * s, 88 * s, 88 * s, 11 * s);
  // Soft drop shadow beneath the tile.
  Canvas shadow = MakeCanvas(size, size);
  Fill(shadow, RoundBox(5 * s, 6 * s, 87 * s, 87 * s, 11 * s), Rgb(0, 0, 0, 0.55));
  Blur(shadow, std::max(1, static_cast<int>(std::lround(2 * s))));
  Composite(c, shadow, 0, 0);
  // Edge of the tile: darker, shows mostly at the bottom right like a thick piece of wood.
  Fill(c, body, VerticalGradient(3 * s, 91 * s, Rgb(214, 186, 134), Rgb(168, 130, 80)));
  Sdf face = RoundBox(6 * s, 4.5 * s, 83 * s, 82 * s, 9 * s);
  Fill(c, face, VerticalGradient(4 * s, 87 * s, Rgb(254, 244, 218), Rgb(238, 218, 176)));
  // A thin light line on the upper edge of the face catches the light.
  Fill(c, Intersect(Ring(face, 1.4 * s), [=](double, double y) { return -(y - 12 * s); }), Rgb(255, 255, 250, 0.9));
  if (!letter.empty()) {
    Colour ink = Rgb(48, 34, 24);
    TextMask big = RenderText(kTileFace, static_cast<int>(std::lround(62 * s)), letter);
    double letterX = 44 * s, baseline = 68 * s;
    if (value > 0) {
      TextMask small = RenderText(kTileFace, static_cast<int>(std::lround(19 * s)), std::to_string(value));
      double valueWidth = small.inkRight - small.inkLeft, right = 83 * s;
      DrawTextOnBaseline(c, small, right - valueWidth / 2.0, 84 * s, ink);
      // A letter with a tail below the line (Q) moves left so the tail clears the value.
      bool tail = big.inkBottom > big.ascent + 3 * s;
      double inkWidth = big.inkRight - big.inkLeft;
      if (tail) letterX = std::min(letterX, right - valueWidth - 3 * s - inkWidth / 2.0);
    }
    DrawTextOnBaseline(c, big, letterX, baseline, ink);
  }
  return c;
}

bool MakeGfxSheet(const std::string& dir) {
  Canvas sheet = MakeCanvas(kCell * kColumns, kCell * kColumns);
  for (int l = 0; l < 26; ++l) PutFrame(sheet, LetterTile(kCell, std::string(1, static_cast<char>('A' + l)), kLetterValues[l]), l);
  PutFrame(sheet, LetterTile(kCell, "", 0), 26);

  const SlotLook slots[5] = {
      {Rgb(66, 80, 102), "", ""},
      {Rgb(74, 156, 214), "DL", "LETTER \xC3\x97 2"},
      {Rgb(38, 84, 196), "TL", "LETTER \xC3\x97 3"},
      {Rgb(214, 96, 138), "DW", "WORD \xC3\x97 2"},
      {Rgb(206, 58, 44), "TW", "WORD \xC3\x97 3"},
  };
  for (int k = 0; k < 5; ++k) PutFrame(sheet, BoardSlot(slots[k]), 28 + k);

  Canvas strip = TrayStrip();
  for (int k = 1; k <= 6; ++k) {
    PutFrame(sheet, Crop(strip, -512 + (k - 1) * kCell - kTrayLeft, 0, kCell, kCell), 34 + k);
    PutFrame(sheet, Crop(strip, (k - 1) * kCell - kTrayLeft, 0, kCell, kCell), 41 + k);
  }
  return SavePng(sheet, dir + "/gfx.png");
}
