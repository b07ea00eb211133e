#include "controls/binding_buttons.h"

#include "controls/bindings.h"
#include "controls/key_names.h"
#include "frame/draw_helpers.h"
#include "frame/settings_panel.h"
#include "services/common_assets.h"

namespace {

constexpr int kButtonSize = 48;

// Icon frames of the strip.
constexpr int kKeyIcon = 3;
constexpr int kHatIcon = 8;
constexpr int kAxisIcon = 9;
constexpr int kButtonIcon = 10;

struct ButtonPlace {
    int control;
    int x, y;         // relative to the player's origin
    bool direction;   // the four directions are green, the four buttons yellow
};

// Directions on the left as a cross, the four buttons on the right as a diamond.
const ButtonPlace kPlaces[8] = {
    {0, 50, 0, true},    {3, 0, 50, true},    {8, 50, 50, true},   {5, 100, 50, true},
    {13, 190, 0, false}, {12, 155, 30, false}, {11, 225, 30, false}, {10, 190, 60, false},
};

bool IsJoystickCode(int code) { return code >= 300; }

// Axis and hat names are short and sit on the button's corner, clear of the icon.
bool LabelOnCorner(int code) {
    if (!IsJoystickCode(code)) return false;
    const int part = code % 50;
    return part <= 11 || (part >= 20 && part <= 29);
}

}  // namespace

int BindingIconFrame(int code) {
    if (!IsJoystickCode(code)) return kKeyIcon;
    const int part = code % 50;
    if (part <= 11) return kAxisIcon;
    if (part >= 20 && part <= 29) return kHatIcon;
    if (part >= 30) return kButtonIcon;
    return kKeyIcon;
}

std::string BindingLabel(int code) {
    if (code == 0) return "?!";
    if ((code >= 1 && code <= 8) || (code >= 255 && code <= 299)) return "";
    return KeyName(code);
}

void DrawBindingButtons() {
    const int settingsSlide = SettingsSlide;
    for (int player = 1; player <= 4; ++player) {
        const int originX = player <= 2 ? 250 : 650;
        const int originY = settingsSlide + 10 + (player % 2 == 0 ? 150 : 0);
        for (const ButtonPlace& place : kPlaces) {
            const int x = originX + place.x;
            const int y = originY + place.y;
            int& binding = ControlKeys[(player - 1) * 20 + place.control];
            const int shown = binding;  // as it was when the button is reached
            bool lit = false;
            if (MouseIn(x, y, kButtonSize, kButtonSize) && settingsSlide >= 0) {
                lit = true;
                // Backspace clears; codes below it (mouse buttons, the click that
                // brought the pointer here) are ignored.
                const int captured = CaptureControl();
                if (captured > 8) binding = captured;
                else if (captured == 8) binding = 0;
            }
            if (ControlDown(binding)) lit = true;

            if (place.direction) SetDrawColour(80, 255, 80);
            else SetDrawColour(255, 255, 80);
            SetDrawScale(3);
            DrawGlowImage(IconsImageSharp, x, y, BindingIconFrame(shown), IconsImage, 1.1, lit ? 1 : 0);
            SetDrawScale(1);
            const std::string label = BindingLabel(shown);
            if (label.empty()) continue;
            if (LabelOnCorner(shown)) DrawTextAligned(x, y, label, 1, 1);
            else DrawTextAligned(x + kButtonSize / 2, y + kButtonSize / 2, label, 1, 1);
        }
    }
}
