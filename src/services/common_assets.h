// The fonts, icons, logos, jingle, badge sheet and numbered sound effects that
// every screen shares, loaded for each open display.
#pragma once

extern double FontScale;
extern double SmallFontScale;  // for Fonts entries 2 and 3
extern int Fonts[20];     // fonts by role, entries 1..13
extern int FontGrid[100]; // (family - 1) * 10 + size step 0..8
extern int IconsImage, IconsImageSharp;  // 64 frames of 16 x 16; 63 is the pointer
extern int LogoImage, SiteLogoImage;
extern int BadgeSound;
extern int BadgesImage;   // 16 frames of 64 x 64
extern int CommonAssetsLoaded;

void LoadCommonAssets();
// Releases every image, font and sound loaded by LoadCommonAssets.
void ReleaseCommonAssets();

// The diagonal blue stripes behind the title screen, the splash and the engine test.
void DrawTitleStripes();
// Loads the font of a Fonts role (1..13) at its size for the current scales, from
// the current folder.
int LoadFontRole(int role);
