// A throw-away game folder for the music tests: a music/ folder with tiny
// hand-written WAV samples and song files, made current for the test's length.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/testing.h"

class MusicFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::EnableTestMode();
        platform::OpenAudio();
        char pattern[] = "/tmp/wordloom_music_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::create_directories(folder_ / "music");
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
    }

    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Writes music/<name> with the bytes given.
    void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream out(folder_ / "music" / name, std::ios::binary);
        out << bytes;
    }

    void RemoveFile(const std::string& name) { std::filesystem::remove(folder_ / "music" / name); }

    // Writes music/<name> as a 16-bit mono PCM WAV at the mixer rate: a decaying
    // tone of the given frequency, 0.4 s long, peak amplitude 0.5. Remembers the
    // samples as the mixer would hold them.
    void WriteSample(const std::string& name, double frequency) {
        const int frames = platform::kMixRate * 2 / 5;
        std::vector<int16_t> pcm(frames);
        std::vector<float>& floats = samples_[name];
        floats.assign(frames, 0.0f);
        for (int i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / platform::kMixRate;
            const double value = 0.5 * std::exp(-8.0 * t) * std::sin(2.0 * M_PI * frequency * t);
            pcm[i] = static_cast<int16_t>(std::lround(value * 32767.0));
            floats[i] = static_cast<float>(pcm[i]) / 32768.0f;
        }
        std::string bytes;
        auto put32 = [&bytes](uint32_t v) {
            for (int k = 0; k < 4; ++k) bytes += static_cast<char>((v >> (8 * k)) & 0xFF);
        };
        auto put16 = [&bytes](uint16_t v) {
            bytes += static_cast<char>(v & 0xFF);
            bytes += static_cast<char>(v >> 8);
        };
        const uint32_t dataBytes = static_cast<uint32_t>(frames) * 2;
        bytes += "RIFF";
        put32(36 + dataBytes);
        bytes += "WAVEfmt ";
        put32(16);
        put16(1);  // PCM
        put16(1);  // mono
        put32(platform::kMixRate);
        put32(platform::kMixRate * 2);
        put16(2);
        put16(16);
        bytes += "data";
        put32(dataBytes);
        for (int16_t s : pcm) put16(static_cast<uint16_t>(s));
        WriteFile(name, bytes);
    }

    // Both drum kits, two bass instruments and one lead and accompaniment, each a
    // different tone.
    void WriteSampleSet() {
        for (int n = 1; n <= 8; ++n) {
            WriteSample("d1-" + std::to_string(n) + ".wav", 100.0 + 40.0 * n);
            WriteSample("d2-" + std::to_string(n) + ".wav", 500.0 + 40.0 * n);
        }
        WriteSample("bass1.wav", 110.0);
        WriteSample("bass2.wav", 146.8);
        WriteSample("lead1.wav", 440.0);
        WriteSample("accompany1.wav", 330.0);
    }

    std::filesystem::path folder_;
    std::filesystem::path previous_;
    std::map<std::string, std::vector<float>> samples_;  // by file name
};
