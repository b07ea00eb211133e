#include "scores/score_panel.h"

#include <algorithm>
#include <string>
#include <vector>

#include "frame/draw_helpers.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "scores/dates.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"

Scores* ScoreTable[50] = {};
Scores* ScoreSelected = nullptr;
int ScoreHighlight = 0;
int ScoreScroll = 0;
const char* const MakerWebAddress = "marrowby.example.net";

namespace {
constexpr int kTableSize = 25;
constexpr int kListRows = 16;
constexpr int kKeptNewest = 50;
constexpr int kMarkerFrame = 7;

bool Matches(const Scores& r, int gameMode, int level, int gameFlags) {
    return r.Level == level && r.GameMode == gameMode && r.GameFlags == gameFlags;
}

bool InScoreTable(const Scores* r) {
    for (int k = 1; k <= kTableSize; ++k)
        if (ScoreTable[k] == r) return true;
    return false;
}

// Rank of the record on the graph: v = score × 150 / best. Worked out in 128 bits
// because scores read from a file may be near the 64-bit limits, and held within
// a range that keeps every coordinate and colour sum far from overflow; a marker
// that far off lies outside the screen either way.
int GraphHeight(int64_t score, int64_t best) {
    __int128 v = static_cast<__int128>(score) * 150 / best;
    if (v > 1000000) v = 1000000;
    if (v < -1000000) v = -1000000;
    return static_cast<int>(v);
}

// The score with leading zeros, twelve characters: 000000000152, 000000000-50.
std::string PaddedScore(int64_t score) {
    std::string s = "000000000000" + std::to_string(score);
    return s.substr(s.size() - 12);
}

// Step 1: the best 25 in descending order; of equal scores the newer stays ahead.
int64_t BuildScoreTable(int gameMode, int level, int gameFlags) {
    for (int k = 1; k <= kTableSize; ++k) ScoreTable[k] = nullptr;
    int64_t best = 0;
    for (Scores& r : ScoresList) {
        if (!Matches(r, gameMode, level, gameFlags)) continue;
        if (r.Score > best) best = r.Score;
        int pos = 0;
        for (int k = 1; k <= kTableSize && pos == 0; ++k)
            if (ScoreTable[k] && ScoreTable[k]->Score < r.Score) pos = k;
        for (int k = 1; k <= kTableSize && pos == 0; ++k)
            if (!ScoreTable[k]) pos = k;
        if (pos == 0) continue;
        for (int k = kTableSize; k > pos; --k) ScoreTable[k] = ScoreTable[k - 1];
        ScoreTable[pos] = &r;
    }
    // All scores zero or negative (or no games): keeps the graph's division safe.
    return best == 0 ? 1 : best;
}

void DrawThankYouBox(int W, int s) {
    if (ClockMs() % 10000 > 5000)
        SetDrawColour(0, 0, 110, 0.7);
    else
        SetDrawColour(0, 0, 80, 0.6);
    platform::DrawRect(W - 12 - s, 0, 330, 200);
    UseFont(Fonts[1]);
    const int cx = W - 10 - (s + 2) / 2;
    struct Line {
        int y, r, g, b;
        std::string text;
    };
    const Line lines[] = {
        {20, 255, 255, 0, "You've been enjoying"},
        {38, 255, 255, 0, GameName},
        {56, 255, 255, 0, GameSubtitle},
        {90, 255, 128, 0, "Why not thank Marrowby"},
        {108, 255, 128, 0, "for making yet another"},
        {126, 255, 128, 0, "free downloadable game!"},
        {165, 0, 128, 255, MakerWebAddress},
    };
    for (const Line& line : lines) {
        SetDrawColour(line.r, line.g, line.b);
        DrawTextAligned(cx, line.y, line.text, 1, 1);
    }
}

void DrawDetailBox(const Scores& r, int W, int H, int s) {
    SetDrawColour(255, 255, 255, 0.6);
    platform::DrawRect(W - 12 - s, H - 576, 330, 140);
    UseFont(Fonts[1]);
    SetDrawColour(80, 80, 0);
    DrawTextAligned(W - 6 - s, H - 572, r.Name, 0, 0);
    SetDrawColour(0, 0, 80);
    DrawTextAligned(W + 314 - s, H - 551, std::to_string(r.Score), 2, 0);
    UseFont(Fonts[4]);
    SetDrawColour(0, 80, 0);
    if (r.Best[30] == 1) DrawTextAligned(W - 6 - s, H - 526, "Complete!", 0, 1);
    SetDrawColour(0, 0, 0);
    UseFont(Fonts[3]);
    DrawTextAligned(W - 6 - s, H - 440, DateText(r.Timestamp) + ", " + TimeText(r.Timestamp), 0, 2);
    // Only the badges earned in that game, small, in a row.
    SetDrawScale(0.28);
    SetDrawColour(255, 255, 255);
    const int badges = std::min(BadgeCount, 31);
    for (int k = 1; k <= badges; ++k)
        if ((static_cast<unsigned>(r.Badges) >> (k - 1)) & 1u)
            DrawCountedImage(BadgesImage, W - 4 - s + (k - 1) * 20, H - 486, k - 1, 1);
    SetDrawScale(1);
}
}  // namespace

