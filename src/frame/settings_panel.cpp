#include "frame/settings_panel.h"

#include "controls/binding_buttons.h"
#include "controls/bindings.h"
#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "frame/text_fields.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "services/common_assets.h"
#include "services/display_setup.h"

int SettingsOpen = 0;
int SettingsSlide = -300;

int OptionRow(int setting, int x, int y, int icon, const std::string& label0, const std::string& label1,
              const std::string& label2, const std::string& label3, const std::string& label4,
              const std::string& label5) {
    std::string labels[6] = {label0, label1, label2, label3, label4, label5};
    if (label0 == "AUDIO") {
        for (int i = 0; i < 6; ++i)
            labels[i] = i < static_cast<int>(AudioDriverNames.size()) ? "Audio Driver|" + AudioDriverNames[i] : "";
        if (AudioDriverNames.empty()) labels[0] = "Audio Driver|";
    }
    int v = Settings[setting];
    int n = 1;
    for (int i = 0; i < 6; ++i)
        if (!labels[i].empty()) n = i + 1;
    std::string shown = (v >= 1 && v <= 5 && !labels[v].empty()) ? labels[v] : labels[0];
    const int s = SettingsSlide;
    SetDrawScale(1);
    UseFont(Fonts[2]);
    std::string firstLine = shown;
    if (shown.find('|') == std::string::npos) {
        DrawTextAligned(x + 38, s + y + 16, shown, 0, 1);
    } else {
        firstLine = GetField(shown, '|', 1);
        DrawTextAligned(x + 38, s + y + 8, firstLine, 0, 1);
        DrawTextAligned(x + 38, s + y + 24, GetField(shown, '|', 2), 0, 1);
    }
    SetDrawScale(2);
    bool hovered = MouseIn(x, s + y, platform::TextWidth(firstLine) + 38, 32);
    if (!hovered) {
        DrawCountedImage(IconsImageSharp, x, s + y, icon + v, 1);
        return 0;
    }
    DrawGlowImage(IconsImageSharp, x, s + y, icon + v, IconsImage, 1.1, 0.8);
    if (MouseClicked != 0) Settings[setting] = n > 0 ? ((v + 1) % n + n) % n : 0;
    return 1;
}

int VolumeSlider(int value, int x, int y, const std::string& label) {
    SetDrawColour(80, 255, 80);
    SetDrawScale(3.1, 1.5);
    DrawCountedImage(IconsImageSharp, x - 2, y, 21, 1);
    DrawCountedImage(IconsImageSharp, x + 48, y, 22, 1);
    SetDrawColour(255, 80, 80);
    SetDrawScale(1, 1.5);
    DrawCountedImage(IconsImageSharp, x + value - 9, y, 23, 1);
    SetDrawColour(80, 180, 255);
    if (MouseIn(x - 2, y - 4, 100, 24) && platform::MouseDown(1)) value = MouseX - (x - 2);
    SetDrawScale(1);
    DrawTextAligned(x, y + 20, label + " : " + std::to_string(value), 0, 0);
    return value;
}

