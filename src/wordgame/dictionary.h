// Dictionary lookup: finds every word of the bank that matches a word or a pattern.
// Pattern letters A-Z (either case) must match; "?" and any other character match
// any one letter; "*" stands for a run of 0 to 12 letters.
#pragma once
#include <string>
#include <vector>

#include "wordgame/word_bank.h"

// The words found by the last top-level search, in the order found.
extern std::vector<WordType> WordList;

// Records 0..270,000 are searched.
constexpr size_t kSearchedRecords = 270001;
// A star stands for 0..12 letters; each star multiplies the passes by 13.
constexpr int kMaxStarLetters = 12;
// Patterns with more stars than this find nothing (169 passes is the most a search
// may cost).
constexpr int kMaxStars = 2;

// top = 1: clears WordList, searches, and sends "Check took N millisecs" to the
// development diagnostics channel. top = 0: appends to WordList without the line
// (used for the expansions of a star).
void FindWords(const std::string& pattern, int top);
