// Checks the committed art and sounds under data/Files against what the game's
// loaders expect: sheet sizes that cut into the right number of frames, sound files
// the audio layer can read, and that assetgen still reproduces every file exactly.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kFiles = fs::path(WORDLOOM_SOURCE_DIR) / "data" / "Files";

// Reads at most limit bytes of a file (every reader of outside bytes is bounded).
std::vector<unsigned char> ReadBytes(const fs::path& p, size_t limit = 8u << 20) {
  std::ifstream in(p, std::ios::binary);
  std::vector<unsigned char> b;
  if (!in) return b;
  b.resize(limit);
  in.read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(limit));
  b.resize(static_cast<size_t>(in.gcount()));
  return b;
}

uint32_t Be32(const std::vector<unsigned char>& b, size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | b[at + 3];
}
uint32_t Le32(const std::vector<unsigned char>& b, size_t at) {
  return b[at] | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) | (uint32_t{b[at + 3]} << 24);
}
uint16_t Le16(const std::vector<unsigned char>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

struct PngHeader {
  bool ok = false;
  uint32_t width = 0, height = 0;
  int depth = 0, colourType = 0;
};

// The PNG signature and the IHDR chunk that must follow it.
PngHeader ReadPngHeader(const fs::path& p) {
  PngHeader h;
  std::vector<unsigned char> b = ReadBytes(p, 64);
  const unsigned char sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (b.size() < 33 || !std::equal(sig, sig + 8, b.begin())) return h;
  if (Be32(b, 8) != 13 || std::string(b.begin() + 12, b.begin() + 16) != "IHDR") return h;
  h.width = Be32(b, 16);
  h.height = Be32(b, 20);
  h.depth = b[24];
  h.colourType = b[25];
  h.ok = true;
  return h;
}

struct WavInfo {
  std::string error;  // empty when the file is a plain 16-bit mono PCM WAV at 44100 Hz
  double seconds = 0;
  int peak = 0;
};

WavInfo ReadWav(const fs::path& p) {
  WavInfo w;
  std::vector<unsigned char> b = ReadBytes(p);
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    w.error = "not a RIFF/WAVE file";
    return w;
  }
  if (Le32(b, 4) + 8 != b.size()) {
    w.error = "RIFF size does not match the file";
    return w;
  }
  bool haveFormat = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    std::string id(b.begin() + at, b.begin() + at + 4);
    uint32_t size = Le32(b, at + 4);
    size_t body = at + 8;
    if (size > b.size() - body) {
      w.error = "chunk " + id + " runs past the end";
      return w;
    }
    if (id == "fmt ") {
      if (size < 16 || Le16(b, body) != 1 || Le16(b, body + 2) != 1 || Le32(b, body + 4) != 44100 || Le16(b, body + 14) != 16) {
        w.error = "format is not 16-bit mono PCM at 44100 Hz";
        return w;
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) {
        w.error = "data before fmt";
        return w;
      }
      if (size % 2 != 0 || size == 0) {
        w.error = "data is not whole 16-bit samples";
        return w;
      }
      for (size_t i = body; i < body + size; i += 2) w.peak = std::max(w.peak, std::abs(static_cast<int16_t>(Le16(b, i)) + 0));
      w.seconds = size / 2 / 44100.0;
      return w;
    }
    at = body + size + (size & 1);
  }
  w.error = haveFormat ? "no data chunk" : "no fmt chunk";
  return w;
}

// Every sound the game loads: the jingle, the effects it plays and the music sample set.
std::vector<std::string> GameSounds() {
  std::vector<std::string> s = {"Common/badgeget.wav"};
  for (int n = 1; n <= 7; ++n) s.push_back("250/00" + std::to_string(n) + ".wav");
  for (int n = 1; n <= 8; ++n) {
    s.push_back("250/music/d1-" + std::to_string(n) + ".wav");
    s.push_back("250/music/d2-" + std::to_string(n) + ".wav");
  }
  for (const char* family : {"bass", "lead", "accompany"})
    for (int n = 1; n <= 2; ++n) s.push_back(std::string("250/music/") + family + std::to_string(n) + ".wav");
  return s;
}

}  // namespace

TEST(AssetSheets, SheetsCutIntoTheFramesTheLoadersExpect) {
  struct Sheet {
    const char* file;
    uint32_t frameW, frameH, frames;
  } sheets[] = {
      {"Common/icons.png", 16, 16, 64},
      {"250/gfx.png", 96, 96, 49},
      {"250/badges.png", 64, 64, 16},
  };
  for (const Sheet& s : sheets) {
    SCOPED_TRACE(s.file);
    PngHeader h = ReadPngHeader(kFiles / s.file);
    ASSERT_TRUE(h.ok);
    EXPECT_EQ(h.depth, 8);
    EXPECT_EQ(h.colourType, 6) << "sheets need an alpha channel";
    EXPECT_EQ(h.width % s.frameW, 0u);
    EXPECT_EQ(h.height % s.frameH, 0u);
    EXPECT_EQ((h.width / s.frameW) * (h.height / s.frameH), s.frames);
  }
}

