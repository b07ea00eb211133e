#include "platform/graphics.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "platform/input.h"
#include "platform/internal.h"
#include "platform/png_writer.h"
#include "platform/system.h"

namespace platform {

namespace {

struct Image {
    SDL_Texture* texture = nullptr;
    int textureW = 0, textureH = 0;
    int frameW = 0, frameH = 0;
    int firstFrame = 0, frames = 1, columns = 1;
    double handleX = 0, handleY = 0;
    int flags = 0;
};

struct Glyph {
    SDL_Rect source{0, 0, 0, 0};
    int offsetX = 0, offsetY = 0;  // of the glyph image relative to the pen, top of line
    int advance = 0;
};

struct Font {
    SDL_Texture* atlas = nullptr;
    Glyph glyphs[256];
    int height = 0;
    int size = 0;
};

struct Pixmap {
    SDL_Surface* surface = nullptr;
};

struct Display {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    int backEnd = -1;
    int width = 0, height = 0;
    int virtualW = 0, virtualH = 0;
    bool vsync = false;
};

Display display;
int selectedBackEnd = 0;
bool autoMidHandle = false;
std::string windowTitle;
bool pointerShown = true;

struct DrawState {
    int r = 255, g = 255, b = 255;
    double alpha = 1;
    double rotation = 0;
    double sx = 1, sy = 1;
    int blend = kAlphaBlend;
    int font = 0;
} state;

std::map<int, Image> images;
std::map<int, Font> fonts;
std::map<int, Pixmap> pixmaps;

std::vector<DisplayMode> fakeModes;
bool useFakeModes = false;
std::vector<int> failingBackEnds;

const char* const kBackEndDrivers[3] = {"opengl", "opengles2", "software"};

SDL_BlendMode SdlBlend(int mode) {
    switch (mode) {
        case kSolidBlend: return SDL_BLENDMODE_NONE;
        case kLightBlend: return SDL_BLENDMODE_ADD;
        case kShadeBlend: return SDL_BLENDMODE_MOD;
        default: return SDL_BLENDMODE_BLEND;
    }
}

SDL_Color VertexColour() {
    double a = std::clamp(state.alpha, 0.0, 1.0);
    return SDL_Color{static_cast<Uint8>(std::clamp(state.r, 0, 255)), static_cast<Uint8>(std::clamp(state.g, 0, 255)),
                     static_cast<Uint8>(std::clamp(state.b, 0, 255)), static_cast<Uint8>(std::lround(a * 255))};
}

// Builds the four corners of a quad whose local corners are (x0, y0)..(x1, y1)
// about the origin, scaled and rotated, then moved to (px, py).
void TransformQuad(double px, double py, double x0, double y0, double x1, double y1, SDL_FPoint out[4]) {
    double rad = state.rotation * M_PI / 180.0;
    double c = std::cos(rad), s = std::sin(rad);
    const double lx[4] = {x0, x1, x1, x0};
    const double ly[4] = {y0, y0, y1, y1};
    for (int i = 0; i < 4; ++i) {
        double sx = lx[i] * state.sx, sy = ly[i] * state.sy;
        out[i].x = static_cast<float>(px + sx * c - sy * s);
        out[i].y = static_cast<float>(py + sx * s + sy * c);
    }
}

void AppendQuad(std::vector<SDL_Vertex>& vertices, std::vector<int>& indices, const SDL_FPoint corners[4],
                SDL_Color colour, float u0, float v0, float u1, float v1) {
    int base = static_cast<int>(vertices.size());
    const float us[4] = {u0, u1, u1, u0};
    const float vs[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) vertices.push_back(SDL_Vertex{corners[i], colour, SDL_FPoint{us[i], vs[i]}});
    const int order[6] = {0, 1, 2, 0, 2, 3};
    for (int i : order) indices.push_back(base + i);
}

detail::TestState& T() { return detail::Test(); }

// Headless tests draw into the log only, unless a test asks for real pixels: the
// software rasteriser would make every scripted frame cost milliseconds.
bool testRendering = false;
bool Rendering() { return !T().enabled || testRendering; }

void LogRecord(const char* op, int handle, int frame, const std::string& text, double x, double y, double w, double h) {
    if (!T().drawLog) return;
    DrawRecord r;
    r.op = op;
    r.handle = handle;
    r.frame = frame;
    r.text = text;
    r.x = x;
    r.y = y;
    r.w = w;
    r.h = h;
    r.rotation = state.rotation;
    r.sx = state.sx;
    r.sy = state.sy;
    r.r = state.r;
    r.g = state.g;
    r.b = state.b;
    r.alpha = state.alpha;
    r.blend = state.blend;
    detail::LogDraw(r);
}

// Latin-1 byte string to UTF-8 for SDL_ttf.
std::string Latin1ToUtf8(unsigned char c) {
    std::string s;
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return s;
}

bool EnsureVideo() {
    InitSystem();
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

int DriverIndex(const char* name) {
    int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::string(info.name) == name) return i;
    }
    return -1;
}

void ReleaseAllHandles() {
    for (auto& [handle, image] : images) {
        if (image.texture) SDL_DestroyTexture(image.texture);
        detail::ForgetHandle(handle);
    }
    images.clear();
    for (auto& [handle, font] : fonts) {
        if (font.atlas) SDL_DestroyTexture(font.atlas);
        detail::ForgetHandle(handle);
    }
    fonts.clear();
    for (auto& [handle, pixmap] : pixmaps) SDL_FreeSurface(pixmap.surface);
    pixmaps.clear();
    state.font = 0;
}

SDL_Texture* TextureFromSurface(SDL_Surface* surface, int flags) {
    if (!display.renderer || !surface) return nullptr;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGBA32, 0);
    if (!rgba) return nullptr;
    bool hasAlpha = SDL_ISPIXELFORMAT_ALPHA(surface->format->format) || surface->format->palette != nullptr;
    if ((flags & kImageMask) && !hasAlpha) {
        // Masked images without alpha treat black as transparent.
        SDL_LockSurface(rgba);
        for (int y = 0; y < rgba->h; ++y) {
            Uint8* row = static_cast<Uint8*>(rgba->pixels) + y * rgba->pitch;
            for (int x = 0; x < rgba->w; ++x) {
                Uint8* p = row + x * 4;
                if (p[0] == 0 && p[1] == 0 && p[2] == 0) p[3] = 0;
            }
        }
        SDL_UnlockSurface(rgba);
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(display.renderer, rgba);
    SDL_FreeSurface(rgba);
    if (texture) {
        SDL_SetTextureScaleMode(texture, (flags & kImageFilter) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    }
    return texture;
}

}  // namespace

void SetTestRendering(bool on) { testRendering = on; }

void SetFakeDisplayModes(const std::vector<DisplayMode>& modes) {
    fakeModes = modes;
    useFakeModes = true;
}

void SetFailingBackEnds(const std::vector<int>& backEnds) { failingBackEnds = backEnds; }

int DisplayModeCount() {
    if (useFakeModes) return static_cast<int>(fakeModes.size());
    if (!EnsureVideo()) return 0;
    int n = SDL_GetNumDisplayModes(0);
    return n > 0 ? n : 0;
}

DisplayMode GetDisplayMode(int index) {
    DisplayMode mode;
    if (useFakeModes) {
        if (index >= 0 && index < static_cast<int>(fakeModes.size())) mode = fakeModes[index];
        return mode;
    }
    SDL_DisplayMode sdl;
    if (EnsureVideo() && SDL_GetDisplayMode(0, index, &sdl) == 0) {
        mode.width = sdl.w;
        mode.height = sdl.h;
        mode.depth = SDL_BYTESPERPIXEL(sdl.format) == 4 ? 32 : SDL_BITSPERPIXEL(sdl.format);
        mode.refresh = sdl.refresh_rate;
    }
    return mode;
}

bool FullscreenModeExists(int width, int height, int depth, int refresh) {
    int count = DisplayModeCount();
    for (int i = 0; i < count; ++i) {
        DisplayMode m = GetDisplayMode(i);
        if (m.width == width && m.height == height && m.depth == depth && (refresh == 0 || m.refresh == refresh))
            return true;
    }
    return false;
}

void SelectBackEnd(int backEnd) { selectedBackEnd = std::clamp(backEnd, 0, 2); }
int ActiveBackEnd() { return display.renderer ? display.backEnd : -1; }

bool OpenDisplay(int width, int height, int depth, int refresh) {
    (void)refresh;
    CloseDisplay();
    if (!EnsureVideo()) return false;
    if (width <= 0 || height <= 0) return false;
    Uint32 windowFlags = depth > 0 ? SDL_WINDOW_FULLSCREEN : 0;
    // Try the chosen back end first, then the others in order.
    for (int attempt = 0; attempt < 3; ++attempt) {
        int backEnd = (selectedBackEnd + attempt) % 3;
        if (std::find(failingBackEnds.begin(), failingBackEnds.end(), backEnd) != failingBackEnds.end()) continue;
        int index = DriverIndex(kBackEndDrivers[backEnd]);
        if (index < 0) continue;
        Uint32 extra = (backEnd == 0) ? SDL_WINDOW_OPENGL : 0;
        SDL_Window* window = SDL_CreateWindow(windowTitle.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                              height, windowFlags | extra);
        if (!window) continue;
        Uint32 rendererFlags = backEnd == 2 ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED;
        SDL_Renderer* renderer = SDL_CreateRenderer(window, index, rendererFlags | SDL_RENDERER_TARGETTEXTURE);
        if (!renderer) renderer = SDL_CreateRenderer(window, index, 0);
        if (!renderer) {
            SDL_DestroyWindow(window);
            continue;
        }
        display.window = window;
        display.renderer = renderer;
        display.backEnd = backEnd;
        display.width = width;
        display.height = height;
        display.virtualW = width;
        display.virtualH = height;
        display.vsync = false;
        SDL_ShowCursor(pointerShown ? SDL_ENABLE : SDL_DISABLE);
        SDL_StartTextInput();
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
        return true;
    }
    return false;
}

void CloseDisplay() {
    ReleaseAllHandles();
    if (display.renderer) SDL_DestroyRenderer(display.renderer);
    if (display.window) SDL_DestroyWindow(display.window);
    display = Display{};
}

bool DisplayOpen() { return display.renderer != nullptr; }

void SetVirtualResolution(int width, int height) {
    if (!display.renderer || width <= 0 || height <= 0) return;
    display.virtualW = width;
    display.virtualH = height;
    SDL_RenderSetLogicalSize(display.renderer, width, height);
}

void SetWindowTitle(const std::string& title) {
    windowTitle = title;
    if (display.window) SDL_SetWindowTitle(display.window, title.c_str());
}

void ShowPointer(bool show) {
    pointerShown = show;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

int DisplayPixelWidth() { return display.renderer ? display.width : 0; }
int DisplayPixelHeight() { return display.renderer ? display.height : 0; }

namespace detail {
void WindowToVirtual(double wx, double wy, double& vx, double& vy) {
    vx = wx;
    vy = wy;
    if (!display.renderer) return;
    float lx = 0, ly = 0;
    SDL_RenderWindowToLogical(display.renderer, static_cast<int>(wx), static_cast<int>(wy), &lx, &ly);
    vx = lx;
    vy = ly;
}
}  // namespace detail

void Cls() {
    LogRecord("cls", 0, 0, "", 0, 0, 0, 0);
    if (!display.renderer || !Rendering()) return;
    SDL_SetRenderDrawColor(display.renderer, 0, 0, 0, 255);
    SDL_RenderClear(display.renderer);
}

void Flip(bool vsync) {
    LogRecord("flip", 0, 0, "", 0, 0, 0, 0);
    if (display.renderer) {
        if (vsync != display.vsync) {
            SDL_RenderSetVSync(display.renderer, vsync ? 1 : 0);
            display.vsync = vsync;
        }
        SDL_RenderPresent(display.renderer);
    }
    PollEvents();
}

void SetColor(int r, int g, int b) {
    state.r = r;
    state.g = g;
    state.b = b;
}
void GetColor(int& r, int& g, int& b) {
    r = state.r;
    g = state.g;
    b = state.b;
}
void SetAlpha(double alpha) { state.alpha = alpha; }
double GetAlpha() { return state.alpha; }
void SetRotation(double degrees) { state.rotation = degrees; }
double GetRotation() { return state.rotation; }
void SetScale(double sx, double sy) {
    state.sx = sx;
    state.sy = sy;
}
void GetScale(double& sx, double& sy) {
    sx = state.sx;
    sy = state.sy;
}
void SetBlend(int mode) {
    if (mode >= kMaskBlend && mode <= kShadeBlend) state.blend = mode;
}
int GetBlend() { return state.blend; }

void AutoMidHandle(bool on) { autoMidHandle = on; }

namespace {
int MakeImage(SDL_Surface* surface, int frameW, int frameH, int firstFrame, int frameCount, int flags,
              const std::string& path) {
    if (!surface) return 0;
    Image image;
    image.flags = flags;
    image.textureW = surface->w;
    image.textureH = surface->h;
    image.frameW = frameW > 0 ? frameW : surface->w;
    image.frameH = frameH > 0 ? frameH : surface->h;
    image.columns = std::max(1, surface->w / image.frameW);
    int rows = std::max(1, surface->h / image.frameH);
    image.firstFrame = std::max(0, firstFrame);
    image.frames = frameCount > 0 ? frameCount : image.columns * rows;
    if (autoMidHandle) {
        image.handleX = image.frameW / 2.0;
        image.handleY = image.frameH / 2.0;
    }
    image.texture = TextureFromSurface(surface, flags);
    if (!image.texture && display.renderer) return 0;
    int handle = detail::NewHandle();
    images[handle] = image;
    detail::NoteHandlePath(handle, path);
    return handle;
}
}  // namespace

int LoadImage(const std::string& path, int flags) { return LoadAnimImage(path, 0, 0, 0, 0, flags); }

int LoadAnimImage(const std::string& path, int frameWidth, int frameHeight, int firstFrame, int frameCount, int flags) {
    if (!display.renderer) return 0;
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) return 0;
    if (frameWidth > 0 && (surface->w < frameWidth || surface->h < frameHeight)) {
        SDL_FreeSurface(surface);
        return 0;
    }
    int handle = MakeImage(surface, frameWidth, frameHeight, firstFrame, frameCount, flags, path);
    SDL_FreeSurface(surface);
    return handle;
}

int CreateImage(int width, int height, int flags) {
    if (!display.renderer || width <= 0 || height <= 0) return 0;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return 0;
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, 0, 0, 0, 255));
    int handle = MakeImage(surface, width, height, 0, 1, flags | kImageDynamic | kImageFilter, "");
    SDL_FreeSurface(surface);
    return handle;
}

