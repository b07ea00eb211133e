// Test mode: headless real SDL (dummy video and audio drivers, software renderer),
// a virtual clock, scripted input, and logs of what was drawn and played. Game code
// cannot tell that it runs in test mode.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/graphics.h"

namespace platform {

// Must be called before anything else of the platform. Sets SDL's dummy video
// and audio drivers and the software renderer, the virtual clock at 0 and the
// date and time texts to fixed values.
void EnableTestMode();
bool InTestMode();

// Virtual clock.
void SetVirtualClock(int64_t ms);
void AdvanceVirtualClock(int64_t ms);
// Fixes what CurrentDate and CurrentTime return ("09 Dec 2026", "19:32:27").
void SetFakeDateTime(const std::string& date, const std::string& time);

// Scripted input. Events are queued and applied by PollEvents, one frame's worth
// at a time: everything queued before a FrameMark is applied at one poll.
// Key codes are Windows virtual-key codes.
void ScriptKeyDown(int code);
void ScriptKeyUp(int code);
void ScriptKeyTap(int code);  // down now, up at the next frame
void ScriptChar(int latin1);
void ScriptMouseMove(double virtualX, double virtualY);
void ScriptMouseDown(int button);
void ScriptMouseUp(int button);
void ScriptClose();
// Ends one frame's worth of scripted events.
void ScriptFrameMark();
// Called at every PollEvents with the number of polls so far, before the queue is
// applied: lets a test drive input frame by frame from a callback.
void SetPollHook(std::function<void(long long poll)> hook);
// Sets a joystick state for the joystick functions of input.h (test mode only).
struct FakeJoystick {
    std::string name = "Test Pad";
    int buttons = 4;
    double axes[6] = {0, 0, 0, 0, 0, 0};
    double hat = -1;
    bool buttonDown[32] = {};
};
void SetFakeJoysticks(const std::vector<FakeJoystick>& joysticks);
// Direct access for tests that change a fake joystick's state.
FakeJoystick* FakeJoy(int port);

// Draw log: every drawing operation, in order.
struct DrawRecord {
    std::string op;      // "image", "rect", "line", "text", "cls", "flip", "grab"
    int handle = 0;      // image or font
    int frame = 0;
    std::string text;
    double x = 0, y = 0, w = 0, h = 0;
    double rotation = 0, sx = 1, sy = 1;
    int r = 255, g = 255, b = 255;
    double alpha = 1;
    int blend = 2;
};
void EnableDrawLog(bool on);
std::vector<DrawRecord>& DrawLog();
void ClearDrawLog();

// Sound log: every channel start (resume) with its sound, volume, pan and rate,
// and every stop.
struct SoundRecord {
    std::string op;  // "play" or "stop"
    int sound = 0;
    int channel = 0;
    double volume = 1, pan = 0, rate = 1;
};
std::vector<SoundRecord>& SoundLog();
void ClearSoundLog();

// Lines sent to the development diagnostics channel.
std::vector<std::string>& DiagLog();

// Path of a file loaded by LoadFont/LoadImage/LoadSound for a handle (for tests).
std::string HandlePath(int handle);
int FontSizeOf(int font);

}  // namespace platform

namespace platform {
// Replaces the display mode list the platform reports (test mode only).
void SetFakeDisplayModes(const std::vector<DisplayMode>& modes);
// Makes the given back ends fail to open (test mode), to test the fall-through.
void SetFailingBackEnds(const std::vector<int>& backEnds);
// Test mode has no audio device: the mixer advances with the virtual clock. When a
// capture is on, the mixed stereo output is appended to it.
void CaptureMixedAudio(std::vector<float>* out);
}  // namespace platform

namespace platform {
// Headless drawing goes to the draw log only; turn real rendering on for tests
// that read pixels back (screenshots, the pause menu's grab).
void SetTestRendering(bool on);
// Makes BaseFolder() return this folder instead of the executable's.
void SetBaseFolder(const std::string& path);
// Clears keys, buttons, typed characters, the script queue and the poll hook.
void ResetInputForTests();
}  // namespace platform
