// The end-of-frame service that every screen calls: settings panel toggle,
// screenshot and pause keys, statistics overlay, pointer, mouse bookkeeping,
// 60-per-second pacing, music, messages, presenting and the quit request.
#pragma once
#include <cstdint>

extern int StatsOverlay;
extern int64_t FrameStartTime;
extern int64_t FrameDuration;
extern int FpsAverage;
extern int FramesPerSecond;
extern int64_t CollectionFigure;

int64_t ClockMs();
// Returns the pause menu's answer when it ran during this call (1 continue,
// 99 quit), else 0.
int EndFrame(int showPointer);
