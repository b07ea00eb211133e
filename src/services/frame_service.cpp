#include "services/frame_service.h"

#include <string>

#include "frame/closing_screen.h"
#include "frame/draw_helpers.h"
#include "frame/settings_panel.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "music/music_player.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "services/common_assets.h"
#include "services/messages.h"
#include "services/pause_menu.h"
#include "services/screenshot.h"

int StatsOverlay = 1;
int64_t FrameStartTime = 0;
int64_t FrameDuration = 0;
int FpsAverage = 0;
int FramesPerSecond = 0;
int64_t CollectionFigure = 0;

int64_t ClockMs() { return platform::Millisecs(); }

namespace {
void DrawStatsOverlay() {
    auto line = [](int y, const std::string& text) { DrawTextAligned(2, y, text, 0, 0); };
    UseFont(Fonts[1]);
    line(2, std::to_string(FramesPerSecond));
    UseFont(Fonts[2]);
    line(40, "Collection : " + std::to_string(CollectionFigure));
    line(60, "Used Memory : " + std::to_string(platform::MemoryInUse()));
    line(80, "Drawn Images : " + std::to_string(SpritesDrawn[1]) + "/" + std::to_string(SpriteLimit[1]));
    line(100, "Drawn Glow : " + std::to_string(SpritesDrawn[2]) + "/" + std::to_string(SpriteLimit[2]));
    line(120, "Drawn Particles : " + std::to_string(SpritesDrawn[3]) + "/" + std::to_string(SpriteLimit[3]));
    line(150, "Hit F12 to remove this");
    SetDrawScale(1.5);
}
}  // namespace

int EndFrame(int showPointer) {
    int result = 0;
    if (platform::KeyHit(platform::kKeyTab)) {
        SettingsOpen = 1 - SettingsOpen;
        WriteSetup();
    }
    if (SkipFrame == 1) CollectionFigure = platform::MemoryCollect();
    if (SkipFrame == 0 || Settings[7] == 0) {
        if (platform::KeyHit(platform::kKeyF11)) TakeScreenshot();
        if (platform::KeyDown(platform::kKeyEscape) && GameState == 1) {
            GameState = 2;
            int64_t opened = ClockMs();
            result = PauseMenu();
            GameState = 1;
            GameStartTime += ClockMs() - opened;
        }
    }
    SettingsPanel();
    ResetDrawState();
    SetDrawScale(1.5);
    UseFont(Fonts[1]);
    if (platform::KeyHit(platform::kKeyF12)) StatsOverlay = 1 - StatsOverlay;
    if (StatsOverlay == 1) DrawStatsOverlay();
    if (showPointer == 1 || SettingsOpen == 1)
        platform::DrawImage(IconsImage, platform::MouseX() + 12, platform::MouseY() + 12, 63);
    PrevMouseX = MouseX;
    PrevMouseY = MouseY;
    MouseX = static_cast<int>(platform::MouseX());
    MouseY = static_cast<int>(platform::MouseY());
    MouseClicked = platform::MouseHit(1);
    RightClicked = platform::MouseHit(2);
    int64_t t;
    do {
        platform::Delay(1);
        t = ClockMs();
    } while (static_cast<double>(t) < FrameStartTime - 2 + 1000.0 / 60.0);
    UpdateMusic();
    DrawComments();
    if (Settings[7] == 0 || (Settings[7] == 1 && SkipFrame == 0)) {
        platform::Flip(false);
    } else {
        // A frame that is not presented still takes the frame's input.
        platform::PollEvents();
    }
    FrameDuration = ClockMs() - FrameStartTime;
    int instant = FrameDuration > 0 ? static_cast<int>(1000 / FrameDuration) : 1000;
    FpsAverage = (instant + 2 * FpsAverage) / 3;
    FramesPerSecond = FpsAverage;
    FrameStartTime = ClockMs();
    SkipFrame = 1 - SkipFrame;
    bool altF4 = platform::KeyDown(platform::kKeyF4) &&
                 (platform::KeyDown(platform::kKeyLAlt) || platform::KeyDown(platform::kKeyRAlt));
    if (altF4 || platform::AppTerminate()) ClosingScreen();
    return result;
}
