// The drawing helpers every screen uses: colour, alpha, rotation, scale and blend
// state, aligned text, images within the per-frame budget, glowing images and the
// mouse-in-rectangle tests.
#pragma once
#include <string>

// Marks for omitted real arguments.
constexpr double kOmittedAlpha = 37171648.0;
constexpr double kOmittedScale = -37171648.0;

// Per-frame image budget per drawing kind (1 images, 2 glow images, 3 particles)
// and the images drawn so far this frame.
extern int SpriteLimit[20];
extern int SpritesDrawn[20];
// Slow-system frame toggle: counted images are drawn only while it is 0.
extern int SkipFrame;
// Mouse on the virtual surface this frame and the previous one, and the click
// counts of the left and right buttons read by the settings panel.
extern int MouseX, MouseY, PrevMouseX, PrevMouseY;
extern int MouseClicked, RightClicked;

void StartFrame(int clear);
void ResetDrawState();
void SetDrawColour(double r, double g, double b, double alpha = kOmittedAlpha);
void SetDrawScale(double sx, double sy = kOmittedScale);
void SetDrawRotation(double degrees);
// 0 solid, 1 alpha, 2 shade (multiply), 3 light (additive); others change nothing.
void SetBlendKind(int kind);
// Font family 1..3, size step 0..8 of FontGrid.
void SelectFont(int family, int size);
// Makes a font handle current (for the Fonts roles).
void UseFont(int font);
// Alignment per axis: 0 left/top, 1 centre, 2 right/bottom.
void DrawTextAligned(int x, int y, const std::string& text, int h, int v);
void DrawCountedImage(int image, int x, int y, int frame, int kind);
void DrawGlowImage(int image, int x, int y, int frame, int glow, double glowScale, double glowAlpha);
// Strict bounds: x < MouseX < x + width and y < MouseY < y + height.
bool MouseIn(int x, int y, int width, int height);
bool MouseWasIn(int x, int y, int width, int height);
double ClampFloat(double value, double low, double high);
