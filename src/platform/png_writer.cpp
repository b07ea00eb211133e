#include "platform/png_writer.h"

#include <png.h>

#include <cstdio>

namespace platform {

bool WritePngRgba(const std::string& path, const unsigned char* pixels, int width, int height, int pitch, int level) {
    if (!pixels || width <= 0 || height <= 0) return false;
    std::string temp = path + ".tmp";
    FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool ok = png && info;
    if (ok && setjmp(png_jmpbuf(png))) ok = false;
    else if (ok) {
        png_init_io(png, file);
        png_set_compression_level(png, level < 0 ? 0 : (level > 9 ? 9 : level));
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) png_write_row(png, const_cast<png_bytep>(pixels + y * pitch));
        png_write_end(png, nullptr);
    }
    if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    bool done = (std::fclose(file) == 0) && ok;
    if (done) done = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!done) std::remove(temp.c_str());
    return done;
}

}  // namespace platform
