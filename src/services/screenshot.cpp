#include "services/screenshot.h"

#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "main/program_state.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/messages.h"

std::string SanitiseFileName(const std::string& name) {
    static const char removed[] = {'#', '\'', ',', '`', '.', '\\', '/', ':', '|', '*', '?', '"'};
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        bool drop = false;
        for (char r : removed) drop = drop || c == r;
        if (!drop) out.push_back(c);
    }
    return out;
}

std::string ScreenshotFileName(const std::string& date, const std::string& time) {
    return SanitiseFileName(GameName + " " + GameSubtitle + " (Screenshot_" + date + "_" + time + ")") + ".png";
}

void TakeScreenshot() {
    LogLine("");
    LogLine("\tScreenshot");
    platform::ChangeDir("..");
    LogLine("\tGrabbing Screenshot");
    int pixmap = platform::GrabPixmap(0, 0, DisplayWidth, DisplayHeight);
    ResetDrawState();
    UseFont(Fonts[5]);
    DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2 - 30, "Saving Screenshot", 1, 1);
    UseFont(Fonts[6]);
    DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2 + 30, "Sometimes, this takes a while!", 1, 1);
    platform::Flip(true);
    std::string name = ScreenshotFileName(platform::CurrentDate(), platform::CurrentTime());
    // Two screenshots in the same second would share a name: the second one gets
    // the first free " (n)" before the extension instead of replacing the first.
    if (platform::FileType(name) != 0) {
        std::string stem = name.substr(0, name.size() - 4);
        for (int n = 2; n < 10000; ++n) {
            std::string candidate = stem + " (" + std::to_string(n) + ").png";
            if (platform::FileType(candidate) == 0) {
                name = candidate;
                break;
            }
        }
    }
    LogLine("\tSaving Screenshot : " + name);
    bool saved = platform::SavePixmapPNG(pixmap, name, 9);
    platform::FreePixmap(pixmap);
    LogLine("\tSaved Screenshot " + std::to_string(saved ? 1 : 0));
    LogLine("");
    platform::ChangeDir(GameFolder());
    AddComment("Saved Screenshot", 1);
}
