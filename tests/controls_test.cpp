#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "controls/binding_buttons.h"
#include "controls/bindings.h"
#include "controls/key_names.h"
#include "frame/draw_helpers.h"
#include "frame/settings_panel.h"
#include "frame/setup_file.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "services/common_assets.h"

namespace {

struct NameCase {
    int code;
    const char* name;
};

TEST(ControlsNamesTest, EveryClassOfCodeHasItsName) {
    const NameCase cases[] = {
        {1, "Left Mousebutton"}, {3, "Middle Mousebutton"}, {8, "Backspace"}, {9, "Tab"},
        {12, "Clear"}, {13, "Return"}, {19, "Pause"}, {20, "CapsLock"}, {27, "Escape"},
        {32, "Space"}, {33, "Page Up"}, {36, "Home"}, {37, "Left"}, {38, "Up"}, {40, "Down"},
        {41, "Select"}, {44, "Screen"}, {47, "Help"}, {48, "0"}, {49, "1"}, {57, "9"},
        {65, "A"}, {90, "Z"}, {91, "Sys Left"}, {92, "Sys Right"}, {96, "0"}, {97, "1"},
        {105, "9"}, {106, "*"}, {107, "+"}, {109, "-"}, {110, "."}, {111, "/"}, {112, "F1"},
        {123, "F12"}, {144, "NumLock"}, {145, "ScrollLock"}, {160, "LShift"}, {165, "RAlt"},
        {173, "Mute"}, {174, "Volume Down"}, {175, "Volume Up"}, {186, ";"}, {187, "="},
        {189, "-"}, {192, "'"}, {219, "["}, {220, "\\"}, {221, "]"}, {222, "#"}, {223, "`"},
        {226, "\\"},
        // Codes without a key row are named like joystick parts.
        {93, "13"}, {124, "-6"}, {4, "Z-"}, {255, "Z+"},
        {300, "Y-"}, {301, "Y+"}, {302, "X-"}, {303, "X+"}, {304, "Z-"}, {305, "Z+"},
        {306, "U-"}, {307, "U+"}, {308, "V-"}, {309, "V+"}, {310, "R-"}, {311, "R+"},
        {312, "-18"}, {320, "Up"}, {323, "Left"}, {325, "Right"}, {328, "Down"},
        {330, "0"}, {348, "18"}, {349, "19"}, {353, "X+"}, {370, "Up"}, {430, "0"},
        {0, "None"},
    };
    for (const NameCase& c : cases) EXPECT_EQ(KeyName(c.code), c.name) << "code " << c.code;
}

TEST(ControlsNamesTest, TheKeyTableHasItsRowsAndNoOthers) {
    // A joystick code 300 higher has the same part but never a key row, so the
    // codes whose name differs from it are exactly the keys with a row.
    int rows = 0;
    for (int code = 1; code <= 255; ++code)
        if (KeyName(code) != KeyName(code + 300)) ++rows;
    EXPECT_EQ(rows, 115);
    for (int code : {5, 6, 7, 58, 64, 94, 95, 108, 143, 227, 254})
        EXPECT_EQ(KeyName(code), KeyName(code + 300)) << "code " << code;
}

TEST(ControlsNamesTest, OddCodesAreNamedWithoutHarm) {
    for (int code : {INT_MIN, -1, 256, 299, 500, INT_MAX}) EXPECT_FALSE(KeyName(code).empty()) << code;
}

// Every test starts with no key held and the joysticks it asks for surveyed.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::EnableTestMode();
        ReleaseAllKeys();
        SetControlDefaults();
        Survey({});
    }
    void TearDown() override {
        ReleaseAllKeys();
        Survey({});
    }

    static void Survey(const std::vector<platform::FakeJoystick>& pads) {
        platform::SetFakeJoysticks(pads);
        SurveyJoysticks();
    }
    static void Hold(std::initializer_list<int> codes) {
        for (int code : codes) platform::ScriptKeyDown(code);
        Poll();
    }
    static void ReleaseAllKeys() {
        for (int code = 1; code <= 255; ++code) platform::ScriptKeyUp(code);
        Poll();
    }
    static void Poll() {
        platform::ScriptFrameMark();
        platform::PollEvents();
    }
    static platform::FakeJoystick Pad(const char* name = "Test Pad") {
        platform::FakeJoystick pad;
        pad.name = name;
        return pad;
    }
};

