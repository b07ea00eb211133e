// Text drawn with the TrueType faces of the font packages, as coverage masks that
// are laid onto a canvas in any colour.
#pragma once

#include <string>

#include "canvas.h"

// The faces the art uses; paths are fixed at build time (see CMakeLists.txt).
enum Face { kTileFace = 1, kDisplayFace = 2, kRoundFace = 3, kTextFace = 4 };

bool StartText();  // false when the font library cannot start or a face is missing
void StopText();

struct TextMask {
  Canvas img;            // white, alpha = coverage
  int ascent = 0;        // baseline row inside img
  int inkLeft = 0, inkTop = 0, inkRight = 0, inkBottom = 0;  // tight box of the visible pixels
};

TextMask RenderText(Face face, int pixelSize, const std::string& text);
// Lays the text so that its ink box is centred on (cx, cy).
void DrawTextCentred(Canvas& c, const TextMask& t, double cx, double cy, const Colour& col);
// Lays the text with its ink centred on x and its baseline at row baseline.
void DrawTextOnBaseline(Canvas& c, const TextMask& t, double cx, double baseline, const Colour& col);
// Lays the text with the top-left of its image at (x, y).
void DrawTextAt(Canvas& c, const TextMask& t, int x, int y, const Colour& col);
