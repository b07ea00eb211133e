// The star bursts of the game screen: a rising shower when a word meets its
// target or the all-tiles bonus is given, a falling one when a word misses.
#pragma once
#include <vector>

// One star of a burst.
class Particle {
public:
    double x = 0, y = 0;
    double ys = 0;     // vertical speed, pixels per frame
    double rot = 0;    // degrees
    double rotgo = 0;  // degrees per frame
    int r = 255, g = 255, b = 255;
    int win = 1;  // 1 rising star of a success, 0 falling star of a failure
};

// The live stars, in the order they were made.
extern std::vector<Particle> Particles;

enum BurstKind { kSuccessBurst = 1, kFailureBurst = 2, kBonusBurst = 3 };
constexpr int kBurstRows = 4;
constexpr int kBurstColumns = 64;

// Adds 4 rows of 64 stars across the middle of the screen and plays the burst's
// sound (effect 5 for a success, 5 at double rate for the bonus, 6 for a failure).
void StartBurst(int kind);
// Moves, draws and retires every star for one frame.
void UpdateParticles();