TEST_F(ControlsTest, DefaultBindings) {
    const int expected[][2] = {{0, 38}, {3, 37}, {5, 39}, {8, 40}, {10, 90}, {11, 88}, {12, 67}, {13, 86}};
    int bound = 0;
    for (int i = 0; i < 101; ++i) bound += ControlKeys[i] != 0;
    EXPECT_EQ(bound, 8);
    for (const auto& e : expected) EXPECT_EQ(ControlKeys[e[0]], e[1]) << "control " << e[0];
}

TEST_F(ControlsTest, SurveyCapsPortsAndKeepsRestReadings) {
    std::vector<platform::FakeJoystick> pads;
    for (int i = 0; i < 5; ++i) {
        platform::FakeJoystick pad = Pad(("Pad " + std::to_string(i + 1)).c_str());
        pad.buttons = 2 + i;
        for (int a = 0; a < 6; ++a) pad.axes[a] = 0.01 * (a + 1) + 0.1 * i;  // X, Y, Z, R, U, V
        pads.push_back(pad);
    }
    pads[1].hat = 0;          // not centred: its hat can't be trusted
    pads[2].hat = -0.999;     // only exactly -1 counts as centred
    Survey(pads);

    EXPECT_EQ(JoyPorts, 4);
    EXPECT_EQ(JoyEnabled[0], 0);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(JoyNames[p], "Pad " + std::to_string(p));
        EXPECT_EQ(JoyButtonCaps[p], (1 << (p + 1)) - 1);
        EXPECT_EQ(JoyEnabled[p], 1);
        const double base = 0.1 * (p - 1);
        EXPECT_DOUBLE_EQ(JoyRestX[p], base + 0.01);
        EXPECT_DOUBLE_EQ(JoyRestY[p], base + 0.02);
        EXPECT_DOUBLE_EQ(JoyRestZ[p], base + 0.03);
        EXPECT_DOUBLE_EQ(JoyRestR[p], base + 0.04);
        EXPECT_DOUBLE_EQ(JoyRestU[p], base + 0.05);
        EXPECT_DOUBLE_EQ(JoyRestV[p], base + 0.06);
    }
    EXPECT_EQ(JoyHatCentred[1], 1);
    EXPECT_EQ(JoyHatCentred[2], 0);
    EXPECT_EQ(JoyHatCentred[3], 0);
    EXPECT_EQ(JoyHatCentred[4], 1);

    Survey({});
    EXPECT_EQ(JoyPorts, 0);
    EXPECT_EQ(JoyEnabled[1], 0);
    EXPECT_EQ(JoyNames[1], "");
}

TEST_F(ControlsTest, EachAxisDirectionIsItsOwnCode) {
    Survey({Pad()});
    // Parts 0..11 pair up per axis in the order Y, X, Z, U, V, R; the platform
    // numbers its axes X, Y, Z, R, U, V.
    const int platformAxisOfPair[6] = {1, 0, 2, 4, 5, 3};
    for (int part = 0; part <= 11; ++part) {
        platform::FakeJoystick* pad = platform::FakeJoy(0);
        for (double& a : pad->axes) a = 0;
        pad->axes[platformAxisOfPair[part / 2]] = part % 2 == 0 ? -0.5 : 0.5;
        for (int other = 0; other <= 11; ++other)
            EXPECT_EQ(ControlDown(300 + other), other == part ? 1 : 0) << "pushed part " << part << ", tested " << other;
        EXPECT_EQ(CaptureControl(), 300 + part);
    }
}

