#pragma once
void LoadScores();
void SaveScores();
