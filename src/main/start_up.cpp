#include "main/start_up.h"

#include <string>

#include "controls/bindings.h"
#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "wordgame/tile_bag.h"
#include "wordgame/word_bank.h"

namespace {

// Folders the program expects beside it are made when missing, so a first run
// from a bare build or a damaged install still starts.
bool EnterFolder(const std::string& path) {
    bool created = false;
    if (platform::FileType(path) != 2) created = platform::CreateDir(path);
    platform::ChangeDir(path);
    return created;
}

}  // namespace

void StartUp() {
    SetIdentity();
    platform::InitSystem();
    platform::SetWindowTitle(AppTitleText);

    platform::ShowPointer(false);
    FrameStartTime = ClockMs();
    SpriteLimit[1] = 50000;
    SpriteLimit[2] = 50000;

    SurveyJoysticks();
    SetControlDefaults();
    SetSettingsDefaults();

    platform::ChangeDir(platform::BaseFolder());
    bool createdFiles = EnterFolder("Files/");
    OpenDebugLog();
    LogLine("Marrowby's Emberlane Engine");
    LogLine("----------------------------");
    LogLine("Week #" + std::to_string(WeekNumber));
    LogLine("----------------------------");
    LogLine(AppTitleText);
    LogLine("----------------------------");
    LogLine("");
    LogLine("Loading");
    if (createdFiles) LogLine("\tCreated the missing folder Files/");

    AudioDriverNames = platform::AudioDriverNames();
    ReadSetup();
    LogLine("\tRequested Resolution : " + std::to_string(Settings[5]) + "x" + std::to_string(Settings[6]));
    LogLine("\tSetup Loaded");
    LogLine("");
    LogLine("Grabbing Previous Scores");
    LogLine("");

    if (EnterFolder(GameFolder())) LogLine("\tCreated the missing game folder " + GameFolder());

    LoadWordBank();

    int64_t loadingEnds = ClockMs() + 2500;
    ApplyGraphicsSettings();
    MouseMode = 1;
    BadgeCount = 16;
    GameState = 0;

    FillLetterTables();

    LogLine("Finished Loading");
    while (ClockMs() < loadingEnds) platform::Delay(1);
    TitleLoop();
}