void FreeImage(int handle) {
    auto it = images.find(handle);
    if (it == images.end()) return;
    if (it->second.texture) SDL_DestroyTexture(it->second.texture);
    images.erase(it);
    detail::ForgetHandle(handle);
}

int ImageWidth(int handle) {
    auto it = images.find(handle);
    return it == images.end() ? 0 : it->second.frameW;
}
int ImageHeight(int handle) {
    auto it = images.find(handle);
    return it == images.end() ? 0 : it->second.frameH;
}
int ImageFrames(int handle) {
    auto it = images.find(handle);
    return it == images.end() ? 0 : it->second.frames;
}
void SetImageHandle(int handle, double x, double y) {
    auto it = images.find(handle);
    if (it == images.end()) return;
    it->second.handleX = x;
    it->second.handleY = y;
}

namespace {
SDL_Surface* ReadBackBuffer() {
    if (!display.renderer) return nullptr;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(display.renderer, &w, &h);
    if (w <= 0 || h <= 0) return nullptr;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return nullptr;
    // The whole output in real pixels, whatever the virtual resolution.
    SDL_Rect viewport;
    SDL_RenderGetViewport(display.renderer, &viewport);
    float scaleX = 1, scaleY = 1;
    SDL_RenderGetScale(display.renderer, &scaleX, &scaleY);
    SDL_RenderSetLogicalSize(display.renderer, 0, 0);
    SDL_RenderSetScale(display.renderer, 1, 1);
    SDL_RenderSetViewport(display.renderer, nullptr);
    SDL_RenderReadPixels(display.renderer, nullptr, SDL_PIXELFORMAT_RGBA32, surface->pixels, surface->pitch);
    if (display.virtualW > 0) SDL_RenderSetLogicalSize(display.renderer, display.virtualW, display.virtualH);
    return surface;
}
}  // namespace

