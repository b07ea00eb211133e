// Shared set-up for headless tests: test mode, a scratch copy of the runtime
// folder, a display on the dummy driver and the game's tables at their start
// values.
#pragma once
#include <string>

namespace testenv {

// Test mode on (once per process), input and logs cleared, virtual clock at 0.
void Begin();
// A new empty scratch folder; returns its path ending in '/'.
std::string ScratchFolder();
// A scratch folder holding a copy of the staged Files/ (fonts, images, sounds),
// made the platform's base folder; the current folder becomes its game folder.
std::string UseScratchInstall();
// Starts Debug.txt afresh in the scratch install's Files/ and comes back to its
// game folder, as start-up leaves them.
void OpenScratchDebugLog(const std::string& root);
// The whole content of a file (empty when it is missing).
std::string ReadFile(const std::string& path);
// Opens a dummy display of the given size with the virtual surface set as the
// display setup would, without the engine test.
void OpenTestDisplay(int width, int height);
// Settings and bindings at their start values, frame counters reset.
void ResetTables();
// Writes a small 16-bit mono WAV of the given length in samples.
void WriteTestWav(const std::string& path, int samples, int amplitude = 8000);
// Runs fn, expecting the process to end; returns the exit status (-1 if it did not end).
template <typename Fn>
int RunUntilExit(Fn fn);

}  // namespace testenv

#include "platform/system.h"

template <typename Fn>
int testenv::RunUntilExit(Fn fn) {
    try {
        fn();
    } catch (const platform::ProcessEnded& end) {
        return end.status;
    }
    return -1;
}
