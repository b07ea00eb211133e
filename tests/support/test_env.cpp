#include "support/test_env.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "controls/bindings.h"
#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/settings_panel.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "services/messages.h"

namespace fs = std::filesystem;

namespace testenv {

void Begin() {
    static bool started = false;
    if (!started) {
        platform::EnableTestMode();
        started = true;
    }
    platform::ResetInputForTests();
    platform::SetVirtualClock(0);
    platform::EnableDrawLog(false);
    platform::ClearDrawLog();
    platform::ClearSoundLog();
    platform::DiagLog().clear();
    platform::SetTestRendering(false);
    platform::SetFakeJoysticks({});
    ResetTables();
}

std::string ScratchFolder() {
    static std::mt19937 rng(std::random_device{}());
    fs::path dir = fs::temp_directory_path() / ("wordloom-test-" + std::to_string(rng()));
    fs::create_directories(dir);
    return dir.string() + "/";
}

std::string UseScratchInstall() {
    std::string root = ScratchFolder();
    fs::path staged = fs::path(WORDLOOM_BUILD_DIR) / "Files";
    if (fs::exists(staged)) fs::copy(staged, fs::path(root) / "Files", fs::copy_options::recursive);
    fs::create_directories(fs::path(root) / "Files" / "250");
    fs::create_directories(fs::path(root) / "Files" / "Common");
    for (const char* stale : {"Setup.ini", "Debug.txt"}) fs::remove(fs::path(root) / "Files" / stale);
    fs::remove(fs::path(root) / "Files" / "250" / "scores.dat");
    fs::remove(fs::path(root) / "Files" / "250" / "crash.dat");
    platform::SetBaseFolder(root);
    platform::ChangeDir(root + "Files/250/");
    return root;
}

void OpenScratchDebugLog(const std::string& root) {
    CloseDebugLog();
    platform::ChangeDir(root + "Files/");
    OpenDebugLog();
    platform::ChangeDir(root + "Files/250/");
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void OpenTestDisplay(int width, int height) {
    platform::OpenDisplay(width, height, 0, 60);
    DisplayWidth = width;
    DisplayHeight = height;
    ChooseVirtualSurface();
}

void ResetTables() {
    for (int& entry : Settings) entry = 0;
    SetSettingsDefaults();
    SetControlDefaults();
    for (int& v : SpriteLimit) v = 0;
    for (int& v : SpritesDrawn) v = 0;
    SpriteLimit[1] = SpriteLimit[2] = SpriteLimit[3] = 100000;
    SkipFrame = 0;
    MouseX = MouseY = PrevMouseX = PrevMouseY = 0;
    MouseClicked = RightClicked = 0;
    FrameStartTime = 0;
    FpsAverage = 0;
    FramesPerSecond = 0;
    StatsOverlay = 0;
    SettingsOpen = 0;
    SettingsSlide = -300;
    GameState = 0;
    Comments.clear();
}

void WriteTestWav(const std::string& path, int samples, int amplitude) {
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + samples * 2);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(44100);
    u32(88200);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(samples * 2);
    for (int i = 0; i < samples; ++i) u16(static_cast<uint16_t>(static_cast<int16_t>((i % 100 < 50) ? amplitude : -amplitude)));
}

}  // namespace testenv
