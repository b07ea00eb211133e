// The settings panel that slides down over any screen (Tab).
#pragma once
#include <string>

extern int SettingsOpen;   // 1 while the panel is wanted open
extern int SettingsSlide;  // -300 closed .. 20 open

// Once per frame, called by EndFrame.
void SettingsPanel();
// A row showing the choice of Settings[setting] that steps it on a click;
// returns 1 while the pointer is over it. y is relative to the panel.
int OptionRow(int setting, int x, int y, int icon, const std::string& label0, const std::string& label1 = "",
              const std::string& label2 = "", const std::string& label3 = "", const std::string& label4 = "",
              const std::string& label5 = "");
// A slider for a percent value; y is absolute. Returns the possibly changed value.
int VolumeSlider(int value, int x, int y, const std::string& label);