TEST_F(ControlsTest, AxisThresholdsAreStrictAndCountFromTheRestReading) {
    platform::FakeJoystick pad = Pad();
    pad.axes[1] = 0.05;  // Y rests a little off centre
    pad.axes[0] = 0.0;
    Survey({pad});
    struct Case {
        double y;
        int minus, plus;
    };
    const Case cases[] = {{0.05, 0, 0}, {-0.24, 0, 0}, {-0.26, 1, 0}, {0.34, 0, 0}, {0.36, 0, 1}, {-1, 1, 0}, {1, 0, 1}};
    for (const Case& c : cases) {
        platform::FakeJoy(0)->axes[1] = c.y;
        EXPECT_EQ(ControlDown(300), c.minus) << "Y " << c.y;
        EXPECT_EQ(ControlDown(301), c.plus) << "Y " << c.y;
    }
    // Exactly the threshold is not beyond it.
    platform::FakeJoy(0)->axes[1] = 0.05;
    for (double x : {-0.3, 0.3}) {
        platform::FakeJoy(0)->axes[0] = x;
        EXPECT_EQ(ControlDown(302) + ControlDown(303), 0) << "X " << x;
        EXPECT_EQ(CaptureControl(), 0) << "X " << x;
    }
}

TEST_F(ControlsTest, HatWindowsOverlapOnDiagonalsButCaptureOnlyStraights) {
    Survey({Pad()});
    struct Case {
        double hat;
        std::set<int> down;
        int captured;
    };
    const Case cases[] = {
        {-1, {}, 0},           {0, {320}, 320},         {0.1, {320}, 0},          {0.125, {320, 325}, 0},
        {0.2, {325}, 0},       {0.25, {325}, 325},      {0.375, {325, 328}, 0},   {0.5, {328}, 328},
        {0.625, {328, 323}, 0}, {0.75, {323}, 323},     {0.875, {323, 320}, 0},   {0.9, {320}, 0},
    };
    for (const Case& c : cases) {
        platform::FakeJoy(0)->hat = c.hat;
        std::set<int> down;
        for (int code : {320, 323, 325, 328})
            if (ControlDown(code)) down.insert(code);
        EXPECT_EQ(down, c.down) << "hat " << c.hat;
        EXPECT_EQ(CaptureControl(), c.captured) << "hat " << c.hat;
    }
}

TEST_F(ControlsTest, HatNotCentredAtStartIsNeverUsed) {
    platform::FakeJoystick pad = Pad();
    pad.hat = 0.5;
    Survey({pad});
    for (double hat : {0.0, 0.25, 0.5, 0.75}) {
        platform::FakeJoy(0)->hat = hat;
        for (int code : {320, 323, 325, 328}) EXPECT_EQ(ControlDown(code), 0) << "hat " << hat;
        EXPECT_EQ(CaptureControl(), 0) << "hat " << hat;
    }
}

TEST_F(ControlsTest, ButtonsDownAndCapturedBelowNineteen) {
    platform::FakeJoystick pad = Pad();
    pad.buttons = 32;
    Survey({pad, pad});
    platform::FakeJoy(1)->buttonDown[2] = true;
    EXPECT_EQ(ControlDown(382), 1);  // port 2, button 2
    EXPECT_EQ(ControlDown(332), 0);  // only the code's own port is read
    EXPECT_EQ(CaptureControl(), 382);
    platform::FakeJoy(1)->buttonDown[2] = false;

    platform::FakeJoy(0)->buttonDown[19] = true;
    EXPECT_EQ(ControlDown(349), 1);
    EXPECT_EQ(CaptureControl(), 0);  // button 19 is tested but never captured
}