namespace {
// An opaque copy of the back buffer's rectangle at real pixel (x, y); parts
// outside the buffer stay black.
SDL_Surface* CopyBackBuffer(int x, int y, int width, int height) {
    SDL_Surface* back = ReadBackBuffer();
    if (!back) return nullptr;
    SDL_Surface* part = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (part) {
        SDL_FillRect(part, nullptr, SDL_MapRGBA(part->format, 0, 0, 0, 255));
        SDL_SetSurfaceBlendMode(back, SDL_BLENDMODE_NONE);
        SDL_Rect source{x, y, width, height};
        SDL_BlitSurface(back, &source, part, nullptr);
        SDL_LockSurface(part);
        for (int row = 0; row < part->h; ++row) {
            Uint8* p = static_cast<Uint8*>(part->pixels) + row * part->pitch;
            for (int col = 0; col < part->w; ++col) p[col * 4 + 3] = 255;
        }
        SDL_UnlockSurface(part);
    }
    SDL_FreeSurface(back);
    return part;
}
}  // namespace

void GrabImage(int handle, int x, int y) {
    LogRecord("grab", handle, 0, "", x, y, 0, 0);
    auto it = images.find(handle);
    if (it == images.end() || !display.renderer) return;
    Image& image = it->second;
    SDL_Surface* part = CopyBackBuffer(x, y, image.textureW, image.textureH);
    if (!part) return;
    SDL_Texture* texture = TextureFromSurface(part, image.flags & ~kImageMask);
    if (texture) {
        if (image.texture) SDL_DestroyTexture(image.texture);
        image.texture = texture;
    }
    SDL_FreeSurface(part);
}

