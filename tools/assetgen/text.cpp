#include "text.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <utility>

static std::map<std::pair<int, int>, TTF_Font*> OpenFaces;

static const char* FacePath(Face face) {
  switch (face) {
    case kTileFace: return ASSETGEN_FONT_TILE;
    case kDisplayFace: return ASSETGEN_FONT_DISPLAY;
    case kRoundFace: return ASSETGEN_FONT_ROUND;
    case kTextFace: return ASSETGEN_FONT_TEXT;
  }
  return "";
}

bool StartText() {
  if (TTF_Init() != 0) return false;
  for (Face f : {kTileFace, kDisplayFace, kRoundFace, kTextFace}) {
    TTF_Font* probe = TTF_OpenFont(FacePath(f), 12);
    if (!probe) {
      std::fprintf(stderr, "assetgen: cannot open font %s\n", FacePath(f));
      return false;
    }
    TTF_CloseFont(probe);
  }
  return true;
}

void StopText() {
  for (auto& [key, font] : OpenFaces) TTF_CloseFont(font);
  OpenFaces.clear();
  TTF_Quit();
}

static TTF_Font* FaceAt(Face face, int size) {
  auto key = std::make_pair(static_cast<int>(face), size);
  auto it = OpenFaces.find(key);
  if (it != OpenFaces.end()) return it->second;
  TTF_Font* f = TTF_OpenFont(FacePath(face), size);
  if (f) TTF_SetFontHinting(f, TTF_HINTING_NONE);
  OpenFaces[key] = f;
  return f;
}

TextMask RenderText(Face face, int pixelSize, const std::string& text) {
  TextMask t;
  TTF_Font* font = FaceAt(face, pixelSize);
  if (!font || text.empty()) {
    t.img = MakeCanvas(1, 1);
    return t;
  }
  SDL_Color white{255, 255, 255, 255};
  SDL_Surface* s = TTF_RenderUTF8_Blended(font, text.c_str(), white);
  if (!s) {
    t.img = MakeCanvas(1, 1);
    return t;
  }
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(s);
  t.img = MakeCanvas(rgba->w, rgba->h);
  t.ascent = TTF_FontAscent(font);
  int l = rgba->w, r = -1, top = rgba->h, bot = -1;
  for (int y = 0; y < rgba->h; ++y) {
    const unsigned char* row = static_cast<const unsigned char*>(rgba->pixels) + y * rgba->pitch;
    for (int x = 0; x < rgba->w; ++x) {
      double a = row[x * 4 + 3] / 255.0;
      double* p = &t.img.px[(static_cast<size_t>(y) * rgba->w + x) * 4];
      p[0] = p[1] = p[2] = p[3] = a;
      if (a > 0.02) {
        l = std::min(l, x);
        r = std::max(r, x);
        top = std::min(top, y);
        bot = std::max(bot, y);
      }
    }
  }
  SDL_FreeSurface(rgba);
  if (r < 0) l = r = top = bot = 0;
  t.inkLeft = l;
  t.inkRight = r + 1;
  t.inkTop = top;
  t.inkBottom = bot + 1;
  return t;
}

void DrawTextAt(Canvas& c, const TextMask& t, int x, int y, const Colour& col) {
  Composite(c, Silhouette(t.img, col), x, y);
}

void DrawTextCentred(Canvas& c, const TextMask& t, double cx, double cy, const Colour& col) {
  int x = static_cast<int>(std::lround(cx - (t.inkLeft + t.inkRight) / 2.0));
  int y = static_cast<int>(std::lround(cy - (t.inkTop + t.inkBottom) / 2.0));
  DrawTextAt(c, t, x, y, col);
}

void DrawTextOnBaseline(Canvas& c, const TextMask& t, double cx, double baseline, const Colour& col) {
  int x = static_cast<int>(std::lround(cx - (t.inkLeft + t.inkRight) / 2.0));
  int y = static_cast<int>(std::lround(baseline - t.ascent));
  DrawTextAt(c, t, x, y, col);
}