TEST_F(ControlsTest, SwitchedOffPortsAndCodesBeyondThePortsReadAsUp) {
    platform::FakeJoystick pushed = Pad();
    pushed.buttons = 32;
    pushed.hat = -1;
    Survey({pushed, pushed, pushed, pushed});
    for (int p = 0; p < 4; ++p) {
        platform::FakeJoystick* pad = platform::FakeJoy(p);
        for (double& a : pad->axes) a = -1;
        pad->hat = 0;
        for (bool& b : pad->buttonDown) b = true;
    }
    for (int code : {500, 501, 520, 530, 549, 999, 12345, INT_MAX}) EXPECT_EQ(ControlDown(code), 0) << code;

    JoyEnabled[1] = 0;
    EXPECT_EQ(ControlDown(300), 0);
    EXPECT_EQ(ControlDown(320), 0);
    EXPECT_EQ(ControlDown(330), 0);
    EXPECT_EQ(ControlDown(350), 1);
    EXPECT_EQ(CaptureControl(), 350);  // the capture skips the switched-off port
}

TEST_F(ControlsTest, NoJoystickMeansNoJoystickCodes) {
    for (int code = 300; code < 500; ++code) EXPECT_EQ(ControlDown(code), 0) << code;
    EXPECT_EQ(CaptureControl(), 0);
}

TEST_F(ControlsTest, KeysAndTheCapture) {
    platform::FakeJoystick pad = Pad();
    Survey({pad});
    platform::FakeJoy(0)->buttonDown[0] = true;
    Hold({38});
    EXPECT_EQ(ControlDown(38), 1);
    EXPECT_EQ(CaptureControl(), 38);  // keys come before joysticks
    ReleaseAllKeys();
    EXPECT_EQ(CaptureControl(), 330);
    platform::FakeJoy(0)->buttonDown[0] = false;

    Hold({90, 65});
    EXPECT_EQ(CaptureControl(), 65);  // lowest code first
    Hold({123});
    EXPECT_EQ(CaptureControl(), 0);   // F12 held: nothing is captured
    ReleaseAllKeys();
    Hold({122, 65});
    EXPECT_EQ(CaptureControl(), 0);   // nor with F11
    ReleaseAllKeys();

    // Tab can be stored as a binding but never reads as held; nor do 1..9 and 255.
    Hold({9});
    EXPECT_EQ(ControlDown(9), 0);
    EXPECT_EQ(KeyName(9), "Tab");
    EXPECT_EQ(CaptureControl(), 9);
    Hold({8, 255});
    EXPECT_EQ(ControlDown(8), 0);
    EXPECT_EQ(ControlDown(255), 0);
    Hold({10, 254});
    EXPECT_EQ(ControlDown(10), 1);
    EXPECT_EQ(ControlDown(254), 1);
    ReleaseAllKeys();

    // A mouse button is input too (codes 1..3), so the closing page ends on a
    // click, while a binding button ignores codes below 9.
    platform::ScriptMouseDown(2);
    Poll();
    EXPECT_EQ(CaptureControl(), 2);
    EXPECT_EQ(ControlDown(2), 0);
    platform::ScriptMouseUp(2);
    Poll();
    EXPECT_EQ(CaptureControl(), 0);
}

TEST_F(ControlsTest, PlayerControlDownReadsThePlayersBinding) {
    Hold({38});
    EXPECT_EQ(PlayerControlDown(0, 1), 1);
    EXPECT_EQ(PlayerControlDown(0, 2), 0);  // player 2 has nothing bound
    ControlKeys[20] = 38;
    EXPECT_EQ(PlayerControlDown(0, 2), 1);
    for (int bad : {-1000, INT_MIN, INT_MAX}) {
        EXPECT_EQ(PlayerControlDown(0, bad), 0);
        EXPECT_EQ(PlayerControlDown(bad, 1), 0);
    }
    EXPECT_EQ(PlayerControlDown(1, 6), 0);  // entry 101 is beyond the table
    EXPECT_EQ(PlayerControlDown(-1, 1), 0);
}