void DrawImage(int handle, double x, double y, int frame) {
    LogRecord("image", handle, frame, "", x, y, ImageWidth(handle), ImageHeight(handle));
    auto it = images.find(handle);
    if (it == images.end() || !display.renderer || !it->second.texture) return;
    if (!Rendering()) return;
    const Image& image = it->second;
    if (frame < 0 || frame >= image.frames) return;
    int cell = image.firstFrame + frame;
    int sx = (cell % image.columns) * image.frameW;
    int sy = (cell / image.columns) * image.frameH;
    if (sy + image.frameH > image.textureH) return;
    SDL_FPoint corners[4];
    TransformQuad(x, y, -image.handleX, -image.handleY, image.frameW - image.handleX, image.frameH - image.handleY,
                  corners);
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
    vertices.reserve(4);
    indices.reserve(6);
    float tw = static_cast<float>(image.textureW), th = static_cast<float>(image.textureH);
    AppendQuad(vertices, indices, corners, VertexColour(), sx / tw, sy / th, (sx + image.frameW) / tw,
               (sy + image.frameH) / th);
    SDL_SetTextureBlendMode(image.texture, SdlBlend(state.blend));
    SDL_RenderGeometry(display.renderer, image.texture, vertices.data(), 4, indices.data(), 6);
}

