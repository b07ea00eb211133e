// System services: clock, sleep, the one random generator, date and time texts,
// memory figures, the development diagnostics channel and ending the process.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// Starts SDL's timer, event and joystick subsystems (idempotent). Video and audio
// are started by graphics/audio on demand.
void InitSystem();

// Milliseconds since the program started. In test mode this is the virtual clock.
int64_t Millisecs();
// Sleeps for ms milliseconds and pumps the window system's events. In test mode
// it only advances the virtual clock: scripted input arrives at PollEvents (and
// so at every Flip), so a wait loop calls PollEvents as well as Delay.
void Delay(int ms);

// The program's one random generator (a 32-bit seeded generator).
void SeedRnd(int32_t seed);
// Uniform whole number in lo..hi inclusive (lo > hi swaps them).
int Rand(int lo, int hi);
// Uniform real in [lo, hi).
double RndReal(double lo, double hi);

// Local date as "09 Dec 2026" (English month names whatever the locale) and local
// time as "19:32:27". Test mode can fix both (see testing.h).
std::string CurrentDate();
std::string CurrentTime();

// Memory figures for the statistics overlay: bytes currently allocated by the
// process heap, and a "collection" figure (bytes the allocator could return).
int64_t MemoryInUse();
int64_t MemoryCollect();

// Development diagnostics channel: timing lines that a normal run discards.
// Set WORDLOOM_DIAG=1 in the environment to have them printed on standard error;
// tests can capture them (testing.h).
void DiagLine(const std::string& text);

// Ends the process with the given status. In test mode this throws
// platform::ProcessEnded instead, so a test can catch it.
[[noreturn]] void EndProcess(int status);

struct ProcessEnded {
    int status;
};

}  // namespace platform
