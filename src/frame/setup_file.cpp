#include "frame/setup_file.h"

#include <algorithm>
#include <cstdlib>

#include "controls/bindings.h"
#include "frame/debug_log.h"
#include "frame/text_fields.h"
#include "main/program_state.h"
#include "platform/audio.h"
#include "platform/files.h"

int Settings[100];
std::vector<std::string> AudioDriverNames;

namespace {

// A real setup file has about 130 lines; a file of millions of lines is not one,
// and reading it through would flood the debug log.
constexpr int kMaxSetupLines = 100000;

bool BeginsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// ReadInt saturates at +-INT_MAX, so the absolute value cannot overflow.
int AbsoluteInt(const std::string& text) { return std::abs(ReadInt(text)); }

}  // namespace

void SetSettingsDefaults() {
    std::fill(std::begin(Settings), std::end(Settings), 0);
    Settings[5] = 800;
    Settings[6] = 600;
    Settings[11] = 50;
    Settings[12] = 50;
    Settings[13] = 50;
}

bool ApplySetupLine(const std::string& line, const std::vector<std::string>& drivers) {
    const std::string key = UpperCase(TrimBlanks(GetField(line, '=', 1)));
    const std::string value = TrimBlanks(GetField(line, '=', 2));
    if (key == "AUDIODRIVER") {
        for (size_t i = 0; i < drivers.size(); ++i)
            if (drivers[i] == value) Settings[14] = static_cast<int>(i);
        return true;
    }
    if (key == "FULLSCREEN") {
        // The file can only switch full screen on; it is off unless a line says so.
        const std::string v = UpperCase(value);
        if (v == "TRUE" || v == "ON") {
            Settings[1] = 1;
            LogLine("\tSetting to Fullscreen");
        }
    } else if (key == "GFX ENGINE" || key == "GFXENGINE") {
        const std::string v = UpperCase(value);
        if (v == "DX9") {
            Settings[3] = 1;
            LogLine("\tDirectX 9 Mode");
        } else if (v == "DX7") {
            Settings[3] = 2;
            LogLine("\tDirectX 7 Mode");
        }
    } else if (key == "WIDTH") {
        Settings[5] = AbsoluteInt(value);
    } else if (key == "HEIGHT") {
        Settings[6] = AbsoluteInt(value);
    } else if (key == "MASTER") {
        Settings[11] = AbsoluteInt(value);
    } else if (key == "SOUND") {
        Settings[12] = AbsoluteInt(value);
    } else if (key == "MUSIC") {
        Settings[13] = AbsoluteInt(value);
    } else if (key == "ESS") {
        // Any ESS line at all means a slow system; the writer leaves it out otherwise.
        Settings[7] = 1;
        LogLine("\tAssuming Emergency Slow System values.");
    } else if (key == "KEY") {
        const int index = AbsoluteInt(GetField(value, ',', 1));
        const int code = AbsoluteInt(GetField(value, ',', 2));
        if (index < 100) ControlKeys[index] = code;
    }
    return false;
}

int ChooseAudioDriver(const std::vector<std::string>& drivers, int current) {
    bool taken = false;
    for (size_t i = 0; i < drivers.size(); ++i) {
        const std::string head = UpperCase(drivers[i].substr(0, 6));
        if (BeginsWith(head, "DIRECT")) {
            current = static_cast<int>(i);
            taken = true;
        } else if (!taken && (BeginsWith(head, "OPENAL") || BeginsWith(head, "FREE"))) {
            current = static_cast<int>(i);
            taken = true;
        }
    }
    return current;
}

void ApplyAudioDriver() {
    const std::string name = AudioDriverName(Settings[14]);
    if (name.empty() || !platform::AudioDriverExists(name)) return;
    // An OpenAL driver needs the OpenAL library. Drivers come from the platform's own
    // list, so an OpenAL driver that the platform reports as existing is installed;
    // no separate test is made.
    platform::SetAudioDriver(name);
}

void ReadSetup() {
    bool driverNamed = false;
    if (platform::FileType("Setup.ini") == 1) {
        platform::TextReader reader("Setup.ini");
        if (reader.IsOpen()) {
            LogLine("\tReading Setup File");
            int lines = 0;
            while (!reader.Eof()) {
                if (++lines > kMaxSetupLines) {
                    LogLine("\tSetup File too long, the rest is ignored");
                    break;
                }
                if (ApplySetupLine(reader.ReadLine(), AudioDriverNames)) driverNamed = true;
            }
            reader.Close();
        }
    }
    // A driver named by the file stands even when it matched nothing.
    if (!driverNamed) Settings[14] = ChooseAudioDriver(AudioDriverNames, Settings[14]);
    LogLine("Setting Audio Driver");
    ApplyAudioDriver();
    LogLine("Set Audio Driver");
    LogLine("");
}

std::vector<std::string> SetupFileLines() {
    std::vector<std::string> lines;
    lines.push_back("[Graphics]");
    if (Settings[1] == 0) lines.push_back("Fullscreen = False");
    if (Settings[1] == 1) lines.push_back("Fullscreen = True");
    if (Settings[3] == 0) lines.push_back("GFX Engine = OpenGL");
    if (Settings[3] == 1) lines.push_back("GFX Engine = DX9");
    if (Settings[3] == 2) lines.push_back("GFX Engine = DX7");
    lines.push_back("Width=" + std::to_string(Settings[5]));
    lines.push_back("Height=" + std::to_string(Settings[6]));
    if (Settings[7] == 1)
        lines.push_back("ESS=1 ; This is a slow system, and things must run a wee bit slower for it.  Awww..");
    lines.push_back("");
    lines.push_back("[Audio]");
    lines.push_back("Master = " + std::to_string(Settings[11]));
    lines.push_back("Sound = " + std::to_string(Settings[12]));
    lines.push_back("Music = " + std::to_string(Settings[13]));
    lines.push_back("AudioDriver = " + AudioDriverName(Settings[14]));
    for (const std::string& name : AudioDriverNames) lines.push_back("; AudioDriver = " + name);
    lines.push_back("");
    lines.push_back("[Controls]");
    for (int i = 0; i < 100; ++i)
        if (ControlKeys[i] > 0) lines.push_back("Key=" + std::to_string(i) + "," + std::to_string(ControlKeys[i]));
    return lines;
}

void WriteSetup() {
    const std::string here = platform::CurrentDir();
    if (!platform::ChangeDir("..")) {
        LogLine("\tSetup File not saved: no parent folder");
        return;
    }
    {
        platform::TextWriter writer("Setup.ini");
        bool ok = writer.IsOpen();
        if (ok) {
            for (const std::string& line : SetupFileLines()) writer.WriteLine(line);
            ok = writer.Commit();
        }
        // The old file stays whole when the new one could not be written.
        if (!ok) LogLine("\tSetup File could not be saved");
    }
    // Back into the game folder; should that fail, back to wherever we were.
    if (!platform::ChangeDir(GameFolder())) platform::ChangeDir(here);
}

int SettingClamped(int entry, int low, int high) {
    if (low > high) std::swap(low, high);
    if (entry < 0 || entry >= 100) return low;
    return std::clamp(Settings[entry], low, high);
}

int SettingPercent(int entry) { return SettingClamped(entry, 0, 100); }

std::string AudioDriverName(int position) {
    if (position < 0 || static_cast<size_t>(position) >= AudioDriverNames.size()) return "";
    return AudioDriverNames[position];
}
