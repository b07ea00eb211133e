// Setup.ini: the player's display, audio and control settings between runs.
#pragma once
#include <string>
#include <vector>

// The settings table, used from 1: 1 full screen, 2 widescreen flag, 3 back end,
// 4 chosen display mode position, 5 width, 6 height, 7 slow-system mode,
// 11 master, 12 sound, 13 music volume (percent), 14 audio driver position.
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
