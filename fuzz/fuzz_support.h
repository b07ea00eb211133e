// What the fuzz targets share: a scratch game folder made current for the whole
// run, writing one input into a file there, and failing loudly when a reader
// breaks a promise that the sanitizers cannot see.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Creates wordloom_fuzz_<name>_XXXXXX in /dev/shm (else /tmp), makes it the current folder and removes
// it again when the process ends normally. Returns its path.
std::string EnterScratchFolder(const std::string& name);

// Replaces the file at path by exactly these bytes.
void WriteInputFile(const std::string& path, const uint8_t* data, size_t size);

// Writes a tiny 16-bit mono PCM WAV at the mixer rate: frames samples of a tone.
void WriteTinyWav(const std::string& path, int frames, double frequency);

// Prints what went wrong and aborts, so libFuzzer keeps the input as a crash.
[[noreturn]] void FuzzFailure(const std::string& what);

// A stable 32-bit hash of the input, for choices that must follow from it.
uint32_t InputHash(const uint8_t* data, size_t size);
