#include "services/engine_test.h"

#include <string>

#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"

int TargetFps = 60;

namespace {
void DrawBackdrop() {
    StartFrame(1);
    ResetDrawState();
    DrawTitleStripes();
    ResetDrawState();
    SetDrawScale(1.5, 1.5);
    platform::DrawImage(LogoImage, 0.3 * ScreenWidth, 0.3 * ScreenHeight, 0);
    platform::DrawImage(SiteLogoImage, 0.7 * ScreenWidth, 0.7 * ScreenHeight, 0);
    SetDrawScale(1, 1);
}
}  // namespace

void SetSpriteBudgets(int best) {
    SpriteLimit[1] = static_cast<int>(best * 0.4);
    SpriteLimit[2] = static_cast<int>(best * 0.4);
    SpriteLimit[3] = static_cast<int>(best * 0.2);
    LogLine("");
    LogLine("Engine Test Results");
    LogLine("");
    LogLine("\tMaximum Sprites Allowed for " + std::to_string(TargetFps) + " Frames Per Second");
    LogLine("\tMain sprites : " + std::to_string(SpriteLimit[1]));
    LogLine("\tGlowy Sprites : " + std::to_string(SpriteLimit[2]));
    LogLine("\tParticles : " + std::to_string(SpriteLimit[3]));
    LogLine("");
    if (SpriteLimit[1] < 1000) {
        SpriteLimit[1] = 1000;
        TargetFps = 30;
        Settings[7] = 1;
    }
    if (SpriteLimit[2] < 500) SpriteLimit[2] = 500;
    if (SpriteLimit[3] < 250) SpriteLimit[3] = 250;
    if (TargetFps == 30) LogLine("Settings Overwritten, Set to Default Lower Limits at 30fps.");
    LogLine("");
}

void EngineTest(int target, int testScale) {
    StatsOverlay = 0;
    if (Settings[7] == 1) target = 30;
    TargetFps = target;
    SpriteLimit[1] = 500;
    SpriteLimit[2] = 500;
    SpriteLimit[3] = 250;
    LogLine("Starting Engine Test");
    LogLine("Aiming for " + std::to_string(target) + "," + std::to_string(testScale));
    int best = 0;
    for (int n = 500; n <= 20000; n += 500) {
        for (int frame = 0; frame < 8; ++frame) {
            DrawBackdrop();
            for (int i = 0; i <= n; ++i) {
                platform::SetRotation(platform::Rand(1, 360));
                platform::SetColor(0, 0, 0);
                platform::SetAlpha(0);
                platform::SetScale(testScale, testScale);
                platform::DrawImage(IconsImageSharp, platform::Rand(1, ScreenWidth), platform::Rand(1, ScreenHeight),
                                    0);
            }
            EndFrame(0);
        }
        platform::DiagLine("Engine test: " + std::to_string(n) + " sprites at " + std::to_string(FramesPerSecond) +
                           " fps");
        if (n > 500 && FramesPerSecond >= target - 2) best = n;
        if (n > 500 && FramesPerSecond <= target - 2) break;
    }
    LogLine("Test Complete");
    SetSpriteBudgets(best);
    StatsOverlay = 0;
}
