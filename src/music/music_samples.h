#pragma once
void LoadMusicSamples();
