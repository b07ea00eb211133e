#include <string>

#include "controls/bindings.h"
#include "controls/key_names.h"
#include "frame/closing_screen.h"
#include "frame/draw_helpers.h"
#include "frame/settings_panel.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "main/start_up.h"
#include "main/title_loop.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "scores/score_panel.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "services/sound_effects.h"
#include "wordgame/game_screen.h"

namespace {

void DrawCredits(const TitleState& t) {
    int width = 320, step = 10;
    if (DisplayWidth < 900) {
        width = 416;
        step = 13;
    }
    int offset = width - t.slide * step;
    SetDrawColour(0, 0, 0, 0.6);
    platform::DrawRect(10 - offset, ScreenHeight - 430, width, 422);
    SetDrawColour(255, 255, 255, 1);
    for (int i = 1; i < CreditCount; ++i)
        DrawTextAligned(width / 2 + 5 - offset, ScreenHeight - 428 + (i - 1) * 20, Credits[i], 1, 0);
}

void StartGame(TitleState& t) {
    if (Channels[1] != 0 && platform::ChannelPlaying(Channels[1])) {
        platform::StopChannel(Channels[1]);
        Channels[1] = 0;
    }
    GameState = 1;
    if (MouseMode == 0) platform::MoveMouse(ScreenWidth, ScreenHeight);
    GameStartTime = ClockMs();
    PlayGame();
    GameState = 0;
    t.escapeHeld = 1;
    t.startHeld = 1;
    t.slide = 0;
    ScoreScroll = 0;
    ScoreHighlight = 0;
}

bool AnyStartControl() {
    static const int controls[8] = {10, 11, 12, 13, 0, 8, 3, 5};
    for (int p = 1; p <= 4; ++p)
        for (int c : controls)
            if (PlayerControlDown(c, p)) return true;
    return false;
}

}  // namespace

void TitleFrame(TitleState& t) {
    StartFrame(1);
    ResetDrawState();
    DrawTitleStripes();
    ResetDrawState();
    if (t.slide < 32) ++t.slide;
    DrawCredits(t);
    if (Settings[5] == 800 && ClockMs() % 800 < 400) SetDrawColour(255, 255, 0, 1);
    DrawTextAligned(4, 4, "Hit [Tab] for settings", 0, 0);
    DrawScorePanel(t.slide * 10, CurrentGameMode, CurrentLevel, CurrentGameFlags);

    int d = 800 - t.slide * 25;
    if (MouseMode == 1) {
        SetDrawColour(255, 150, 150, 1);
        bool start = false;
        if (MouseIn(ScreenWidth / 2 - 200, ScreenHeight / 2 + d - 40, 400, 80)) {
            SetDrawColour(255, 255, 255);
            start = t.startPressed == 1 && t.startHeld == 0 && SettingsSlide < -250;
        }
        if (start) StartGame(t);
        UseFont(Fonts[7]);
        DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2 + d, "Click Here to Start", 1, 1);
        t.startPressed = platform::MouseDown(1) ? 1 : 0;
    } else {
        SetDrawColour(255, 255, 255, 1);
        UseFont(Fonts[7]);
        DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2 + d, "Press Start (" + KeyName(ControlKeys[10]) + ") To Begin",
                        1, 1);
        if (t.startPressed == 1 && t.startHeld == 0 && SettingsSlide < -250) StartGame(t);
        t.startPressed = AnyStartControl() ? 1 : 0;
    }
    if (t.startPressed == 0) t.startHeld = 0;

    SetDrawColour(255, 255, 255);
    UseFont(Fonts[5]);
    DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2 - 200 - d, GameName, 1, 1);
    UseFont(Fonts[6]);
    DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2 - 140 + d, GameSubtitle, 1, 1);
    EndFrame(1);
    if (!platform::KeyDown(platform::kKeyEscape)) t.escapeHeld = 0;
    if (t.escapeHeld == 0 && platform::KeyDown(platform::kKeyEscape)) t.quit = 1;
}

void TitleLoop() {
    TitleState t;
    while (t.quit != 1) TitleFrame(t);
    ClosingScreen();
}
