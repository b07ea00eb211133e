// State shared by the platform's own files (never included outside src/platform).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/testing.h"

namespace platform::detail {

struct TestState {
    bool enabled = false;
    int64_t clock = 0;
    std::string date = "09 Dec 2026";
    std::string time = "19:32:27";
    bool drawLog = false;
    std::vector<DrawRecord> draws;
    std::vector<SoundRecord> sounds;
    std::vector<std::string> diag;
    std::function<void(long long)> pollHook;
    long long polls = 0;
    std::vector<FakeJoystick> joysticks;
};
TestState& Test();

// Applies scripted events queued for the next frame (test mode).
void ApplyScriptedFrame();
// Reads SDL's pending events (real mode).
void PumpSdlEvents();
// Mouse scaling from window pixels to the virtual surface.
void WindowToVirtual(double wx, double wy, double& vx, double& vy);

// Records for the draw log (no-op unless enabled).
void LogDraw(const DrawRecord& record);

// Remembers which file a handle was loaded from (for tests and the log).
void NoteHandlePath(int handle, const std::string& path);
void ForgetHandle(int handle);

// Handles of all kinds come from one counter, so a handle is never reused.
int NewHandle();

}  // namespace platform::detail
