#include "platform/files.h"

#include <SDL2/SDL.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {
std::string baseOverride;
}

void SetBaseFolder(const std::string& path) { baseOverride = path; }

std::string BaseFolder() {
    if (!baseOverride.empty()) return baseOverride.back() == '/' ? baseOverride : baseOverride + "/";
    char* base = SDL_GetBasePath();
    std::string path = base ? base : "./";
    SDL_free(base);
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

bool ChangeDir(const std::string& path) { return !path.empty() && chdir(path.c_str()) == 0; }

std::string CurrentDir() {
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer)) return std::string();
    std::string path = buffer;
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

int FileType(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return 0;
    if (S_ISDIR(info.st_mode)) return 2;
    if (S_ISREG(info.st_mode)) return 1;
    return 0;
}

bool CreateDir(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }
bool DeleteFile(const std::string& path) { return std::remove(path.c_str()) == 0; }
bool RenameFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

TextReader::TextReader(const std::string& path) {
    if (FileType(path) == 1) file_ = std::fopen(path.c_str(), "rb");
}

TextReader::~TextReader() { Close(); }

void TextReader::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool TextReader::Eof() {
    if (!file_) return true;
    int c = std::fgetc(file_);
    if (c == EOF) return true;
    std::ungetc(c, file_);
    return false;
}

std::string TextReader::ReadLine() {
    std::string line;
    if (!file_) return line;
    int c;
    while ((c = std::fgetc(file_)) != EOF) {
        if (c == '\n' || c == 0) break;
        if (c == '\r') continue;
        // Past the cap the rest of the line is skipped, not kept.
        if (line.size() < kMaxLine) line.push_back(static_cast<char>(c));
    }
    return line;
}

TextWriter::TextWriter(const std::string& path) : path_(path), tempPath_(path + ".tmp") {
    file_ = std::fopen(tempPath_.c_str(), "wb");
}

TextWriter::~TextWriter() {
    if (file_) {
        std::fclose(file_);
        std::remove(tempPath_.c_str());
    }
}

void TextWriter::WriteLine(const std::string& line) {
    if (!file_) return;
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) failed_ = true;
    if (std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
}

bool TextWriter::Commit() {
    if (!file_) return false;
    bool ok = !failed_ && std::fflush(file_) == 0;
    // The data reaches the disk before the rename makes it the file, so a crash
    // leaves either the old file or the whole new one.
    if (ok) ok = fsync(fileno(file_)) == 0;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok) ok = std::rename(tempPath_.c_str(), path_.c_str()) == 0;
    if (!ok) std::remove(tempPath_.c_str());
    return ok;
}

int32_t ByteBlock::PeekInt(size_t offset) const {
    if (offset + 4 > bytes_.size() || offset + 4 < offset) return 0;
    const uint8_t* p = bytes_.data() + offset;
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

void ByteBlock::PokeInt(size_t offset, int32_t value) {
    if (offset + 4 > bytes_.size() || offset + 4 < offset) return;
    uint32_t v = static_cast<uint32_t>(value);
    uint8_t* p = bytes_.data() + offset;
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

bool LoadBlock(const std::string& path, ByteBlock& block) {
    if (FileType(path) != 1) return false;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    if (size < 0) {
        std::fclose(f);
        return false;
    }
    block.Resize(0);
    block.Resize(static_cast<size_t>(size));
    size_t got = size > 0 ? std::fread(block.Data(), 1, static_cast<size_t>(size), f) : 0;
    std::fclose(f);
    return got == static_cast<size_t>(size);
}

bool SaveBlock(const std::string& path, const ByteBlock& block) {
    std::string temp = path + ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(block.Data(), 1, block.Size(), f) == block.Size();
    ok = (std::fclose(f) == 0) && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

}  // namespace platform
