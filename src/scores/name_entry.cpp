#include "scores/name_entry.h"

#include <string>

#include "frame/draw_helpers.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "scores/score_records.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"

namespace {
// The keys and button that confirm must be let go first, so the press that ended
// the game does not confirm the name at once, and the press that confirms the
// name does not start anything on the title screen.
void WaitForRelease() {
    while ((platform::KeyDown(platform::kKeyEscape) || platform::KeyDown(platform::kKeyReturn) ||
            platform::MouseDown(1)) &&
           !platform::AppTerminate()) {
        platform::Delay(10);
        platform::PollEvents();
    }
}

void DrawBackground(int W, int H) {
    SetDrawRotation(-45);
    double v = 50;
    for (int y = 0; y <= H; y += 10) {
        v += 0.5;
        SetDrawColour(100 - v, 0, v);
        platform::DrawRect(-100, 3 * y, W + 1800, 30);
    }
    ResetDrawState();
}
}  // namespace

void EnterName() {
    platform::FlushKeys();
    WaitForRelease();
    bool confirmed = false;
    while (!confirmed) {
        const int W = ScreenWidth, H = ScreenHeight;
        StartFrame(1);
        DrawBackground(W, H);

        // One typed character per frame; "|" separates the fields of the scores
        // file, so it is kept out of names.
        const int c = platform::GetChar();
        if (c >= 32 && c != '|') PlayerName.push_back(static_cast<char>(c));
        if (platform::KeyHit(platform::kKeyBackspace) > 0 && !PlayerName.empty()) PlayerName.pop_back();

        SetDrawColour(0, 255, 0);
        UseFont(Fonts[6]);
        DrawTextAligned(W / 2, H / 2 - 100, "Enter Your Name", 1, 1);
        UseFont(Fonts[5]);
        const std::string cursor = ClockMs() % 600 < 300 ? "_" : " ";
        // Placed by the name alone, so the blinking cursor does not shift it.
        DrawTextAligned(W / 2 - platform::TextWidth(PlayerName) / 2, H / 2, PlayerName + cursor, 0, 1);

        confirmed = platform::KeyHit(platform::kKeyReturn) > 0 || platform::MouseDown(1) ||
                    platform::KeyDown(platform::kKeyEscape);
        EndFrame(1);
    }
    WaitForRelease();
}