TEST(BindingButtonsNamesTest, IconAndLabelOfEachKindOfBinding) {
    struct Case {
        int code;
        int frame;
        const char* label;
    };
    const Case cases[] = {
        {0, 3, "?!"},     {8, 3, ""},       {9, 3, "Tab"},    {90, 3, "Z"},     {254, 3, "Z-"},
        {255, 3, ""},     {299, 3, ""},     {300, 9, "Y-"},   {311, 9, "R+"},   {320, 8, "Up"},
        {329, 8, "-1"},   {330, 10, "0"},   {349, 10, "19"},  {430, 10, "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BindingIconFrame(c.code), c.frame) << "code " << c.code;
        EXPECT_EQ(BindingLabel(c.code), c.label) << "code " << c.code;
    }
}

class BindingButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::EnableTestMode();
        SetControlDefaults();
        platform::SetFakeJoysticks({});
        SurveyJoysticks();
        Release();
    }
    void TearDown() override {
        Release();
        MouseX = MouseY = 0;
        SettingsSlide = -300;
    }
    static void Hold(int code) {
        platform::ScriptKeyDown(code);
        Poll();
    }
    static void Release() {
        for (int code = 1; code <= 255; ++code) platform::ScriptKeyUp(code);
        for (int b = 1; b <= 3; ++b) platform::ScriptMouseUp(b);
        Poll();
    }
    static void Poll() {
        platform::ScriptFrameMark();
        platform::PollEvents();
    }
    static void Survey1Pad() {
        platform::SetFakeJoysticks({platform::FakeJoystick()});
        SurveyJoysticks();
    }
    static void DrawAt(int slide) {
        SettingsSlide = slide;
        DrawBindingButtons();
    }
    // Puts the pointer on the middle of a button whose top-left corner is (x, y).
    static void PointAt(int x, int y) {
        MouseX = x + 24;
        MouseY = y + 24;
    }
};

TEST_F(BindingButtonsTest, TheButtonUnderThePointerTakesTheHeldInput) {
    PointAt(250 + 50, 20 + 10);  // player 1, up
    Hold(65);
    DrawAt(20);
    EXPECT_EQ(ControlKeys[0], 65);
    EXPECT_EQ(ControlKeys[3], 37);  // the others keep theirs
    Release();

    Hold(9);
    DrawAt(20);
    EXPECT_EQ(ControlKeys[0], 9);  // Tab can be bound, though it never reads as held
    Release();

    platform::ScriptMouseDown(1);  // the click that brought the pointer is ignored
    Poll();
    DrawAt(20);
    EXPECT_EQ(ControlKeys[0], 9);
    Release();

    Hold(8);  // Backspace clears
    DrawAt(20);
    EXPECT_EQ(ControlKeys[0], 0);
    Release();

    PointAt(650 + 190, 20 + 160 + 60);  // player 4, button 1
    Hold(70);
    DrawAt(20);
    EXPECT_EQ(ControlKeys[3 * 20 + 10], 70);
    EXPECT_EQ(ControlKeys[10], 90);
}

TEST_F(BindingButtonsTest, NothingIsCapturedUntilThePanelIsFullyOpen) {
    PointAt(250 + 50, -10 + 10);
    Hold(65);
    DrawAt(-10);
    EXPECT_EQ(ControlKeys[0], 38);
    // On the button's very edge the pointer is outside it.
    MouseX = 300;
    MouseY = 40;
    DrawAt(20);
    EXPECT_EQ(ControlKeys[0], 38);
}