void DrawRect(double x, double y, double width, double height) {
    LogRecord("rect", 0, 0, "", x, y, width, height);
    if (!display.renderer || width == 0 || height == 0 || !Rendering()) return;
    // A long rotated rectangle is drawn as a row of near-square pieces, and pieces
    // wholly off the surface are dropped: rasterisers work over each triangle's
    // bounding box, which for a long diagonal band would be most of the screen.
    double longSide = std::max(std::fabs(width), std::fabs(height));
    double shortSide = std::max(1.0, std::min(std::fabs(width), std::fabs(height)));
    int pieces = state.rotation == 0 ? 1 : std::clamp(static_cast<int>(std::ceil(longSide / (2 * shortSide))), 1, 256);
    bool alongX = std::fabs(width) >= std::fabs(height);
    double vw = display.virtualW > 0 ? display.virtualW : display.width;
    double vh = display.virtualH > 0 ? display.virtualH : display.height;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
    SDL_Color colour = VertexColour();
    for (int i = 0; i < pieces; ++i) {
        double a = static_cast<double>(i) / pieces, b = static_cast<double>(i + 1) / pieces;
        SDL_FPoint corners[4];
        if (alongX) TransformQuad(x, y, width * a, 0, width * b, height, corners);
        else TransformQuad(x, y, 0, height * a, width, height * b, corners);
        float minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
        for (const SDL_FPoint& c : corners) {
            minX = std::min(minX, c.x);
            maxX = std::max(maxX, c.x);
            minY = std::min(minY, c.y);
            maxY = std::max(maxY, c.y);
        }
        if (pieces > 1 && (maxX < 0 || maxY < 0 || minX > vw || minY > vh)) continue;
        AppendQuad(vertices, indices, corners, colour, 0, 0, 0, 0);
    }
    if (vertices.empty()) return;
    SDL_SetRenderDrawBlendMode(display.renderer, SdlBlend(state.blend));
    SDL_RenderGeometry(display.renderer, nullptr, vertices.data(), static_cast<int>(vertices.size()), indices.data(),
                       static_cast<int>(indices.size()));
}