int DrawScorePanel(int s, int gameMode, int level, int gameFlags) {
    const int W = ScreenWidth, H = ScreenHeight;
    const int64_t best = BuildScoreTable(gameMode, level, gameFlags);

    // Frame and the graph's top line.
    SetDrawColour(0, 0, 0, 0.6);
    platform::DrawRect(W - 8 - s, H - 432, 322, 422);
    SetDrawColour(0, 0, 80, 1);
    platform::DrawLine(W - 8 - s, H - 160, W - 8, H - 160);

    // The graph: one column per game, newest at the right. Games past the 50
    // newest that are not among the best 25 are pruned, but only after the whole
    // panel is drawn, so nothing drawn this frame refers to a removed record.
    int complete = 0;
    ScoreSelected = nullptr;
    std::vector<std::list<Scores>::iterator> pruned;
    int x = W + 306 - s + ScoreScroll;
    bool hasPrev = false;
    int prevX = 0, prevY = 0;
    int n = 0;
    for (auto it = ScoresList.begin(); it != ScoresList.end(); ++it) {
        Scores& r = *it;
        if (!Matches(r, gameMode, level, gameFlags)) continue;
        ++n;
        if (r.Best[30] == 1) complete = 1;
        if (n == ScoreHighlight && !ScoreSelected) ScoreSelected = &r;
        if (n > kKeptNewest && !InScoreTable(&r)) pruned.push_back(it);
        if (x <= W - 14 - s) continue;  // past the panel's left edge: not drawn
        const int v = GraphHeight(r.Score, best);
        const int y = H - 10 - v;
        SetDrawColour(255 - v, 255, 80, 1);
        DrawCountedImage(IconsImage, x - 8, y - 8, kMarkerFrame, 1);
        SetDrawColour(255, 80 + v, 80);
        if (hasPrev) platform::DrawLine(x, y, prevX, prevY);
        SetDrawColour(0, 0, 0, 0.3);
        platform::DrawLine(x - 9, H - 160, x - 9, H - 11);
        hasPrev = true;
        prevX = x;
        prevY = y;
        if (MouseIn(x - 9, H - 160, 19, 150)) {
            ScoreSelected = &r;
            if (platform::MouseDown(1)) ScoreHighlight = n;
        }
        if (ScoreSelected == &r) {
            SetDrawColour(255, 255, 255, 0.3);
            platform::DrawRect(x - 9, H - 160, 19, 150);
        }
        x -= 18;
    }

    // Scrolling: the left end brings older games into view, the right end newer.
    if (MouseIn(W - 12 - s, H - 160, 32, 150) && ScoreScroll < 1000) ScoreScroll = std::min(ScoreScroll + 8, 1000);
    if (MouseIn(W + 270 - s, H - 160, 62, 150) && ScoreScroll > 0) ScoreScroll = std::max(ScoreScroll - 8, 0);

    // The best sixteen.
    UseFont(Fonts[3]);
    int rows = 0;
    for (int k = 1; k <= kListRows; ++k) {
        Scores* r = ScoreTable[k];
        if (!r) continue;
        ++rows;
        const int y = H - 436 + (k - 1) * 17;
        if (k == ScoreHighlight - 1000 && !ScoreSelected) ScoreSelected = r;
        SetDrawColour(255, 255, 255, 1);
        if (MouseIn(W - 6 - s, y, 320, 18)) {
            ScoreSelected = r;
            if (platform::MouseDown(1)) ScoreHighlight = 1000 + k;
        }
        DrawTextAligned(W - 6 - s, y, r->Name.substr(0, 24), 0, 0);
        DrawTextAligned(W + 314 - s, y, PaddedScore(r->Score), 2, 0);
        if (ScoreSelected == r) {
            SetDrawColour(255, 255, 255, 0.3);
            platform::DrawRect(W - 6 - s, y, 320, 17);
        }
    }

    if (rows > 10) DrawThankYouBox(W, s);
    if (ScoreSelected) DrawDetailBox(*ScoreSelected, W, H, s);

    for (auto it : pruned) {
        if (ScoreSelected == &*it) ScoreSelected = nullptr;
        ScoresList.erase(it);
    }
    return complete;
}
