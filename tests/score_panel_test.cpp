#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "scores/score_panel.h"
#include "services/common_assets.h"
#include "services/display_setup.h"

namespace {
using platform::DrawRecord;

constexpr int kW = 1280, kH = 960, kS = 320;  // panel fully in

// The panel drawn from the draw log, with fake font and image handles so that each
// text and image can be told by its role.
class ScorePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::EnableTestMode();
        platform::EnableDrawLog(true);
        ScreenWidth = kW;
        ScreenHeight = kH;
        for (int k = 1; k <= 13; ++k) Fonts[k] = 900 + k;
        IconsImage = 801;
        BadgesImage = 802;
        SpriteLimit[1] = 100000;
        Settings[7] = 0;
        ScoresList.clear();
        ScoreHighlight = 0;
        ScoreScroll = 0;
        PointAt(-1000, -1000);
    }
    void TearDown() override {
        ReleaseMouse();
        platform::EnableDrawLog(false);
        ScoresList.clear();
    }

    static void Add(int64_t score, int64_t timestamp, const std::string& name = "P", int level = 0) {
        Scores r;
        r.Score = score;
        r.Timestamp = timestamp;
        r.Name = name;
        r.Level = level;
        ScoresList.push_back(r);  // callers add newest first
    }
    static void PointAt(int x, int y) {
        MouseX = x;
        MouseY = y;
    }
    static void PressMouse() {
        platform::ScriptMouseDown(1);
        platform::PollEvents();
    }
    static void ReleaseMouse() {
        platform::ScriptMouseUp(1);
        platform::PollEvents();
    }
    static int Draw() {
        platform::ClearDrawLog();
        SpritesDrawn[1] = 0;
        return DrawScorePanel(kS, 0, 0, 0);
    }
    static std::vector<DrawRecord> Ops(const std::string& op, int handle = -1) {
        std::vector<DrawRecord> out;
        for (const DrawRecord& d : platform::DrawLog())
            if (d.op == op && (handle < 0 || d.handle == handle)) out.push_back(d);
        return out;
    }
    static std::vector<std::string> Texts(int font) {
        std::vector<std::string> out;
        for (const DrawRecord& d : Ops("text", font)) out.push_back(d.text);
        return out;
    }
    static bool Drew(const std::string& text) {
        for (const DrawRecord& d : Ops("text"))
            if (d.text == text) return true;
        return false;
    }
    // The detail box's name line: font 1 at the box's first line.
    static std::string DetailName() {
        for (const DrawRecord& d : Ops("text", Fonts[1]))
            if (d.y == kH - 572) return d.text;
        return "<none>";
    }
    // Pointer inside graph column c (1 = newest) or best-list row k.
    static void PointAtColumn(int c) { PointAt(kW + 306 - kS - (c - 1) * 18, kH - 100); }
    static void PointAtRow(int k) { PointAt(kW - 6 - kS + 100, kH - 436 + (k - 1) * 17 + 8); }
};

TEST_F(ScorePanelTest, BestListRanksByScoreWithNewerTiesFirst) {
    Add(5, 500, "A");
    Add(9, 400, "B");
    Add(5, 300, "C");
    Add(-50, 200, "D");
    Add(12, 100, "E");
    Add(99, 50, "OtherLevel", 1);  // not this game's records
    Draw();
    EXPECT_EQ(Texts(Fonts[3]), (std::vector<std::string>{"E", "000000000012", "B", "000000000009", "A",
                                                          "000000000005", "C", "000000000005", "D", "000000000-50"}));
    const auto rows = Ops("text", Fonts[3]);
    EXPECT_EQ(rows[0].y, kH - 436);
    EXPECT_EQ(rows[8].y, kH - 436 + 4 * 17);
    EXPECT_EQ(rows[0].x, kW - 6 - kS);
    EXPECT_EQ(ScoreTable[1]->Name, "E");
    EXPECT_EQ(ScoreTable[6], nullptr);
    EXPECT_EQ(Ops("image", IconsImage).size(), 5u);  // one marker per matching game
}

TEST_F(ScorePanelTest, PruningKeepsFiftyNewestPlusOldTopScores) {
    struct Case {
        int64_t oldTopScore;  // score of the 55th newest game
        size_t kept;
    };
    for (const Case c : {Case{3, 50u}, Case{5000, 51u}}) {
        ScoresList.clear();
        for (int i = 1; i <= 60; ++i) Add(i <= 50 ? 1000 + i : (i == 55 ? c.oldTopScore : i), 10000 - i);
        Add(1, 1, "OtherLevel", 7);  // other modes are never pruned here
        Draw();
        EXPECT_EQ(ScoresList.size(), c.kept + 1) << c.oldTopScore;
        bool oldTopKept = false;
        for (const Scores& r : ScoresList) oldTopKept |= r.Score == 5000;
        EXPECT_EQ(oldTopKept, c.oldTopScore == 5000);
        // Nothing further goes at the next frame.
        Draw();
        EXPECT_EQ(ScoresList.size(), c.kept + 1);
    }
}

