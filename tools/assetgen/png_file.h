// Writes 8-bit RGBA pixels as a PNG file with no time stamp or other varying chunk.
#pragma once

#include <string>
#include <vector>

bool WriteRgbaPng(const std::string& path, int w, int h, const std::vector<unsigned char>& rgba);
