// Setup.ini: the player's display, audio and control settings between runs.
#pragma once
#include <string>
#include <vector>

// The settings table, used from 1: 1 full screen, 2 widescreen flag, 3 back end,
// 4 chosen display mode position, 5 width, 6 height, 7 slow-system mode,
// 11 master, 12 sound, 13 music volume (percent), 14 audio driver position.
//
// Entries keep what the file said (a width of 0, a volume of 100000), so the file
// is written back as it was read; whoever uses an entry bounds it there, with
// SettingPercent, SettingClamped or AudioDriverName.
extern int Settings[100];
// The audio drivers the platform offers, in its order.
extern std::vector<std::string> AudioDriverNames;

// Start values of the settings (width 800, height 600, volumes 50 ...).
void SetSettingsDefaults();
// Reads Setup.ini from the current folder (Files/), then chooses the audio driver.
void ReadSetup();
// Writes Setup.ini into the parent of the current folder (the game folder is
// current while the game runs) and comes back.
void WriteSetup();

// One line of the setup file applied to Settings and ControlKeys; drivers is the
// list an "AudioDriver" line is matched against. Returns true when the line was
// an "AudioDriver" line (which switches the automatic driver choice off).
bool ApplySetupLine(const std::string& line, const std::vector<std::string>& drivers);
// The automatic driver choice over drivers: a name beginning with "DIRECT" wins
// (the last one), else the first beginning with "OPENAL" or "FREE"; with no such
// name the current position stands. Returns the chosen position.
int ChooseAudioDriver(const std::vector<std::string>& drivers, int current);
// Makes the driver at Settings entry 14 the platform's audio driver when it exists.
void ApplyAudioDriver();
// The lines WriteSetup writes, in order, without line ends.
std::vector<std::string> SetupFileLines();

// A settings entry bounded for use: SettingPercent gives 0..100 (volumes),
// SettingClamped low..high. Entries outside the table give 0 (or low).
int SettingPercent(int entry);
int SettingClamped(int entry, int low, int high);
// The name at a position of AudioDriverNames, empty when there is none.
std::string AudioDriverName(int position);