// The layout of the pad, read from the draw log. Without a display the icons have
// no size and the texts no width, so each record sits exactly at the point it
// was placed on.
TEST_F(BindingButtonsTest, PadLayoutIconsAndLabels) {
    const int savedLimits[3] = {SpriteLimit[1], SpriteLimit[2], Settings[7]};
    const int savedIcons[2] = {IconsImageSharp, IconsImage};
    SpriteLimit[1] = SpriteLimit[2] = 50000;
    Settings[7] = 0;
    IconsImageSharp = 9001;
    IconsImage = 9002;
    ControlKeys[20 + 0] = 301;   // player 2 up: an axis
    ControlKeys[20 + 3] = 325;   // player 2 left: a hat
    ControlKeys[40 + 10] = 330;  // player 3 button 1: a joystick button
    Survey1Pad();
    Hold(37);                    // player 1's left is held: lit
    MouseX = MouseY = 5;         // the pointer rests on no button

    platform::EnableDrawLog(true);
    platform::ClearDrawLog();
    ResetDrawState();
    DrawAt(20);
    const std::vector<platform::DrawRecord> log = platform::DrawLog();
    platform::EnableDrawLog(false);
    SpriteLimit[1] = savedLimits[0];
    SpriteLimit[2] = savedLimits[1];
    Settings[7] = savedLimits[2];
    IconsImageSharp = savedIcons[0];
    IconsImage = savedIcons[1];

    auto find = [&](const char* op, int handle, double x, double y) -> const platform::DrawRecord* {
        for (const auto& r : log)
            if (r.op == op && (handle == 0 || r.handle == handle) && r.x == x && r.y == y) return &r;
        return nullptr;
    };
    int images = 0, texts = 0;
    for (const auto& r : log) {
        images += r.op == "image";
        texts += r.op == "text";
    }
    EXPECT_EQ(images, 64);  // 32 buttons, icon and glow each
    EXPECT_EQ(texts, 32);

    struct Expect {
        double x, y;      // button's top-left corner
        int frame;
        const char* label;
        double textX, textY;
        double glowAlpha;
    };
    const Expect expected[] = {
        {300, 30, 3, "Up", 324, 54, 0},        // player 1 up, a key
        {250, 80, 3, "Left", 274, 104, 1},     // player 1 left, held
        {440, 90, 3, "Z", 464, 114, 0},        // player 1 button 1
        {475, 60, 3, "X", 499, 84, 0},         // player 1 button 2
        {300, 180, 9, "Y+", 300, 180, 0},      // player 2 up: label on the corner
        {250, 230, 8, "Right", 250, 230, 0},   // player 2 left: hat
        {840, 90, 10, "0", 864, 114, 0},       // player 3 button 1
        {700, 180, 3, "?!", 724, 204, 0},      // player 4 up, unbound
    };
    for (const Expect& e : expected) {
        const platform::DrawRecord* icon = find("image", 9001, e.x, e.y);
        const platform::DrawRecord* glow = find("image", 9002, e.x, e.y);
        const platform::DrawRecord* text = find("text", 0, e.textX, e.textY);
        ASSERT_TRUE(icon && glow && text) << "button at " << e.x << "," << e.y;
        EXPECT_EQ(icon->frame, e.frame) << e.label;
        EXPECT_EQ(glow->frame, e.frame) << e.label;
        EXPECT_DOUBLE_EQ(icon->sx, 3);
        EXPECT_DOUBLE_EQ(glow->sx, 3 * 1.1);
        EXPECT_EQ(glow->blend, platform::kLightBlend);
        EXPECT_DOUBLE_EQ(glow->alpha, e.glowAlpha) << e.label;
        EXPECT_EQ(text->text, e.label);
        EXPECT_DOUBLE_EQ(text->sx, 1);
    }
    // Directions are green, the four buttons yellow.
    EXPECT_EQ(find("image", 9001, 300, 30)->b, 80);
    EXPECT_EQ(find("image", 9001, 300, 30)->r, 80);
    EXPECT_EQ(find("image", 9001, 440, 90)->r, 255);
    EXPECT_EQ(find("image", 9001, 440, 90)->g, 255);
}

}  // namespace
