#include "wordgame/particles.h"

#include "frame/draw_helpers.h"
#include "platform/system.h"
#include "services/display_setup.h"
#include "services/sound_effects.h"

std::vector<Particle> Particles;

void StartBurst(int kind) {
    int n = ScreenWidth / 72;
    int top = static_cast<int>(ScreenHeight * 0.3), bottom = static_cast<int>(ScreenHeight * 0.7);
    Particles.reserve(Particles.size() + kBurstRows * kBurstColumns);
    for (int row = 1; row <= kBurstRows; ++row) {
        for (int c = 1; c <= kBurstColumns; ++c) {
            Particle p;
            p.x = ScreenWidth / 2 - 32 * n + (c - 1) * n;
            p.y = platform::Rand(top, bottom);
            p.rot = platform::RndReal(0, 360);
            p.rotgo = platform::RndReal(-4, 4);
            if (kind == kFailureBurst) {
                p.ys = 2.0;
                p.win = 0;
                p.r = platform::Rand(3, 5) * 50;
                p.g = platform::Rand(1, 3) * 50;
                p.b = platform::Rand(1, 3) * 50;
            } else {
                p.ys = 0;
                p.win = 1;
                p.r = platform::Rand(1, 5) * 50;
                p.g = (kind == kSuccessBurst ? platform::Rand(3, 5) : platform::Rand(1, 5)) * 50;
                p.b = platform::Rand(1, 5) * 50;
            }
            Particles.push_back(p);
        }
    }
    if (kind == kFailureBurst) PlaySfx(6, 1, 1, 0);
    else if (kind == kBonusBurst) PlaySfx(5, 2.0, 1.0, 0);
    else PlaySfx(5, 1, 1, 0);
}

void UpdateParticles() {
    size_t kept = 0;
    for (size_t k = 0; k < Particles.size(); ++k) {
        Particle& p = Particles[k];
        p.y += p.ys;
        if (p.win == 1) p.ys -= platform::RndReal(0.2, 0.5);
        else p.ys += platform::RndReal(0.4, 0.8);
        p.rot += p.rotgo;
        SetDrawColour(p.r, p.g, p.b, 0.6);
        SetDrawScale(2, 2);
        SetDrawRotation(p.rot);
        DrawCountedImage(StarImage, static_cast<int>(p.x), static_cast<int>(p.y), 0, 1);
        if (p.y < -32 || p.y > ScreenHeight + 32) continue;
        Particles[kept++] = p;
    }
    Particles.resize(kept);
}
