// One game frame with two bursts in flight (512 stars), against the same sprites
// drawn with plain SDL calls on a software renderer of the same size. Both draw
// real pixels; read the ratio of the two times, measured in the same run.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "wordgame/game_screen.h"
#include "wordgame/particles.h"
#include "wordgame/tile_bag.h"
#include "wordgame/word_rules.h"

namespace {

constexpr int kW = 1280, kH = 960;

// A sheet of 7 x 7 cells of 96 pixels in shades, written as BMP so both sides
// load the same pixels.
SDL_Surface* MakeSheet(int cells, int size) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, cells * size, cells * size, 32, SDL_PIXELFORMAT_RGBA32);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            Uint32* p = static_cast<Uint32*>(s->pixels) + y * (s->pitch / 4) + x;
            *p = SDL_MapRGBA(s->format, (x * 3) & 255, (y * 5) & 255, ((x + y) * 7) & 255, 255);
        }
    return s;
}

std::string SaveSheet(SDL_Surface* s, const char* name) {
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    SDL_SaveBMP(s, path.c_str());
    return path;
}

std::vector<Particle> twoBursts;

void SetUpGame() {
    static bool done = false;
    if (done) return;
    done = true;
    platform::EnableTestMode();
    platform::SetTestRendering(true);
    platform::OpenDisplay(kW, kH, 0, 60);
    platform::SetVirtualResolution(kW, kH);
    ScreenWidth = DisplayWidth = kW;
    ScreenHeight = DisplayHeight = kH;
    SetSettingsDefaults();
    Settings[7] = 0;
    Settings[12] = 0;  // silent: the frame's drawing is what is measured
    for (int k = 1; k <= 3; ++k) SpriteLimit[k] = 1000000;
    StatsOverlay = 0;
    GameState = 1;
    MouseMode = 0;
    FillLetterTables();
    SDL_Surface* sheet = MakeSheet(7, 96);
    SDL_Surface* star = MakeSheet(1, 32);
    SDL_Surface* button = MakeSheet(1, 96);
    std::string sheetPath = SaveSheet(sheet, "gfx.bmp"), starPath = SaveSheet(star, "star.bmp"),
                buttonPath = SaveSheet(button, "button.bmp");
    SDL_FreeSurface(sheet);
    SDL_FreeSurface(star);
    SDL_FreeSurface(button);
    platform::AutoMidHandle(true);
    int flags = platform::kImageMask | platform::kImageFilter;
    GfxImage = platform::LoadAnimImage(sheetPath, 96, 96, 0, 49, flags);
    StarImage = platform::LoadImage(starPath, flags);
    SwapImage = platform::LoadImage(buttonPath, flags);
    CrossImage = platform::LoadImage(buttonPath, flags);
    StartGame();
    StartBurst(kSuccessBurst);
    StartBurst(kFailureBurst);
    twoBursts = Particles;
}

void BM_GameFrameWithTwoBursts(benchmark::State& state) {
    SetUpGame();
    if (GfxImage == 0 || StarImage == 0) {
        state.SkipWithError("images could not be made");
        return;
    }
    for (auto _ : state) {
        Particles = twoBursts;  // keep both bursts in the middle of the screen
        GameFrame();
    }
    state.counters["stars"] = static_cast<double>(twoBursts.size());
}
BENCHMARK(BM_GameFrameWithTwoBursts)->Unit(benchmark::kMicrosecond);

// The same sprites with plain SDL: clear, two bands, 13 slots, 12 backdrop cells,
// 9 tiles, 2 buttons and 512 rotated, scaled, tinted stars, then present.
void BM_RawSdlSameSprites(benchmark::State& state) {
    SetUpGame();
    SDL_Window* window = SDL_CreateWindow("bench", 0, 0, kW, kH, SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
    if (!renderer) {
        state.SkipWithError("no software renderer");
        if (window) SDL_DestroyWindow(window);
        return;
    }
    SDL_Surface* sheetSurface = MakeSheet(7, 96);
    SDL_Surface* starSurface = MakeSheet(1, 32);
    SDL_Texture* sheet = SDL_CreateTextureFromSurface(renderer, sheetSurface);
    SDL_Texture* star = SDL_CreateTextureFromSurface(renderer, starSurface);
    SDL_FreeSurface(sheetSurface);
    SDL_FreeSurface(starSurface);
    SDL_SetTextureBlendMode(sheet, SDL_BLENDMODE_BLEND);
    SDL_SetTextureBlendMode(star, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    auto cell = [](int frame) { return SDL_Rect{(frame % 7) * 96, (frame / 7) * 96, 96, 96}; };
    for (auto _ : state) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        for (int s = 1; s <= 13; ++s) {
            SDL_Rect src = cell(BoardBonus[s] + 27), dst{kW / 2 - 624 + (s - 1) * 96, static_cast<int>(kH * 0.3), 96, 96};
            SDL_RenderCopy(renderer, sheet, &src, &dst);
        }
        SDL_SetRenderDrawColor(renderer, 0, 0, 180, 76);
        SDL_Rect upper{0, 0, kW, static_cast<int>(kH * 0.28)}, lower{0, kH / 2, kW, static_cast<int>(kH * 0.15)};
        SDL_RenderFillRect(renderer, &upper);
        SDL_RenderFillRect(renderer, &lower);
        for (int k = 1; k <= 6; ++k) {
            SDL_Rect src = cell(34 + k), dst{kW / 2 - 512 + (k - 1) * 96, kH - 200, 96, 96};
            SDL_RenderCopy(renderer, sheet, &src, &dst);
            src = cell(41 + k);
            dst.x = kW / 2 + (k - 1) * 96;
            SDL_RenderCopy(renderer, sheet, &src, &dst);
        }
        for (const Particle& p : twoBursts) {
            SDL_SetTextureColorMod(star, p.r, p.g, p.b);
            SDL_SetTextureAlphaMod(star, 153);
            SDL_FRect dst{static_cast<float>(static_cast<int>(p.x)), static_cast<float>(static_cast<int>(p.y)), 64, 64};
            SDL_RenderCopyExF(renderer, star, nullptr, &dst, p.rot, nullptr, SDL_FLIP_NONE);
        }
        for (int i = 1; i <= 9; ++i) {
            SDL_Rect src = cell(i), dst{kW / 2 - 450 + (i - 1) * 100, kH - 204, 96, 96};
            SDL_RenderCopy(renderer, sheet, &src, &dst);
        }
        SDL_Rect src = cell(0), swap{kW / 2 + 450, kH - 204, 96, 96}, quit{kW / 2 - 550, kH - 204, 96, 96};
        SDL_RenderCopy(renderer, sheet, &src, &swap);
        SDL_RenderCopy(renderer, sheet, &src, &quit);
        SDL_RenderPresent(renderer);
    }
    state.counters["stars"] = static_cast<double>(twoBursts.size());
    SDL_DestroyTexture(sheet);
    SDL_DestroyTexture(star);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
}
BENCHMARK(BM_RawSdlSameSprites)->Unit(benchmark::kMicrosecond);

}  // namespace
