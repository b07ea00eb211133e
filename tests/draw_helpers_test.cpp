// The drawing helpers, checked through the platform's draw log.
#include <gtest/gtest.h>

#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "platform/graphics.h"
#include "platform/testing.h"
#include "services/common_assets.h"
#include "support/test_env.h"

namespace {

class DrawHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        testenv::OpenTestDisplay(800, 600);
        platform::EnableDrawLog(true);
        platform::ClearDrawLog();
    }
    void TearDown() override { platform::CloseDisplay(); }
};

TEST_F(DrawHelpers, ColourIsClampedAndTruncatedAndAlphaIsOptional) {
    platform::SetAlpha(0.5);
    SetDrawColour(300, -5, 127.9);
    int r, g, b;
    platform::GetColor(r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 127);
    EXPECT_DOUBLE_EQ(platform::GetAlpha(), 0.5);
    SetDrawColour(1, 2, 3, 7.0);
    EXPECT_DOUBLE_EQ(platform::GetAlpha(), 1.0);
    SetDrawColour(1, 2, 3, -1.0);
    EXPECT_DOUBLE_EQ(platform::GetAlpha(), 0.0);
}

TEST_F(DrawHelpers, ScaleWithOmittedYAndResetState) {
    double sx, sy;
    SetDrawScale(2);
    platform::GetScale(sx, sy);
    EXPECT_EQ(sx, 2);
    EXPECT_EQ(sy, 2);
    SetDrawScale(2, 1);
    platform::GetScale(sx, sy);
    EXPECT_EQ(sy, 1);
    SetDrawRotation(30);
    SetBlendKind(3);
    SetBlendKind(9);  // unknown kinds change nothing
    EXPECT_EQ(platform::GetBlend(), platform::kLightBlend);
    ResetDrawState();
    platform::GetScale(sx, sy);
    EXPECT_EQ(sx, 1);
    EXPECT_EQ(platform::GetRotation(), 0);
    EXPECT_EQ(platform::GetBlend(), platform::kAlphaBlend);
}

TEST_F(DrawHelpers, MouseInUsesStrictBounds) {
    struct Case {
        int mx, my;
        bool inside;
    } cases[] = {{10, 10, false}, {11, 11, true}, {29, 29, true}, {30, 15, false}, {15, 30, false}, {15, 10, false}};
    for (const Case& c : cases) {
        MouseX = c.mx;
        MouseY = c.my;
        EXPECT_EQ(MouseIn(10, 10, 20, 20), c.inside) << c.mx << "," << c.my;
        PrevMouseX = c.mx;
        PrevMouseY = c.my;
        EXPECT_EQ(MouseWasIn(10, 10, 20, 20), c.inside);
    }
}

TEST_F(DrawHelpers, ClampFloatTakesNotANumberToTheLowBound) {
    EXPECT_EQ(ClampFloat(5, 0, 1), 1);
    EXPECT_EQ(ClampFloat(-5, 0, 1), 0);
    EXPECT_EQ(ClampFloat(0.5, 0, 1), 0.5);
    EXPECT_EQ(ClampFloat(std::numeric_limits<double>::quiet_NaN(), 0.25, 4), 0.25);
}

TEST_F(DrawHelpers, TextAlignmentShiftsByTruncatedHalves) {
    std::string root = testenv::UseScratchInstall();
    int font = platform::LoadFont(root + "Files/Common/SVBasicManual.ttf", 24, true);
    if (font == 0) GTEST_SKIP() << "fonts are not staged in the build";
    platform::SetFont(font);
    // Find a text of odd width so the truncating half shows.
    std::string text = "A";
    for (const char* t : {"A", "Ab", "Abc", "W", "iii", "Wordloom"})
        if (platform::TextWidth(t) % 2 == 1) text = t;
    int w = platform::TextWidth(text), h = platform::TextHeight(text);
    struct Case {
        int h, v;
        double x, y;
    } cases[] = {{0, 0, 100, 200}, {1, 0, 100.0 - w / 2, 200}, {2, 2, 100.0 - w, 200.0 - h},
                 {1, 1, 100.0 - w / 2, 200.0 - h / 2}, {7, -1, 100, 200}};
    for (const Case& c : cases) {
        platform::ClearDrawLog();
        DrawTextAligned(100, 200, text, c.h, c.v);
        ASSERT_EQ(platform::DrawLog().size(), 1u);
        EXPECT_EQ(platform::DrawLog()[0].x, c.x) << c.h << "," << c.v;
        EXPECT_EQ(platform::DrawLog()[0].y, c.y);
    }
}

