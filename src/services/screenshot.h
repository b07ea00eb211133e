// F11: saves the display as a PNG in Files/, named from the game and the time.
#pragma once
#include <string>

void TakeScreenshot();
// Removes the characters that may not or should not stand in a file name.
std::string SanitiseFileName(const std::string& name);
// The file name for a date ("09 Dec 2026") and time ("19:32:27"), ".png" included.
std::string ScreenshotFileName(const std::string& date, const std::string& time);
