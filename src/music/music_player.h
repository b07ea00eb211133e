#pragma once
void UpdateMusic();
