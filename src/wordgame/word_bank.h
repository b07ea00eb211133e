#pragma once
void LoadWordBank();
