#include "frame/closing_screen.h"

#include "controls/bindings.h"
#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "scores/score_records.h"
#include "services/common_assets.h"

namespace {

bool AnyInput() {
    if (CaptureControl() > 0) return true;
    if (platform::MouseDown(1) || platform::MouseDown(2)) return true;
    if (platform::KeyDown(platform::kKeyF4) &&
        (platform::KeyDown(platform::kKeyLAlt) || platform::KeyDown(platform::kKeyRAlt)))
        return true;
    return platform::AppTerminate();
}

}  // namespace

void ClosingScreen() {
    platform::ShowPointer(true);
    WriteSetup();
    SaveScores();
    LogLine("Closing Up");
    LogLine("");
    LogLine("Bye!");
    LogLine("");
    LogLine("Play again, soon!!");
    // The page is a small window of its own; the fonts it uses are loaded again
    // for it, since those of the game's display go with that display.
    ReleaseCommonAssets();
    platform::CloseDisplay();
    platform::ClearAppTerminate();
    platform::OpenDisplay(640, 480, 0, 60);
    platform::Cls();
    SetDrawColour(0, 0, 80, 1);
    platform::DrawRect(0, 0, 640, 480);
    platform::ChangeDir("../");
    platform::ChangeDir("Common/");
    // The page is laid out in pixels of its own fixed window, so its fonts take
    // their base sizes whatever the game's display was.
    FontScale = 1.0;
    SmallFontScale = 1.0;
    for (int role = 6; role <= 9; ++role) Fonts[role] = LoadFontRole(role);
    SetBlendKind(1);
    SetDrawColour(255, 255, 255, 1);
    platform::AutoMidHandle(false);
    int mask = platform::kImageMask | platform::kImageFilter;
    int logo = platform::LoadImage("logo.png", mask);
    int site = platform::LoadImage("Velloc.png", mask);
    SetDrawScale(0.5, 0.5);
    platform::DrawImage(logo, 0, 0, 0);
    platform::DrawImage(site, 384, 224, 0);
    SetDrawScale(1);
    SetDrawColour(0, 0, 0, 0.8);
    UseFont(Fonts[6]);
    DrawTextAligned(2, 222, "Thanks for Playing", 0, 0);
    UseFont(Fonts[7]);
    DrawTextAligned(52, 276, "Send Feedback!", 0, 0);
    SetDrawColour(255, 255, 255, 1);
    UseFont(Fonts[6]);
    DrawTextAligned(0, 220, "Thanks for Playing", 0, 0);
    UseFont(Fonts[7]);
    DrawTextAligned(50, 274, "Send Feedback!", 0, 0);
    SetDrawColour(180, 255, 255, 1);
    UseFont(Fonts[8]);
    DrawTextAligned(320, 4, "This Game is Free", 0, 0);
    UseFont(Fonts[9]);
    const struct {
        int y;
        const char* text;
    } lines[] = {{44, "I do not ask for money."},
                 {64, "I create these games for fun."},
                 {84, "All I ask is that players send some feedback."},
                 {104, "A comment, an email, a vote."},
                 {134, "Do the right thing."},
                 {164, "Support Homebrew games by"},
                 {184, "saying thanks to their developers."}};
    for (const auto& line : lines) DrawTextAligned(270, line.y, line.text, 0, 0);
    platform::Flip(false);
    platform::PollEvents();
    while (!AnyInput()) {
        platform::Delay(1);
        platform::PollEvents();
    }
    platform::CloseDisplay();
    CloseDebugLog();
    platform::EndProcess(0);
}
