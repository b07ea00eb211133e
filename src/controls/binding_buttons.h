// The binding buttons of keyboard mode: eight buttons per player laid out like a
// game pad on the settings panel, each showing and capturing one binding.
#pragma once
#include <string>

// Draws the buttons of players 1..4 at the panel's position (SettingsSlide) and,
// while the panel is fully open, rebinds the button under the pointer to whatever
// input is held. Only keyboard mode (MouseMode 0) shows them; the settings panel
// calls this then.
void DrawBindingButtons();

// Icon frame of the strip for a binding: key, axis, hat or button.
int BindingIconFrame(int code);
// The text written on a binding button: "?!" for none, empty for codes that have
// nothing to show (1..8, 255..299).
std::string BindingLabel(int code);
