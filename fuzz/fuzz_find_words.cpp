// Dictionary search: any bytes without "*" as a pattern for FindWords over the
// real bank. Every word found must have the pattern's length, hold only letters
// A-Z and match each letter the pattern fixes.
#include <algorithm>

#include "fuzz_support.h"
#include "platform/testing.h"
#include "wordgame/dictionary.h"
#include "wordgame/word_bank.h"

namespace {
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

void CheckFound(const std::string& pattern) {
    for (const WordType& found : WordList) {
        const std::string& w = found.word;
        if (w.size() != pattern.size()) FuzzFailure("found \"" + w + "\" of another length");
        for (size_t i = 0; i < w.size(); ++i) {
            if (w[i] < 'A' || w[i] > 'Z') FuzzFailure("found a non-letter in \"" + w + "\"");
            const char p = Upper(pattern[i]);
            if (p >= 'A' && p <= 'Z' && w[i] != p) FuzzFailure("found \"" + w + "\" that misses the pattern");
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::EnableTestMode();
    CreateWordBank();
    LoadWordBank();
    platform::DiagLog().clear();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string pattern(reinterpret_cast<const char*>(data), size);
    pattern.erase(std::remove(pattern.begin(), pattern.end(), '*'), pattern.end());

    FindWords(pattern, 1);
    CheckFound(pattern);
    platform::DiagLog().clear();  // one line per search
    return 0;
}
