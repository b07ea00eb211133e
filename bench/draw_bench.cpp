// Drawing through the platform layer against raw SDL calls for the same sprites,
// and one title-screen frame. Run: build/wordloom_bench --benchmark_filter=Draw
// The sprites are real pixels on SDL's software renderer with the dummy video
// driver, so both sides do the same rasterising work.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace {

constexpr int kSprites = 500;

struct Placement {
    float x, y, angle;
};

std::vector<Placement> Placements() {
    std::vector<Placement> out;
    platform::SeedRnd(7);
    for (int i = 0; i < kSprites; ++i)
        out.push_back({static_cast<float>(platform::Rand(0, 1280)), static_cast<float>(platform::Rand(0, 960)),
                       static_cast<float>(platform::Rand(0, 359))});
    return out;
}

std::string IconsPath() { return std::string(WORDLOOM_SOURCE_DIR) + "/data/Files/Common/icons.png"; }

void BM_DrawSpritesPlatform(benchmark::State& state) {
    platform::EnableTestMode();
    platform::SetTestRendering(true);
    platform::SelectBackEnd(2);
    platform::OpenDisplay(800, 600, 0, 60);
    platform::SetVirtualResolution(1280, 960);
    platform::AutoMidHandle(true);
    int icons = platform::LoadAnimImage(IconsPath(), 16, 16, 0, 64, platform::kImageMask | platform::kImageFilter);
    auto places = Placements();
    for (auto _ : state) {
        platform::Cls();
        platform::SetScale(2, 2);
        platform::SetColor(255, 200, 100);
        platform::SetAlpha(0.8);
        for (const Placement& p : places) {
            platform::SetRotation(p.angle);
            platform::DrawImage(icons, p.x, p.y, 7);
        }
        platform::Flip(false);
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
    platform::CloseDisplay();
}

void BM_DrawSpritesRawSdl(benchmark::State& state) {
    platform::EnableTestMode();
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    SDL_Window* window = SDL_CreateWindow("bench", 0, 0, 800, 600, 0);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    SDL_RenderSetLogicalSize(renderer, 1280, 960);
    SDL_Surface* sheet = IMG_Load(IconsPath().c_str());
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, sheet);
    int w = sheet ? sheet->w : 128;
    if (sheet) SDL_FreeSurface(sheet);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    auto places = Placements();
    SDL_Rect source{(7 * 16) % w, ((7 * 16) / w) * 16, 16, 16};
    for (auto _ : state) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_SetTextureColorMod(texture, 255, 200, 100);
        SDL_SetTextureAlphaMod(texture, 204);
        for (const Placement& p : places) {
            SDL_FRect dest{p.x - 16, p.y - 16, 32, 32};
            SDL_RenderCopyExF(renderer, texture, &source, &dest, p.angle, nullptr, SDL_FLIP_NONE);
        }
        SDL_RenderPresent(renderer);
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
}

// The title screen's background: about a hundred long rotated stripes.
void BM_TitleStripes(benchmark::State& state) {
    platform::EnableTestMode();
    platform::SetTestRendering(true);
    platform::SelectBackEnd(2);
    platform::OpenDisplay(800, 600, 0, 60);
    platform::SetVirtualResolution(1280, 960);
    for (auto _ : state) {
        platform::Cls();
        platform::SetRotation(-45);
        double blue = 50;
        for (int y = 0; y <= 960; y += 10) {
            blue += 0.5;
            platform::SetColor(0, 0, static_cast<int>(blue));
            platform::DrawRect(-100, 3 * y, 1280 + 1800, 30);
        }
        platform::SetRotation(0);
        platform::Flip(false);
    }
    platform::CloseDisplay();
}

}  // namespace

BENCHMARK(BM_TitleStripes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawSpritesRawSdl)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawSpritesPlatform)->Unit(benchmark::kMicrosecond);
