#include "fuzz_support.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/audio.h"

namespace {
std::string scratchFolder;

void RemoveScratchFolder() {
    if (scratchFolder.empty()) return;
    std::error_code ignored;
    std::filesystem::current_path("/tmp", ignored);
    std::filesystem::remove_all(scratchFolder, ignored);
}
}  // namespace

std::string EnterScratchFolder(const std::string& name) {
    // In memory where the system has it: the game syncs every file it saves, and a
    // sync to disk per input would set the pace of the scores target.
    std::error_code ignored;
    const std::string parent = std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : "/tmp";
    std::string pattern = parent + "/wordloom_fuzz_" + name + "_XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) FuzzFailure("cannot create a scratch folder");
    scratchFolder = buffer.data();
    std::filesystem::current_path(scratchFolder);
    std::atexit(RemoveScratchFolder);
    return scratchFolder;
}

void WriteInputFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) FuzzFailure("cannot write " + path);
    if (size > 0 && std::fwrite(data, 1, size, file) != size) FuzzFailure("short write to " + path);
    std::fclose(file);
}

void WriteTinyWav(const std::string& path, int frames, double frequency) {
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
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / platform::kMixRate;
        put16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(12000.0 * std::sin(2.0 * M_PI * frequency * t)))));
    }
    WriteInputFile(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void FuzzFailure(const std::string& what) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

uint32_t InputHash(const uint8_t* data, size_t size) {
    uint32_t h = 2166136261u;  // FNV-1a
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}
