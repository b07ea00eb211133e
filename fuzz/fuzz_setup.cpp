// Setup.ini: any bytes as the setup file, read by ReadSetup. What it reads must
// also survive being written back: the lines WriteSetup would write, applied to
// fresh defaults, give the same settings and keys again.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "controls/bindings.h"
#include "frame/setup_file.h"
#include "fuzz_support.h"
#include "platform/audio.h"
#include "platform/testing.h"

namespace {
void FreshSettings() {
    SetSettingsDefaults();
    std::fill(std::begin(ControlKeys), std::end(ControlKeys), 0);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::EnableTestMode();
    EnterScratchFolder("setup");
    // Made-up names for every branch of the driver choice, then the real ones, so
    // that choosing a driver that exists is reached too.
    AudioDriverNames = {"OpenAL Soft", "FreeAudio", "DirectSound", "Direct Out"};
    for (const std::string& name : platform::AudioDriverNames())
        if (std::find(AudioDriverNames.begin(), AudioDriverNames.end(), name) == AudioDriverNames.end())
            AudioDriverNames.push_back(name);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshSettings();
    WriteInputFile("Setup.ini", data, size);
    ReadSetup();

    int settings[100];
    int keys[101];
    std::memcpy(settings, Settings, sizeof settings);
    std::memcpy(keys, ControlKeys, sizeof keys);

    const std::vector<std::string> lines = SetupFileLines();
    FreshSettings();
    for (const std::string& line : lines) ApplySetupLine(line, AudioDriverNames);
    for (int entry : {1, 3, 5, 6, 7, 11, 12, 13, 14})
        if (Settings[entry] != settings[entry])
            FuzzFailure("setting " + std::to_string(entry) + " read " + std::to_string(settings[entry]) +
                        ", after writing and reading back " + std::to_string(Settings[entry]));
    for (int i = 0; i < 100; ++i)
        if (ControlKeys[i] != keys[i])
            FuzzFailure("key " + std::to_string(i) + " read " + std::to_string(keys[i]) +
                        ", after writing and reading back " + std::to_string(ControlKeys[i]));
    return 0;
}