TEST_F(ScorePanelTest, GraphHeightsAndColoursFollowTheBestScore) {
    Add(0, 300);    // newest, rightmost column
    Add(300, 200);  // the best: 150 pixels up
    Add(-50, 100);
    Draw();
    const auto markers = Ops("image", IconsImage);
    ASSERT_EQ(markers.size(), 3u);
    const int x1 = kW + 306 - kS;
    EXPECT_EQ(markers[0].frame, 7);
    EXPECT_EQ(markers[0].x, x1 - 8);
    EXPECT_EQ(markers[0].y, kH - 10 - 8);
    EXPECT_EQ(markers[1].x, x1 - 18 - 8);
    EXPECT_EQ(markers[1].y, kH - 160 - 8);
    EXPECT_EQ(markers[2].y, kH - 10 + 25 - 8);
    EXPECT_EQ((std::vector<int>{markers[0].r, markers[0].g, markers[0].b}), (std::vector<int>{255, 255, 80}));
    EXPECT_EQ(markers[1].r, 105);
    EXPECT_EQ(markers[2].r, 255);  // 255 + 25 clamped
    // Lines join each marker to the newer one.
    const auto lines = Ops("line");
    bool joined = false;
    for (const DrawRecord& d : lines)
        joined |= d.x == x1 - 18 && d.y == kH - 160 && d.w == x1 && d.h == kH - 10 && d.g == 80 + 150;
    EXPECT_TRUE(joined);
}

TEST_F(ScorePanelTest, ExtremeScoresDrawWithinRangeAndNegativeBestIsSafe) {
    for (const std::vector<int64_t>& scores : std::vector<std::vector<int64_t>>{
             {INT64_MAX, INT64_MIN, 0, 1}, {-5, INT64_MIN, -1}, {INT64_MIN + 1, 1}}) {
        ScoresList.clear();
        int64_t t = 1000;
        for (int64_t s : scores) Add(s, t--);
        Draw();
        EXPECT_EQ(Ops("image", IconsImage).size(), scores.size());
        for (const DrawRecord& d : platform::DrawLog()) {
            EXPECT_GE(d.r, 0);
            EXPECT_LE(d.r, 255);
            EXPECT_GE(d.g, 0);
            EXPECT_LE(d.g, 255);
            EXPECT_LT(std::abs(d.y), 1e7);
        }
    }
}

TEST_F(ScorePanelTest, ThankYouBoxFromElevenRows) {
    for (int rows : {10, 11}) {
        ScoresList.clear();
        for (int i = 1; i <= rows; ++i) Add(i, 100 - i);
        Draw();
        EXPECT_EQ(Drew("You've been enjoying"), rows == 11) << rows;
        EXPECT_EQ(Drew(MakerWebAddress), rows == 11) << rows;
    }
    const auto title = Ops("text", Fonts[1]);
    ASSERT_FALSE(title.empty());
    EXPECT_EQ(title[1].text, "Wordloom");
}

TEST_F(ScorePanelTest, DetailBoxShowsTheWholeRecord) {
    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";  // 30 characters
    Add(152, 65150251200LL, longName);
    ScoresList.front().Best[30] = 1;
    ScoresList.front().Badges = 0b101;
    PointAtRow(1);
    EXPECT_EQ(Draw(), 1);  // a completed game is listed
    EXPECT_EQ(Texts(Fonts[3])[0], longName.substr(0, 24));
    EXPECT_EQ(DetailName(), longName);
    EXPECT_TRUE(Drew("152"));
    EXPECT_TRUE(Drew("Complete!"));
    EXPECT_TRUE(Drew("09-12-2026, 20:00:00"));
    const auto badges = Ops("image", BadgesImage);
    ASSERT_EQ(badges.size(), 2u);  // only the badges earned
    EXPECT_EQ(badges[0].frame, 0);
    EXPECT_EQ(badges[1].frame, 2);
    EXPECT_EQ(badges[1].x, kW - 4 - kS + 40);
    EXPECT_DOUBLE_EQ(badges[0].sx, 0.28);

    ScoresList.front().Best[30] = 0;
    EXPECT_EQ(Draw(), 0);
    EXPECT_FALSE(Drew("Complete!"));
}

TEST_F(ScorePanelTest, HoverShowsWhileThereAndClickPins) {
    Add(10, 300, "Newest");
    Add(20, 200, "Middle");
    Add(30, 100, "Oldest");

    PointAtColumn(2);
    Draw();
    EXPECT_EQ(DetailName(), "Middle");
    PointAt(10, 10);
    Draw();
    EXPECT_EQ(DetailName(), "<none>");  // hovering does not pin

    PointAtColumn(2);
    PressMouse();
    Draw();
    ReleaseMouse();
    PointAt(10, 10);
    Draw();
    EXPECT_EQ(ScoreHighlight, 2);
    EXPECT_EQ(DetailName(), "Middle");
    PointAtColumn(1);
    Draw();
    EXPECT_EQ(DetailName(), "Newest");  // hovering shows another game over the pinned one

    PointAtRow(1);  // the best: Oldest
    PressMouse();
    Draw();
    ReleaseMouse();
    PointAt(10, 10);
    Draw();
    EXPECT_EQ(ScoreHighlight, 1001);
    EXPECT_EQ(DetailName(), "Oldest");
}

TEST_F(ScorePanelTest, EdgesOfTheGraphScroll) {
    for (int i = 1; i <= 80; ++i) Add(i, 1000 - i);
    PointAt(kW - 12 - kS + 10, kH - 100);  // left end
    for (int f = 0; f < 200; ++f) Draw();
    EXPECT_EQ(ScoreScroll, 1000);
    PointAt(kW + 270 - kS + 10, kH - 100);  // right end
    Draw();
    EXPECT_EQ(ScoreScroll, 992);
    for (int f = 0; f < 200; ++f) Draw();
    EXPECT_EQ(ScoreScroll, 0);
}

TEST_F(ScorePanelTest, EmptyListDrawsFrameOnly) {
    EXPECT_EQ(Draw(), 0);
    EXPECT_EQ(Ops("rect").size(), 1u);
    EXPECT_EQ(Ops("line").size(), 1u);
    EXPECT_TRUE(Ops("text").empty());
    EXPECT_TRUE(Ops("image").empty());
}
}  // namespace