TEST(AssetSheets, SingleImagesHaveTheirSizesAndAlpha) {
  struct Image {
    const char* file;
    uint32_t w, h;
  } images[] = {
      {"Common/logo.png", 512, 256}, {"Common/Velloc.png", 512, 256}, {"250/star.png", 32, 32},
      {"250/swap.png", 96, 96},      {"250/x.png", 96, 96},
  };
  for (const Image& i : images) {
    SCOPED_TRACE(i.file);
    PngHeader h = ReadPngHeader(kFiles / i.file);
    ASSERT_TRUE(h.ok);
    EXPECT_EQ(h.width, i.w);
    EXPECT_EQ(h.height, i.h);
    EXPECT_EQ(h.colourType, 6);
  }
}

TEST(AssetSheets, EverySoundIsShortCleanPcm) {
  for (const std::string& file : GameSounds()) {
    SCOPED_TRACE(file);
    WavInfo w = ReadWav(kFiles / file);
    ASSERT_EQ(w.error, "");
    EXPECT_GT(w.seconds, 0.01);
    EXPECT_LT(w.seconds, 2.0);
    EXPECT_LT(w.peak, 32767) << "clipped";
    EXPECT_GT(w.peak, 3000) << "nearly silent";
  }
}

TEST(AssetSheets, WavReaderRejectsDamagedFiles) {
  fs::path dir = fs::temp_directory_path() / ("wordloom_wav_" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::vector<unsigned char> good = ReadBytes(kFiles / "250/001.wav");
  ASSERT_GT(good.size(), 44u);
  auto write = [&](const char* name, std::vector<unsigned char> bytes) {
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return dir / name;
  };
  std::vector<unsigned char> cut(good.begin(), good.begin() + 60);
  std::vector<unsigned char> stereo = good;
  stereo[22] = 2;
  std::vector<unsigned char> hugeChunk = good;
  hugeChunk[40] = hugeChunk[41] = hugeChunk[42] = hugeChunk[43] = 0xFF;
  EXPECT_EQ(ReadWav(write("ok.wav", good)).error, "");
  EXPECT_NE(ReadWav(write("cut.wav", cut)).error, "");
  EXPECT_NE(ReadWav(write("stereo.wav", stereo)).error, "");
  EXPECT_NE(ReadWav(write("huge.wav", hugeChunk)).error, "");
  EXPECT_NE(ReadWav(dir / "missing.wav").error, "");
  fs::remove_all(dir);
}

TEST(AssetSheets, InstrumentFamiliesAreNumberedWithoutGaps) {
  // The music player picks an instrument among 1..count, so a gap would leave it a silent slot.
  for (const char* family : {"bass", "lead", "accompany"}) {
    SCOPED_TRACE(family);
    bool seenGap = false;
    for (int n = 1; n <= 8; ++n) {
      bool exists = fs::exists(kFiles / "250/music" / (std::string(family) + std::to_string(n) + ".wav"));
      if (!exists) seenGap = true;
      EXPECT_FALSE(exists && seenGap) << "file " << n << " follows a gap";
    }
  }
}

TEST(AssetSheets, AssetgenReproducesTheCommittedFiles) {
  fs::path tool = fs::path(WORDLOOM_BUILD_DIR) / "tools/assetgen/assetgen";
  if (!fs::exists(tool)) GTEST_SKIP() << "assetgen is not built";
  fs::path out = fs::temp_directory_path() / ("wordloom_assetgen_" + std::to_string(getpid()));
  fs::remove_all(out);
  std::string command = "\"" + tool.string() + "\" \"" + out.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::vector<std::string> generated;
  for (const auto& e : fs::recursive_directory_iterator(out)) {
    if (!e.is_regular_file()) continue;
    std::string rel = fs::relative(e.path(), out).string();
    generated.push_back(rel);
    SCOPED_TRACE(rel);
    ASSERT_TRUE(fs::exists(kFiles / rel)) << "generated but not committed";
    EXPECT_TRUE(ReadBytes(e.path()) == ReadBytes(kFiles / rel)) << "differs from the committed file";
  }
  // Every committed picture and sound must come from the generator.
  for (const auto& e : fs::recursive_directory_iterator(kFiles)) {
    std::string ext = e.path().extension().string();
    if (!e.is_regular_file() || (ext != ".png" && ext != ".wav")) continue;
    std::string rel = fs::relative(e.path(), kFiles).string();
    EXPECT_NE(std::find(generated.begin(), generated.end(), rel), generated.end()) << rel << " is not made by assetgen";
  }
  fs::remove_all(out);
}
