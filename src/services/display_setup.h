// Opening the display the settings ask for: the offered resolutions, the back
// end, window or full screen, the virtual drawing surface, and reloading every
// asset that lives on the display.
#pragma once

extern int ResolutionWidths[2500], ResolutionHeights[2500];
extern int ResolutionCount;
extern int DisplayWidth, DisplayHeight;  // the real display mode in use
extern int ScreenWidth, ScreenHeight;    // the virtual drawing surface

// The game's own images (game folder).
extern int GfxImage, StarImage, SwapImage, CrossImage;

void ApplyGraphicsSettings();
void LoadGameAssets();

// Builds the offered resolution list from the platform's display modes and picks
// the requested size (Settings 5 and 6) when it is offered.
void BuildResolutionList();
// Chooses the virtual surface for the display size and sets Settings entry 2.
void ChooseVirtualSurface();
