// Windowing and 2D drawing over SDL's renderer. Images, fonts and pixel maps are
// integer handles (0 = none); drawing a 0 handle draws nothing. Every handle
// belongs to the display that was open when it was made: closing the display
// releases all of them.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;
    int refresh = 0;
};

// Display modes of the first screen, in the order the system lists them.
int DisplayModeCount();
DisplayMode GetDisplayMode(int index);
// True when a full-screen mode of this size and depth exists (refresh 0 = any).
bool FullscreenModeExists(int width, int height, int depth, int refresh);

// Back ends: 0 OpenGL, 1 OpenGL ES 2, 2 software. Takes effect at OpenDisplay.
void SelectBackEnd(int backEnd);
// The back end the open display really uses (-1 when none is open).
int ActiveBackEnd();
// Opens a window (depth 0) or a full-screen display. If the selected back end
// cannot be created the next one that can is used; returns false when none can.
bool OpenDisplay(int width, int height, int depth, int refresh);
void CloseDisplay();
bool DisplayOpen();
void SetVirtualResolution(int width, int height);
void SetWindowTitle(const std::string& title);
void ShowPointer(bool show);

void Cls();
// Shows the frame. vsync = true waits for the display's refresh.
void Flip(bool vsync);

// Drawing state, applied to every image, rectangle, line and text.
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(double alpha);
double GetAlpha();
void SetRotation(double degrees);
double GetRotation();
void SetScale(double sx, double sy);
void GetScale(double& sx, double& sy);
// Blend modes: 0 mask, 1 solid, 2 alpha, 3 light (additive), 4 shade (multiply).
enum BlendMode { kMaskBlend = 0, kSolidBlend = 1, kAlphaBlend = 2, kLightBlend = 3, kShadeBlend = 4 };
void SetBlend(int mode);
int GetBlend();

// Image flags.
enum ImageFlags { kImageMask = 1, kImageFilter = 2, kImageDynamic = 4 };
// When on, images loaded afterwards have their handle at their centre.
void AutoMidHandle(bool on);
// Loads a PNG (or BMP) as one image.
int LoadImage(const std::string& path, int flags);
// Loads a sheet cut into cells of frameWidth x frameHeight, left to right, top
// to bottom, starting at cell firstFrame, frameCount cells.
int LoadAnimImage(const std::string& path, int frameWidth, int frameHeight, int firstFrame, int frameCount, int flags);
// An empty image that can receive a grab of the back buffer.
int CreateImage(int width, int height, int flags);
void FreeImage(int image);
int ImageWidth(int image);
int ImageHeight(int image);
int ImageFrames(int image);
void SetImageHandle(int image, double x, double y);
// Copies the back buffer from real display pixel (x, y) into the image.
void GrabImage(int image, int x, int y);
// Draws a frame with the image's handle at (x, y) in virtual coordinates, rotated
// about the handle, scaled, tinted by colour and alpha, in the current blend mode.
void DrawImage(int image, double x, double y, int frame);

// Filled rectangle: rotated about (x, y), scaled.
void DrawRect(double x, double y, double width, double height);
void DrawLine(double x1, double y1, double x2, double y2);

// Fonts: a glyph atlas per font for characters 32..255 (Latin-1).
int LoadFont(const std::string& path, int size, bool smooth);
void FreeFont(int font);
void SetFont(int font);
int GetFont();
// Text is a byte string, one byte per character (Latin-1).
void DrawText(const std::string& text, double x, double y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);
int FontPixelSize(int font);

// Pixel maps: real display pixels, RGBA.
int GrabPixmap(int x, int y, int width, int height);
int PixmapWidth(int pixmap);
int PixmapHeight(int pixmap);
void FreePixmap(int pixmap);
// Saves as PNG with the zlib compression level (0..9). Returns true on success.
bool SavePixmapPNG(int pixmap, const std::string& path, int level);

// Real display size in pixels (0 when no display is open).
int DisplayPixelWidth();
int DisplayPixelHeight();
// Number of live images, fonts and pixmaps: for leak tests and the soak.
int LiveHandleCount();

}  // namespace platform