namespace {

int SnapVolume(int value) {
    if (value < 6) return 0;
    if (value > 94) return 100;
    return value;
}

void StepResolution(int direction) {
    if (ResolutionCount <= 0) return;  // no display mode offered: nothing to step through
    int position = Settings[4] + direction;
    if (position > ResolutionCount) position = 1;
    if (position < 1) position = ResolutionCount;
    Settings[4] = position;
    Settings[5] = ResolutionWidths[position];
    Settings[6] = ResolutionHeights[position];
}

void ResolutionRow(int s) {
    int hover = OptionRow(2, 20, 70, 11, "Resolution");
    if (hover != 1 && !MouseIn(20, s + 70, 200, 70)) return;
    if (platform::KeyHit(platform::kKeyRight) || platform::KeyHit(platform::kKeyUp) || MouseClicked) {
        StepResolution(1);
    } else if (platform::KeyHit(platform::kKeyLeft) || platform::KeyHit(platform::kKeyDown) || RightClicked) {
        StepResolution(-1);
    }
}

void QualityNote(int s) {
    int height = Settings[6];
    if (height < 900) {
        SetDrawColour(255, 180, 80);
        DrawTextAligned(80, s + 128, "Small (Bit blurry)", 0, 0);
    } else if (height <= 960) {
        SetDrawColour(255, 255, 80);
        DrawTextAligned(80, s + 128, "Native (Crisp, Clear)", 0, 0);
    } else {
        SetDrawColour(180, 255, 80);
        DrawTextAligned(80, s + 128, "Bigger! (High-Definition!)", 0, 0);
    }
}

void ApplyButton(int s) {
    SetDrawScale(1);
    int w = platform::TextWidth("Apply") + 4, h = platform::TextHeight("Apply") + 4;
    if (MouseIn(18, s + 258, w, h)) {
        SetDrawColour(0, 120, 0, 0.5);
        platform::DrawRect(18, s + 258, w, h);
        if (MouseClicked != 0) {
            MouseClicked = 0;
            SettingsOpen = 0;
            WriteSetup();
            ApplyGraphicsSettings();
        }
    }
    SetDrawColour(80, 255, 80, 1);
    DrawTextAligned(20, s + 260, "Apply", 0, 0);
}

void JoystickList(int x, int s) {
    int y = s + 230;
    for (int p = 1; p <= JoyPorts && p <= 4; ++p, y += 15) {
        double alpha = JoyEnabled[p] == 0 ? 0.2 : 1.0;
        if (platform::JoyButtonDown(p - 1, 0)) SetDrawColour(255, 255, 80, alpha);
        else SetDrawColour(80, 255, 80, alpha);
        if (MouseIn(x, y, platform::TextWidth(JoyNames[p]), 14) && MouseClicked != 0) {
            MouseClicked = 0;
            JoyEnabled[p] = 1 - JoyEnabled[p];
        }
        DrawTextAligned(x, y, JoyNames[p], 0, 0);
    }
}

}  // namespace

void SettingsPanel() {
    MouseClicked = platform::MouseHit(1);
    RightClicked = platform::MouseHit(2);
    if (SettingsOpen == 1 && SettingsSlide < 0) SettingsSlide += 32;
    if (SettingsOpen == 0 && SettingsSlide > -300) SettingsSlide -= 32;
    if (SettingsSlide <= -300) return;
    const int s = SettingsSlide;
    UseFont(Fonts[2]);
    ResetDrawState();
    SetBlendKind(2);
    SetDrawColour(40, 40, 40, 0.8);
    platform::DrawRect(0, 0, ScreenWidth, s + 300);
    SetBlendKind(1);
    SetDrawColour(80, 80, 80, 0.4);
    platform::DrawRect(0, 0, ScreenWidth, s + 298);
    SetDrawColour(180, 255, 180, 1);
    platform::DrawRect(0, s + 298, ScreenWidth, 2);
    SpritesDrawn[1] = 0;
    SpritesDrawn[2] = 0;

    SetDrawColour(80, 255, 80, 1);
    DrawTextAligned(20, s + 4, "Graphics", 0, 0);
    OptionRow(1, 20, 30, 13, "Windowed", "Fullscreen");
    ResolutionRow(s);
    SetDrawScale(1);
    DrawTextAligned(20, s + 108, std::to_string(Settings[5]) + "x" + std::to_string(Settings[6]), 0, 0);
    QualityNote(s);
    SetDrawColour(80, 255, 80);
    OptionRow(7, 20, 146, 18, "Draw all Frames|Decent System", "Frameskip|Slow System");
    OptionRow(3, 20, 184, 18, "OpenGL|Optimum", "DirectX 9|Alternative", "DirectX 7|Backup");
    ApplyButton(s);

    if (MouseMode == 0) DrawBindingButtons();

    int x = ScreenWidth - 280;
    OptionRow(14, x, 20, 24, "AUDIO");
    SetDrawScale(1);
    SetDrawColour(255, 180, 180, 1);
    DrawTextAligned(x, s + 50, "Changes require a Restart", 0, 0);
    Settings[11] = SnapVolume(VolumeSlider(Settings[11], x, s + 70, "Master Volume"));
    Settings[12] = SnapVolume(VolumeSlider(Settings[12], x, s + 120, "Sounds"));
    Settings[13] = SnapVolume(VolumeSlider(Settings[13], x, s + 170, "Music"));
    JoystickList(x, s);
}
