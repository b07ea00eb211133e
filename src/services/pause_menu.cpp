#include "services/pause_menu.h"

#include <cmath>

#include "controls/bindings.h"
#include "frame/draw_helpers.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"

namespace {

bool AnyPlayerDown(int control) {
    for (int player = 1; player <= 4; ++player)
        if (PlayerControlDown(control, player)) return true;
    return false;
}

void WaitForEscapeRelease() {
    while (platform::KeyDown(platform::kKeyEscape)) {
        platform::PollEvents();
        platform::Delay(1);
    }
}

double SinDegrees(double degrees) { return std::sin(degrees * M_PI / 180.0); }

// The title line scattered over the screen, from a fixed seed so that it stands
// still from frame to frame.
void DrawTitles(int from, int to, double spin) {
    for (int i = from; i <= to; ++i) {
        SetDrawRotation(spin + 2 * i);
        int r = platform::Rand(1, 5) * 50, g = platform::Rand(1, 5) * 50, b = platform::Rand(1, 5) * 50;
        SetDrawColour(r, g, b, 0.4);
        int x = platform::Rand(0, ScreenWidth), y = platform::Rand(0, ScreenHeight);
        DrawTextAligned(x, y, AppTitleText, 1, 1);
    }
}

}  // namespace

int PauseMenu() {
    WaitForEscapeRelease();
    int picture = platform::CreateImage(DisplayWidth, DisplayHeight, platform::kImageFilter);
    platform::SetImageHandle(picture, DisplayWidth / 2.0, DisplayHeight / 2.0);
    platform::GrabImage(picture, 0, 0);
    double spin = 0, phase = 0;
    int selection = 0, result = 0, latch = 1;
    while (result == 0) {
        StartFrame(1);
        ResetDrawState();
        SetBlendKind(1);
        phase += 0.4;
        double scaleX = 1.5 + 0.5 * SinDegrees(phase), scaleY = 1.5 + 0.5 * SinDegrees(1.3 * phase);
        SetDrawScale(scaleX, scaleY);
        spin += 0.1;
        SetDrawRotation(spin);
        UseFont(Fonts[7]);
        platform::DrawImage(picture, ScreenWidth / 2, ScreenHeight / 2, 0);
        platform::SeedRnd(37171650);
        DrawTitles(1, 140, spin);
        SetDrawRotation(0);
        SetDrawScale(1);
        SetDrawColour(0, 0, 0, 0.5);
        platform::DrawRect(0.1 * ScreenWidth, 0.375 * ScreenHeight, ScreenWidth / 6, ScreenHeight / 4);
        bool up = AnyPlayerDown(0) || platform::KeyDown(platform::kKeyUp);
        bool down = AnyPlayerDown(8) || platform::KeyDown(platform::kKeyDown);
        if (up && latch == 0) {
            --selection;
            latch = 1;
        }
        if (down && latch == 0) {
            ++selection;
            latch = 1;
        }
        bool action = AnyPlayerDown(10) || AnyPlayerDown(11) || platform::KeyDown(platform::kKeySpace);
        if (!action && !AnyPlayerDown(8) && !AnyPlayerDown(0) && !platform::KeyDown(platform::kKeyDown) &&
            !platform::KeyDown(platform::kKeyUp))
            latch = 0;
        int y = static_cast<int>(0.375 * ScreenHeight);
        SetDrawColour(255, 255, 255);
        UseFont(Fonts[7]);
        if (selection < 0) selection = 1;
        const char* items[2] = {"Continue", "Quit"};
        for (int item = 0; item <= 1; ++item) {
            y += 60;
            int indent = 0;
            if (item == selection) {
                SetDrawColour(255, 255, 0, 1);
                indent = 20;
                if (action && latch == 0) {
                    latch = 1;
                    result = item == 0 ? 1 : 99;
                }
            } else {
                SetDrawColour(255, 255, 255, 1);
            }
            DrawTextAligned(static_cast<int>(0.1 * ScreenWidth + indent + 10), y, items[item], 0, 0);
        }
        if (selection > 1) selection = 0;
        SetDrawScale(scaleX, scaleY);
        DrawTitles(141, 180, spin);
        EndFrame(1);
        if (platform::KeyDown(platform::kKeyEscape)) result = selection == 1 ? 99 : 1;
    }
    platform::SeedRnd(static_cast<int32_t>(ClockMs()));
    WaitForEscapeRelease();
    platform::FreeImage(picture);
    return result;
}