void DrawLine(double x1, double y1, double x2, double y2) {
    LogRecord("line", 0, 0, "", x1, y1, x2, y2);
    if (!display.renderer || !Rendering()) return;
    SDL_Color c = VertexColour();
    SDL_SetRenderDrawBlendMode(display.renderer, SdlBlend(state.blend));
    SDL_SetRenderDrawColor(display.renderer, c.r, c.g, c.b, c.a);
    SDL_RenderDrawLineF(display.renderer, static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                        static_cast<float>(y2));
}

int LoadFont(const std::string& path, int size, bool smooth) {
    if (!display.renderer || size <= 0 || size > 1000) return 0;
    if (!TTF_WasInit() && TTF_Init() != 0) return 0;
    TTF_Font* ttf = TTF_OpenFont(path.c_str(), size);
    if (!ttf) return 0;
    Font font;
    font.size = size;
    font.height = TTF_FontHeight(ttf);
    int ascent = TTF_FontAscent(ttf);
    // Render every character once into an atlas, row by row.
    std::vector<SDL_Surface*> surfaces(256, nullptr);
    int atlasW = 1024, penX = 0, penY = 0, rowH = 0;
    std::vector<SDL_Rect> places(256);
    for (int c = 32; c < 256; ++c) {
        if (c >= 127 && c < 160) continue;
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (TTF_GlyphMetrics32(ttf, static_cast<Uint32>(c), &minx, &maxx, &miny, &maxy, &advance) != 0) continue;
        font.glyphs[c].advance = advance;
        std::string utf8 = Latin1ToUtf8(static_cast<unsigned char>(c));
        SDL_Surface* s = smooth ? TTF_RenderUTF8_Blended(ttf, utf8.c_str(), SDL_Color{255, 255, 255, 255})
                                : TTF_RenderUTF8_Solid(ttf, utf8.c_str(), SDL_Color{255, 255, 255, 255});
        if (!s) continue;
        surfaces[c] = s;
        if (penX + s->w + 1 > atlasW) {
            penX = 0;
            penY += rowH + 1;
            rowH = 0;
        }
        places[c] = SDL_Rect{penX, penY, s->w, s->h};
        penX += s->w + 1;
        rowH = std::max(rowH, s->h);
    }
    (void)ascent;
    int atlasH = std::max(1, penY + rowH);
    SDL_Surface* atlas = SDL_CreateRGBSurfaceWithFormat(0, atlasW, atlasH, 32, SDL_PIXELFORMAT_RGBA32);
    if (atlas) {
        SDL_FillRect(atlas, nullptr, SDL_MapRGBA(atlas->format, 0, 0, 0, 0));
        for (int c = 32; c < 256; ++c) {
            if (!surfaces[c]) continue;
            SDL_SetSurfaceBlendMode(surfaces[c], SDL_BLENDMODE_NONE);
            SDL_Rect dest = places[c];
            SDL_BlitSurface(surfaces[c], nullptr, atlas, &dest);
            font.glyphs[c].source = places[c];
            // A whole-string render places each glyph's surface at the pen with the
            // line's top at 0, which is what these rendered glyphs already are.
            font.glyphs[c].offsetX = 0;
            font.glyphs[c].offsetY = 0;
        }
        font.atlas = SDL_CreateTextureFromSurface(display.renderer, atlas);
        if (font.atlas) {
            SDL_SetTextureScaleMode(font.atlas, smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
            SDL_SetTextureBlendMode(font.atlas, SDL_BLENDMODE_BLEND);
        }
        SDL_FreeSurface(atlas);
    }
    for (SDL_Surface* s : surfaces)
        if (s) SDL_FreeSurface(s);
    TTF_CloseFont(ttf);
    int handle = detail::NewHandle();
    fonts[handle] = font;
    detail::NoteHandlePath(handle, path);
    return handle;
}

void FreeFont(int handle) {
    auto it = fonts.find(handle);
    if (it == fonts.end()) return;
    if (it->second.atlas) SDL_DestroyTexture(it->second.atlas);
    fonts.erase(it);
    detail::ForgetHandle(handle);
    if (state.font == handle) state.font = 0;
}

void SetFont(int handle) { state.font = handle; }
int GetFont() { return state.font; }

int FontPixelSize(int handle) {
    auto it = fonts.find(handle);
    return it == fonts.end() ? 0 : it->second.size;
}
int FontSizeOf(int handle) { return FontPixelSize(handle); }

int TextWidth(const std::string& text) {
    auto it = fonts.find(state.font);
    if (it == fonts.end()) return 0;
    int width = 0;
    for (unsigned char c : text) width += it->second.glyphs[c].advance;
    return width;
}

int TextHeight(const std::string& text) {
    (void)text;
    auto it = fonts.find(state.font);
    return it == fonts.end() ? 0 : it->second.height;
}

void DrawText(const std::string& text, double x, double y) {
    LogRecord("text", state.font, 0, text, x, y, TextWidth(text), TextHeight(text));
    auto it = fonts.find(state.font);
    if (it == fonts.end() || !display.renderer || !it->second.atlas || text.empty() || !Rendering()) return;
    const Font& font = it->second;
    int aw = 0, ah = 0;
    SDL_QueryTexture(font.atlas, nullptr, nullptr, &aw, &ah);
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
    vertices.reserve(text.size() * 4);
    indices.reserve(text.size() * 6);
    SDL_Color colour = VertexColour();
    double pen = 0;
    for (unsigned char c : text) {
        const Glyph& g = font.glyphs[c];
        if (g.source.w > 0) {
            SDL_FPoint corners[4];
            TransformQuad(x, y, pen + g.offsetX, g.offsetY, pen + g.offsetX + g.source.w, g.offsetY + g.source.h,
                          corners);
            AppendQuad(vertices, indices, corners, colour, static_cast<float>(g.source.x) / aw,
                       static_cast<float>(g.source.y) / ah, static_cast<float>(g.source.x + g.source.w) / aw,
                       static_cast<float>(g.source.y + g.source.h) / ah);
        }
        pen += g.advance;
    }
    if (vertices.empty()) return;
    SDL_SetTextureBlendMode(font.atlas, SdlBlend(state.blend == kSolidBlend ? kAlphaBlend : state.blend));
    SDL_RenderGeometry(display.renderer, font.atlas, vertices.data(), static_cast<int>(vertices.size()), indices.data(),
                       static_cast<int>(indices.size()));
}

int GrabPixmap(int x, int y, int width, int height) {
    if (!display.renderer || width <= 0 || height <= 0) return 0;
    SDL_Surface* part = CopyBackBuffer(x, y, width, height);
    if (!part) return 0;
    int handle = detail::NewHandle();
    pixmaps[handle] = Pixmap{part};
    return handle;
}

int PixmapWidth(int handle) {
    auto it = pixmaps.find(handle);
    return it == pixmaps.end() ? 0 : it->second.surface->w;
}
int PixmapHeight(int handle) {
    auto it = pixmaps.find(handle);
    return it == pixmaps.end() ? 0 : it->second.surface->h;
}
void FreePixmap(int handle) {
    auto it = pixmaps.find(handle);
    if (it == pixmaps.end()) return;
    SDL_FreeSurface(it->second.surface);
    pixmaps.erase(it);
}

bool SavePixmapPNG(int handle, const std::string& path, int level) {
    auto it = pixmaps.find(handle);
    if (it == pixmaps.end()) return false;
    SDL_Surface* s = it->second.surface;
    SDL_LockSurface(s);
    bool ok = WritePngRgba(path, static_cast<const unsigned char*>(s->pixels), s->w, s->h, s->pitch, level);
    SDL_UnlockSurface(s);
    return ok;
}

int LiveHandleCount() { return static_cast<int>(images.size() + fonts.size() + pixmaps.size()); }

}  // namespace platform
