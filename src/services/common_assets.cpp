#include "services/common_assets.h"

#include <string>

#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "scores/score_records.h"
#include "services/display_setup.h"
#include "services/sound_effects.h"

double FontScale = 1.0;
double SmallFontScale = 1.0;
int Fonts[20];
int FontGrid[100];
int IconsImage = 0, IconsImageSharp = 0;
int LogoImage = 0, SiteLogoImage = 0;
int BadgeSound = 0;
int BadgesImage = 0;
int CommonAssetsLoaded = 0;

namespace {

const char* const kFamilyPlain = "SVBasicManual";
const char* const kFamilyDisplay = "Blue Highway";
const char* const kFamilyFancy = "Acknowledge TT Quon.ttf";

int LoadFamily(const std::string& family, int size) {
    // A family's file is its name followed by ".ttf"; a name that already ends in
    // ".ttf" is the file name itself.
    std::string file = family;
    if (file.size() < 4 || file.compare(file.size() - 4, 4, ".ttf") != 0) file += ".ttf";
    return platform::LoadFont(file, size, true);
}

void DrawStripes(int screenHeight, int screenWidth) {
    SetDrawRotation(-45);
    double blue = 50.0;
    for (int y = 0; y <= screenHeight; y += 10) {
        blue += 0.5;
        SetDrawColour(0, 0, blue);
        platform::DrawRect(-100, 3 * y, screenWidth + 1800, 30);
    }
}

void DrawSplash() {
    StartFrame(1);
    ResetDrawState();
    DrawStripes(ScreenHeight, ScreenWidth);
    ResetDrawState();
    SetDrawScale(1.5, 1.5);
    platform::DrawImage(LogoImage, 0.4 * ScreenHeight, 0.3 * ScreenHeight, 0);
    platform::DrawImage(SiteLogoImage, ScreenWidth - 0.4 * ScreenHeight, 0.7 * ScreenHeight, 0);
    SetDrawScale(1, 1);
    Channels[256] = platform::CueSound(BadgeSound, 0);
    if (Channels[256] != 0) {
        int master = Settings[11] < 0 ? 0 : (Settings[11] > 100 ? 100 : Settings[11]);
        int sound = Settings[12] < 0 ? 0 : (Settings[12] > 100 ? 100 : Settings[12]);
        platform::ChannelVolume(Channels[256], master * sound / 100.0 / 100.0);
        platform::ResumeChannel(Channels[256]);
    }
}

}  // namespace

int LoadFontRole(int role) {
    struct Role {
        const char* family;
        int base;
        int scaling;  // 0 none, 1 FontScale, 2 the small scale
    };
    static const Role roles[14] = {{nullptr, 0, 0},          {kFamilyPlain, 24, 1},   {kFamilyPlain, 16, 2},
                                   {kFamilyPlain, 16, 2},    {kFamilyPlain, 20, 1},   {kFamilyDisplay, 96, 1},
                                   {kFamilyDisplay, 72, 1},  {kFamilyDisplay, 32, 1}, {kFamilyPlain, 32, 1},
                                   {kFamilyPlain, 14, 1},    {kFamilyFancy, 112, 0},  {kFamilyFancy, 96, 0},
                                   {kFamilyFancy, 32, 0},    {kFamilyFancy, 20, 0}};
    if (role < 1 || role > 13) return 0;
    double multiplier = roles[role].scaling == 1 ? FontScale : (roles[role].scaling == 2 ? SmallFontScale : 1.0);
    return LoadFamily(roles[role].family, static_cast<int>(roles[role].base * multiplier));
}

void DrawTitleStripes() { DrawStripes(ScreenHeight, ScreenWidth); }

void ReleaseCommonAssets() {
    for (int& font : Fonts) {
        platform::FreeFont(font);
        font = 0;
    }
    for (int& font : FontGrid) {
        platform::FreeFont(font);
        font = 0;
    }
    for (int* image : {&IconsImage, &IconsImageSharp, &LogoImage, &SiteLogoImage, &BadgesImage}) {
        platform::FreeImage(*image);
        *image = 0;
    }
}

void LoadCommonAssets() {
    platform::AutoMidHandle(true);
    LogLine("");
    LogLine("Loading : Common Objects");
    LogLine("");
    LogLine("Switching to Default Folder");
    LogLine("");
    platform::ChangeDir("../");
    platform::ChangeDir("Common/");
    LogLine("\tDefault Fonts");
    FontScale = 1.0;
    SmallFontScale = 1.0;
    if (DisplayWidth < 900) {
        FontScale = 1.2;
        SmallFontScale = 1.4;
    }
    if (DisplayWidth < 600) {
        FontScale = 1.5;
        SmallFontScale = 2.0;
    }
    for (int i = 1; i <= 13; ++i) {
        platform::FreeFont(Fonts[i]);
        Fonts[i] = LoadFontRole(i);
    }
    static const int gridSizes[9] = {8, 12, 18, 24, 32, 40, 52, 64, 96};
    const char* families[3] = {kFamilyPlain, kFamilyDisplay, kFamilyFancy};
    for (int family = 1; family <= 3; ++family) {
        for (int step = 0; step <= 8; ++step) {
            int& slot = FontGrid[(family - 1) * 10 + step];
            platform::FreeFont(slot);
            slot = LoadFamily(families[family - 1], static_cast<int>(gridSizes[step] * FontScale));
        }
    }
    LogLine("\tDefault Icons");
    int mask = platform::kImageMask, filter = platform::kImageFilter;
    IconsImage = platform::LoadAnimImage("icons.png", 16, 16, 0, 64, mask | filter);
    IconsImageSharp = platform::LoadAnimImage("icons.png", 16, 16, 0, 64, mask);
    LogLine("\tLogos");
    LogoImage = platform::LoadImage("logo.png", mask | filter);
    SiteLogoImage = platform::LoadImage("Velloc.png", mask | filter);
    LogLine("\tBadgeGet");
    if (BadgeSound == 0) BadgeSound = platform::LoadSound("badgeget.wav");
    if (CommonAssetsLoaded == 0) {
        DrawSplash();
        platform::Flip(true);
        CommonAssetsLoaded = 1;
    }
    LogLine("");
    LogLine("Switching to Game Folder");
    platform::ChangeDir("../");
    platform::ChangeDir(GameFolder());
    BadgesImage = platform::LoadAnimImage("badges.png", 64, 64, 0, 16, mask | filter);
    LogLine("");
    LogLine("Loading Sound effects");
    for (int n = 1; n <= 200; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.wav", n);
        if (platform::FileType(name) == 1) {
            LogLine("\tSFX(" + std::to_string(n) + ")");
            int sound = platform::LoadSound(name);
            // Sounds outlive the display; the one loaded before is released.
            if (SoundEffects[n] != 0 && SoundEffects[n] != sound) platform::FreeSound(SoundEffects[n]);
            SoundEffects[n] = sound;
        }
    }
    LogLine("Sounds loaded");
    LogLine("");
    LoadScores();
}
