// Measures how many images the machine draws per frame at the target rate and
// sets the per-frame image budgets (and slow-system mode on a slow machine).
#pragma once

extern int TargetFps;

void EngineTest(int target, int testScale);
// Budgets from the best sprite count that kept the rate, with the lower limits
// that switch on slow-system mode.
void SetSpriteBudgets(int best);
