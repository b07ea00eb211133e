// assetgen OUT_DIR: draws and synthesises every picture and sound of the game into
// OUT_DIR/Common and OUT_DIR/250. The same build on the same fonts always writes
// the same bytes, so the committed files under data/Files can be checked against it.
#include <cstdio>
#include <filesystem>
#include <string>

#include "art.h"
#include "text.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: assetgen OUT_DIR\n");
    return 2;
  }
  std::string out = argv[1];
  std::string common = out + "/Common", game = out + "/250";
  std::error_code ec;
  std::filesystem::create_directories(common, ec);
  std::filesystem::create_directories(game + "/music", ec);
  if (!StartText()) return 1;

  struct Step {
    const char* name;
    bool (*make)(const std::string&);
    const std::string& dir;
  };
  const Step steps[] = {
      {"icons", MakeIconSheet, common},       {"logos", MakeLogos, common},
      {"jingle", MakeJingle, common},         {"gfx", MakeGfxSheet, game},
      {"buttons", MakeGameButtons, game},     {"badges", MakeBadgeSheet, game},
      {"effects", MakeEffects, game},         {"music", MakeMusicSamples, game},
  };
  int failures = 0;
  for (const Step& s : steps) {
    if (!s.make(s.dir)) {
      std::fprintf(stderr, "assetgen: could not write the %s\n", s.name);
      ++failures;
    }
  }
  StopText();
  return failures == 0 ? 0 : 1;
}