TEST_F(DrawHelpers, CountedImagesKeepTheBudgetAndTheFrameskip) {
    struct Case {
        int slowSystem, skipFrame, limit, drawsAsked, drawn;
    } cases[] = {
        {0, 0, 5, 3, 3},  // within budget
        {0, 0, 2, 5, 2},  // budget caps the frame
        {0, 0, 0, 4, 0},  // a zero budget suppresses the kind
        {1, 0, 9, 3, 3},  // slow system, drawn frame
        {1, 1, 9, 3, 0},  // slow system, skipped frame
        {0, 1, 9, 3, 3},  // the toggle matters only in slow-system mode
    };
    for (const Case& c : cases) {
        Settings[7] = c.slowSystem;
        SkipFrame = c.skipFrame;
        SpriteLimit[1] = c.limit;
        StartFrame(0);
        platform::ClearDrawLog();
        for (int i = 0; i < c.drawsAsked; ++i) DrawCountedImage(0, 10, 10, 0, 1);
        EXPECT_EQ(static_cast<int>(platform::DrawLog().size()), c.drawn);
        EXPECT_EQ(SpritesDrawn[1], c.drawn);
    }
}

TEST_F(DrawHelpers, CountedImageIsPlacedByItsTopLeftCorner) {
    // A 30 x 20 image with its handle at the centre, drawn at scale 2.
    std::string dir = testenv::ScratchFolder();
    platform::AutoMidHandle(true);
    int image = platform::CreateImage(30, 20, 0);
    platform::AutoMidHandle(false);
    SpriteLimit[1] = 10;
    SetDrawScale(2);
    DrawCountedImage(image, 100, 50, 0, 1);
    ASSERT_EQ(platform::DrawLog().size(), 1u);
    EXPECT_EQ(platform::DrawLog()[0].x, 100 + 30);
    EXPECT_EQ(platform::DrawLog()[0].y, 50 + 20);
}

TEST_F(DrawHelpers, GlowImageDrawsTheGlowAdditivelyAndRestoresTheState) {
    SpriteLimit[1] = SpriteLimit[2] = 10;
    SetDrawScale(2);
    platform::SetAlpha(0.5);
    DrawGlowImage(0, 0, 0, 3, 0, 1.1, 0.8);
    ASSERT_EQ(platform::DrawLog().size(), 2u);
    const auto& glow = platform::DrawLog()[1];
    EXPECT_DOUBLE_EQ(glow.sx, 2 * 1.1);
    EXPECT_DOUBLE_EQ(glow.alpha, 0.5 * 0.8);
    EXPECT_EQ(glow.blend, platform::kLightBlend);
    double sx, sy;
    platform::GetScale(sx, sy);
    EXPECT_EQ(sx, 2);
    EXPECT_DOUBLE_EQ(platform::GetAlpha(), 0.5);
    EXPECT_EQ(platform::GetBlend(), platform::kAlphaBlend);
    EXPECT_EQ(SpritesDrawn[1], 1);
    EXPECT_EQ(SpritesDrawn[2], 1);
}

TEST_F(DrawHelpers, SelectFontFallsBackOnBadFamilyAndSize) {
    FontGrid[0] = 1001;
    FontGrid[12] = 1012;
    SelectFont(2, 2);
    EXPECT_EQ(platform::GetFont(), 1012);
    SelectFont(7, 2);
    EXPECT_EQ(platform::GetFont(), FontGrid[2]);
    SelectFont(0, 12);
    EXPECT_EQ(platform::GetFont(), 1001);
    FontGrid[0] = FontGrid[12] = 0;
}

}  // namespace
