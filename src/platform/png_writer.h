// PNG writing with libpng, at a chosen zlib compression level.
#pragma once
#include <string>

namespace platform {
// Writes RGBA pixels (rows of pitch bytes) as a PNG file; true on success. The
// file is written under a temporary name and renamed into place.
bool WritePngRgba(const std::string& path, const unsigned char* pixels, int width, int height, int pitch, int level);
}
