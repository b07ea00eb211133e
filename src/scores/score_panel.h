#pragma once
extern int ScoreScroll, ScoreHighlight;
int DrawScorePanel(int s, int gameMode, int level, int gameFlags);
