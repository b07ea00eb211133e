// Files and folders: current folder, existence tests, text streams with one byte
// per character, atomic replacement, and byte blocks with 32-bit little-endian access.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// Folder of the executable, ending in '/'.
std::string BaseFolder();
bool ChangeDir(const std::string& path);
std::string CurrentDir();
// 0 = nothing there, 1 = a file, 2 = a folder.
int FileType(const std::string& path);
bool CreateDir(const std::string& path);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);

// Reads a text file line by line. A line is the bytes up to a line feed or a zero
// byte; carriage returns are dropped. Lines longer than maxLine bytes are cut (the
// rest of the line is skipped), so any file is read in bounded memory.
class TextReader {
public:
    static constexpr size_t kMaxLine = 65536;
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;
    bool IsOpen() const { return file_ != nullptr; }
    bool Eof();
    std::string ReadLine();
    void Close();

private:
    FILE* file_ = nullptr;
};

// Writes a text file line by line (each line ended by CR LF). The file is written
// under a temporary name beside the target and renamed over it by Commit(), so a
// crash never leaves a half-written file. Destroying an uncommitted writer
// discards the temporary file.
class TextWriter {
public:
    explicit TextWriter(const std::string& path);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;
    bool IsOpen() const { return file_ != nullptr; }
    void WriteLine(const std::string& line);
    // Flushes, syncs and renames into place. Returns false if anything failed.
    bool Commit();

private:
    FILE* file_ = nullptr;
    std::string path_;
    std::string tempPath_;
    bool failed_ = false;
};

// A fixed-size block of bytes, read and written as 32-bit little-endian integers.
// Reads and writes outside the block are ignored (reads give 0).
class ByteBlock {
public:
    ByteBlock() = default;
    explicit ByteBlock(size_t size) : bytes_(size, 0) {}
    size_t Size() const { return bytes_.size(); }
    void Resize(size_t size) { bytes_.resize(size, 0); }
    int32_t PeekInt(size_t offset) const;
    void PokeInt(size_t offset, int32_t value);
    uint8_t* Data() { return bytes_.data(); }
    const uint8_t* Data() const { return bytes_.data(); }
    std::vector<uint8_t>& Bytes() { return bytes_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

bool LoadBlock(const std::string& path, ByteBlock& block);
bool SaveBlock(const std::string& path, const ByteBlock& block);

// Opens a resource compiled into the program as a block of its exact size.
// Known names: "sowpods_bank_zip.dat". Unknown names give an empty block.
ByteBlock OpenResource(const std::string& name);

}  // namespace platform
