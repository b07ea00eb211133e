#include "wordgame/game_screen.h"

#include <string>

#include "frame/draw_helpers.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "services/messages.h"
#include "services/sound_effects.h"
#include "wordgame/game_layout.h"
#include "wordgame/particles.h"
#include "wordgame/rack_tiles.h"
#include "wordgame/tile_bag.h"
#include "wordgame/word_rules.h"

namespace {

std::function<void()>& StartHook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void StartGame() {
    ResetGameState();
    SetBonusLayout();
    ClearBoard();
    platform::SeedRnd(static_cast<int32_t>(ClockMs()));
    FillTileBag();
    DealRack();
    DraggedTile = 0;
    HoverSlot = 0;
    Particles.clear();
    if (StartHook()) StartHook()();
}

namespace {

bool EitherButtonDown() { return platform::MouseDown(1) || platform::MouseDown(2); }

void FillBands() {
    platform::DrawRect(0, 0, ScreenWidth, UpperBandHeight());
    platform::DrawRect(0, LowerBandY(), ScreenWidth, LowerBandHeight());
}

void DrawBoard() {
    HoverSlot = 0;
    for (int s = 1; s <= kBoardSlots; ++s) {
        DrawCountedImage(GfxImage, SlotX(s), SlotY(), BoardBonus[s] + 27, 1);
        if (MouseIn(SlotX(s), SlotY(), kTileSize, kTileSize)) HoverSlot = s;
    }
    AssembleWord();
}

// The word over the board, its score, the refusal and the playing of a word.
void WordAndPlay() {
    if (!WordPlayable()) return;
    int w2 = ScreenWidth / 2;
    if (WordValid) SetDrawColour(255, 255, 255, 1);
    else SetDrawColour(255, 0, 0, 1);
    SelectFont(2, 8);
    DrawTextAligned(w2, 20, AssembledWord, 1, 0);
    SelectFont(2, 6);
    bool inBand = MouseInBand();
    if (!WordValid && inBand && EitherButtonDown() && DraggedTile == 0 && MouseLatch == 0) {
        MouseLatch = 1;
        PlaySfx(7, 1, 1, 0);
    }
    if (WordValid && inBand) {
        SetDrawColour(0, 80, 0, 0.3);
        FillBands();
        SetDrawColour(180, 255, 180, 1);
        if (EitherButtonDown() && DraggedTile == 0) PlayWord();
    }
    if (WordMultiplier > 1)
        DrawTextAligned(w2, 110, std::to_string(LetterSum) + " x " + std::to_string(WordMultiplier), 1, 0);
    DrawTextAligned(w2, 150, "Score : " + std::to_string(LetterSum * WordMultiplier), 1, 0);
}

void DrawTexts() {
    SelectFont(2, 4);
    ResetDrawState();
    SetDrawColour(180, 255, 180);
    DrawTextAligned(20, 20, "Score so Far : " + std::to_string(GameScore), 0, 0);
    std::string last = "Last Word : " + LastWord + " (" + std::to_string(LastWordScore) + ")";
    if (LastResult == 1) {
        SetDrawColour(180, 255, 180);
        DrawTextAligned(20, 50, last + "  Earned", 0, 0);
    } else if (LastResult == 0) {
        SetDrawColour(255, 180, 180);
        DrawTextAligned(20, 50, last + "  Failed", 0, 0);
    }
    SetDrawColour(180, 255, 180);
    DrawTextAligned(20, 80, "Best Word : " + BestWord + " (" + std::to_string(BestWordScore) + ")", 0, 0);
    DrawTextAligned(20, 140, "Tiles remaining : " + std::to_string(TilesLeft), 0, 0);
    SelectFont(2, 7);
    if (TargetDirection == 1) {
        SetDrawColour(180, 180, 255, 1);
        DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2, "Target : More than " + std::to_string(TargetScore), 1, 0);
    } else {
        SetDrawColour(255, 180, 180, 1);
        DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2, "Target : Less than " + std::to_string(TargetScore), 1, 0);
    }
    SelectFont(2, 6);
    if (!BonusMessage.empty()) {
        SetDrawColour(255, 255, 255);
        DrawTextAligned(ScreenWidth / 2, ScreenHeight / 2 + 96, BonusMessage, 1, 0);
    }
}

