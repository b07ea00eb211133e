// The score panel of the title screen: a graph of the recent games, the best
// sixteen, a detail box for the game under the pointer or picked with a click,
// and the thank-you box once the list is long. Drawing it also prunes old games.
#pragma once
#include "scores/score_records.h"

// ScoreTable and ScoreSelected point into ScoresList; both are rebuilt at the start
// of every DrawScorePanel, so they are only meaningful during and right after it.
// The best 25 matching records by score, rebuilt every frame (entries 1..25).
extern Scores* ScoreTable[50];
// The record shown in the detail box this frame, or none.
extern Scores* ScoreSelected;
// The pinned selection: 0 none, n the n-th matching record (a graph column),
// 1000 + k row k of the best list.
extern int ScoreHighlight;
// How far the graph is scrolled towards older games, 0..1000 pixels.
extern int ScoreScroll;

// The maker's web address shown in the thank-you box.
extern const char* const MakerWebAddress;

// Draws the panel slid in by s pixels (0..320) for the records of this game mode,
// level and flags; returns 1 when one of them is a completed game.
int DrawScorePanel(int s, int gameMode, int level, int gameFlags);
