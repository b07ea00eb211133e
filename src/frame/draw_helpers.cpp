#include "frame/draw_helpers.h"

#include <algorithm>
#include <cmath>

#include "frame/setup_file.h"
#include "platform/graphics.h"
#include "services/common_assets.h"

int SpriteLimit[20];
int SpritesDrawn[20];
int SkipFrame = 0;
int MouseX = 0, MouseY = 0, PrevMouseX = 0, PrevMouseY = 0;
int MouseClicked = 0, RightClicked = 0;

void StartFrame(int clear) {
    if (clear == 1) platform::Cls();
    for (int k = 1; k <= 10; ++k) SpritesDrawn[k] = 0;
}

void ResetDrawState() {
    platform::SetRotation(0);
    platform::SetScale(1, 1);
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1);
    SetBlendKind(1);
}

void SetDrawColour(double r, double g, double b, double alpha) {
    auto channel = [](double v) { return static_cast<int>(ClampFloat(v, 0, 255)); };
    platform::SetColor(channel(r), channel(g), channel(b));
    if (alpha != kOmittedAlpha) platform::SetAlpha(ClampFloat(alpha, 0, 1));
}

void SetDrawScale(double sx, double sy) { platform::SetScale(sx, sy == kOmittedScale ? sx : sy); }

void SetDrawRotation(double degrees) { platform::SetRotation(degrees); }

void SetBlendKind(int kind) {
    switch (kind) {
        case 0: platform::SetBlend(platform::kSolidBlend); break;
        case 1: platform::SetBlend(platform::kAlphaBlend); break;
        case 2: platform::SetBlend(platform::kShadeBlend); break;
        case 3: platform::SetBlend(platform::kLightBlend); break;
        default: break;
    }
}

void SelectFont(int family, int size) {
    if (family < 1 || family > 3) family = 1;
    if (size < 0 || size > 8) size = 0;
    platform::SetFont(FontGrid[(family - 1) * 10 + size]);
}

void UseFont(int font) { platform::SetFont(font); }

void DrawTextAligned(int x, int y, const std::string& text, int h, int v) {
    if (h == 1) x -= platform::TextWidth(text) / 2;
    if (h == 2) x -= platform::TextWidth(text);
    if (v == 1) y -= platform::TextHeight(text) / 2;
    if (v == 2) y -= platform::TextHeight(text);
    platform::DrawText(text, x, y);
}

namespace {
// Counted images are drawn in every frame, or in slow-system mode only in every
// other frame.
bool FrameDrawsImages() { return Settings[7] == 0 || (Settings[7] == 1 && SkipFrame == 0); }

bool ValidKind(int kind) { return kind >= 0 && kind < 20; }
}  // namespace

void DrawCountedImage(int image, int x, int y, int frame, int kind) {
    if (!FrameDrawsImages() || !ValidKind(kind)) return;
    if (SpritesDrawn[kind] >= SpriteLimit[kind]) return;
    ++SpritesDrawn[kind];
    double sx, sy;
    platform::GetScale(sx, sy);
    platform::DrawImage(image, x + platform::ImageWidth(image) * sx / 2, y + platform::ImageHeight(image) * sy / 2,
                        frame);
}

void DrawGlowImage(int image, int x, int y, int frame, int glow, double glowScale, double glowAlpha) {
    if (!FrameDrawsImages()) return;
    double sx, sy;
    platform::GetScale(sx, sy);
    double alpha = platform::GetAlpha();
    int blend = platform::GetBlend();
    double cx = x + platform::ImageWidth(image) * sx / 2;
    double cy = y + platform::ImageHeight(image) * sy / 2;
    if (SpritesDrawn[1] < SpriteLimit[1]) {
        ++SpritesDrawn[1];
        platform::DrawImage(image, cx, cy, frame);
    }
    platform::SetScale(sx * glowScale, sy * glowScale);
    platform::SetAlpha(alpha * glowAlpha);
    SetBlendKind(3);
    if (SpritesDrawn[2] < SpriteLimit[2]) {
        ++SpritesDrawn[2];
        platform::DrawImage(glow ? glow : image, cx, cy, frame);
    }
    platform::SetScale(sx, sy);
    platform::SetAlpha(alpha);
    platform::SetBlend(blend);
}

bool MouseIn(int x, int y, int width, int height) {
    return x < MouseX && MouseX < x + width && y < MouseY && MouseY < y + height;
}

bool MouseWasIn(int x, int y, int width, int height) {
    return x < PrevMouseX && PrevMouseX < x + width && y < PrevMouseY && PrevMouseY < y + height;
}

double ClampFloat(double value, double low, double high) {
    // NaN falls to the lower bound.
    if (!(value == value)) return low;
    value = std::min(value, high);
    if (value < low) value = low;
    return value;
}