void DrawRackBackdrop() {
    for (int k = 1; k <= 6; ++k) {
        DrawCountedImage(GfxImage, ScreenWidth / 2 - 512 + (k - 1) * kTileSize, ScreenHeight - 200, 34 + k, 1);
        DrawCountedImage(GfxImage, ScreenWidth / 2 + (k - 1) * kTileSize, ScreenHeight - 200, 41 + k, 1);
    }
}

// A rack-place button: dim until the pointer is on it, then lit with its label.
// Returns true when it was pressed with a fresh click of the left button.
bool Button(int x, int labelX, const char* label, int image) {
    bool pressed = false;
    SetDrawColour(255, 255, 255, 0.5);
    if (MouseIn(x, ButtonY(), kTileSize, kTileSize)) {
        SetDrawColour(255, 255, 255, 1);
        SelectFont(2, 2);
        DrawTextAligned(labelX, ScreenHeight - 240, label, 1, 1);
        pressed = platform::MouseDown(1) && DraggedTile == 0 && MouseLatch == 0;
    }
    DrawCountedImage(image, x, ButtonY(), 0, 1);
    return pressed;
}

void DrawGameOver() {
    platform::Flip(false);
    int x = ScreenWidth / 2, y = ScreenHeight / 2;
    auto ring = [&](int reach, int r, int g, int b) {
        for (int dx = -reach; dx <= reach; ++dx)
            for (int dy = -reach; dy <= reach; ++dy) {
                ResetDrawState();
                SetDrawColour(r, g, b, 1);
                UseFont(Fonts[5]);
                DrawTextAligned(x + dx, y + dy, "Game Over", 1, 1);
            }
    };
    ring(3, 255, 255, 255);
    ring(2, 8, 8, 8);
    ResetDrawState();
    SetDrawColour(255, 255, 0, 1);
    UseFont(Fonts[5]);
    DrawTextAligned(x, y, "Game Over", 1, 1);
    platform::Flip(false);
}

}  // namespace

// One frame of the game, in the fixed order of the rules.
void GameFrame() {
    StartFrame(1);
    ResetDrawState();
    DrawBoard();
    SetDrawColour(0, 0, 180, 0.3);
    FillBands();
    CheckWord();
    WordAndPlay();
    CountUp();
    DrawTexts();
    ResetDrawState();
    DrawRackBackdrop();
    ResetDrawState();
    UpdateParticles();
    ResetDrawState();
    for (int i = 1; i <= kRackTiles; ++i) UpdateRackTile(i);
    int rackTiles = RackTileCount();
    if (TilesLeft > 0 && !WordValid) {
        if (Button(SwapButtonX(), ScreenWidth / 2 + 498, "Uses 50 points", SwapImage)) SwapRack();
    }
    if (Button(QuitButtonX(), ScreenWidth / 2 - 502, "Ends the Game", CrossImage)) {
        MouseLatch = 1;
        ExitCode = 99;
    }
    CheckAllTilesBonus(rackTiles);
    CheckNormalEnd(rackTiles);
    if (!EitherButtonDown()) MouseLatch = 0;
    if (platform::KeyHit('1')) AddComment("This is a Test Comment", 1);
    if (EndFrame(MouseMode) == 99) ExitCode = 99;
}

void SetGameStartHook(std::function<void()> hook) { StartHook() = std::move(hook); }

void PlayGame() {
    StartGame();
    while (ExitCode == 0) GameFrame();
    DrawGameOver();
    FinishGame();
}
