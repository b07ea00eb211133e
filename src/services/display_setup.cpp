#include "services/display_setup.h"

#include <cstdio>
#include <string>

#include "frame/debug_log.h"
#include "frame/setup_file.h"
#include "music/music_samples.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "services/common_assets.h"
#include "services/engine_test.h"
#include "services/messages.h"

int ResolutionWidths[2500], ResolutionHeights[2500];
int ResolutionCount = 0;
int DisplayWidth = 800, DisplayHeight = 600;
int ScreenWidth = 1280, ScreenHeight = 960;
int GfxImage = 0, StarImage = 0, SwapImage = 0, CrossImage = 0;

namespace {
const char* const kCrashMarker = "crash.dat";

const char* BackEndName(int backEnd) {
    switch (backEnd) {
        case 0: return "OpenGL";
        case 1: return "OpenGL ES 2";
        case 2: return "Software";
        default: return "none";
    }
}

void ReleaseGameAssets() {
    for (int* image : {&GfxImage, &StarImage, &SwapImage, &CrossImage}) {
        platform::FreeImage(*image);
        *image = 0;
    }
}
}  // namespace

void BuildResolutionList() {
    ResolutionCount = 0;
    int modes = platform::DisplayModeCount();
    for (int i = 0; i < modes; ++i) {
        platform::DisplayMode mode = platform::GetDisplayMode(i);
        int w = mode.width, h = mode.height;
        // 16:10, 16:9 and 4:3 screens, by truncating integer tests.
        bool candidate = h == w * 10 / 16 || h == w * 9 / 16 || h == w * 3 / 4;
        if (!candidate || w <= 0) continue;
        bool known = false;
        for (int k = 1; k <= ResolutionCount; ++k)
            if (ResolutionWidths[k] == w && ResolutionHeights[k] == h) known = true;
        if (known) continue;
        // The table has room for 2,499 modes; further ones are not offered.
        if (ResolutionCount >= 2499) break;
        ++ResolutionCount;
        ResolutionWidths[ResolutionCount] = w;
        ResolutionHeights[ResolutionCount] = h;
        if (w == Settings[5] && h == Settings[6]) {
            Settings[4] = ResolutionCount;
            DisplayWidth = w;
            DisplayHeight = h;
        }
    }
    Settings[5] = DisplayWidth;
    Settings[6] = DisplayHeight;
}

void ChooseVirtualSurface() {
    Settings[2] = 0;
    ScreenWidth = 1280;
    ScreenHeight = 960;
    if (DisplayHeight == DisplayWidth * 9 / 16) {
        Settings[2] = 1;
        ScreenWidth = 1600;
        ScreenHeight = 900;
        LogLine("\tWidescreen mode!");
    } else if (DisplayHeight == DisplayWidth * 10 / 16) {
        Settings[2] = 1;
        ScreenWidth = 1440;
        ScreenHeight = 900;
        LogLine("\tWidescreen mode B (10:16)!");
    }
    platform::SetVirtualResolution(ScreenWidth, ScreenHeight);
}

void ApplyGraphicsSettings() {
    BuildResolutionList();
    LogLine("");
    LogLine("-=-=-=-=-=-=-=-=-=-=-=-=-=-");
    LogLine("Applying Graphical Settings");
    if (CommonAssetsLoaded == 1) {
        ReleaseGameAssets();
        ReleaseCommonAssets();
        platform::CloseDisplay();
        LogLine("\tChanged Graphics Mode ingame.");
    }
    if (platform::FileType(kCrashMarker) == 1 && Settings[3] == 0) Settings[3] = 1;
    if (Settings[3] == 0) {
        platform::SelectBackEnd(0);
        LogLine("\tUsing OpenGL Driver");
    }
    if (Settings[3] == 1) {
        platform::SelectBackEnd(1);
        LogLine("\tUsing DirectX 9 Driver");
    }
    if (Settings[3] == 2) {
        platform::SelectBackEnd(2);
        LogLine("\tUsing DirectX 7 Driver");
    }
    int depth = 0;
    if (Settings[1] == 1) {
        for (int d : {32, 24, 16}) {
            if (platform::FullscreenModeExists(DisplayWidth, DisplayHeight, d, 0)) {
                depth = d;
                break;
            }
        }
        if (depth == 0) AddComment("Can't set to fullscreen in this resolution.", 1);
    }
    LogLine("\tResolution : " + std::to_string(DisplayWidth) + "x" + std::to_string(DisplayHeight) + "," +
            std::to_string(depth));
    { platform::TextWriter marker(kCrashMarker); marker.Commit(); }
    int wanted = Settings[3] >= 0 && Settings[3] <= 2 ? Settings[3] : -1;
    if (!platform::OpenDisplay(DisplayWidth, DisplayHeight, depth, 60)) {
        LogLine("\tNo rendering back end could open the display.");
        std::fprintf(stderr, "Wordloom: no rendering back end could open a %dx%d display.\n", DisplayWidth,
                     DisplayHeight);
        CloseDebugLog();
        platform::EndProcess(1);
    }
    if (wanted >= 0 && platform::ActiveBackEnd() != wanted)
        LogLine(std::string("\t") + BackEndName(wanted) + " back end unavailable, using " +
                BackEndName(platform::ActiveBackEnd()));
    ChooseVirtualSurface();
    LoadCommonAssets();
    LoadGameAssets();
    LogLine("-=-=-=-=-=-=-=-=-=-=-=-=-=-");
    platform::DeleteFile(kCrashMarker);
}

void LoadGameAssets() {
    EngineTest(60, 2);
    LoadMusicSamples();
    ReleaseGameAssets();
    int flags = platform::kImageMask | platform::kImageFilter;
    GfxImage = platform::LoadAnimImage("gfx.png", 96, 96, 0, 49, flags);
    StarImage = platform::LoadImage("star.png", flags);
    SwapImage = platform::LoadImage("swap.png", flags);
    CrossImage = platform::LoadImage("x.png", flags);
}
