// The dictionary search over the word bank.
#include "wordgame/dictionary.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/system.h"

std::vector<WordType> WordList;

namespace {

// The pattern turned into three masked groups. A record matches when for every
// group (record AND mask) == value.
struct PatternMasks {
    uint32_t value[3] = {0, 0, 0};
    uint32_t mask[3] = {0, 0, 0};
};

PatternMasks MakeMasks(const std::string& q) {
    PatternMasks m;
    for (size_t pos = 0; pos < kMaxWordLetters; ++pos) {
        size_t g = pos / 6, k = pos % 6;
        if (pos < q.size()) {
            int code = static_cast<unsigned char>(q[pos]) - 64;
            // Only a real letter constrains its position; the wildcard (27) and any
            // other character match any letter.
            if (code >= 1 && code <= 26) {
                m.value[g] |= static_cast<uint32_t>(code) << (5 * k);
                m.mask[g] |= 31u << (5 * k);
            }
        } else if (pos == q.size()) {
            // A word of exactly q's length has no letter just after its end. Testing
            // that here keeps short patterns ("??") from making candidates of every
            // longer word; the length test below still decides.
            m.mask[g] |= 31u << (5 * k);
        }
    }
    return m;
}

inline uint32_t LoadGroup(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
    return v;
}

void DirectSearch(const std::string& q) {
    // No stored word is longer than 18 letters, nor empty.
    if (q.empty() || q.size() > kMaxWordLetters) return;
    const PatternMasks m = MakeMasks(q);
    const uint32_t v0 = m.value[0], v1 = m.value[1], v2 = m.value[2];
    const uint32_t m0 = m.mask[0], m1 = m.mask[1], m2 = m.mask[2];
    // Never read past the bank, whatever its size.
    size_t records = WordBank.Size() / kWordRecordBytes;
    if (records > kSearchedRecords) records = kSearchedRecords;
    const uint8_t* p = WordBank.Data();
    const uint8_t* end = p + records * kWordRecordBytes;
    for (; p != end; p += kWordRecordBytes) {
        uint32_t g0 = LoadGroup(p), g1 = LoadGroup(p + 4), g2 = LoadGroup(p + 8);
        if ((((g0 & m0) ^ v0) | ((g1 & m1) ^ v1) | ((g2 & m2) ^ v2)) != 0) continue;
        std::string word = DecodeWordRecord(g0, g1, g2);
        if (word.size() == q.size()) WordList.push_back(WordType{std::move(word)});
    }
}

}  // namespace

void FindWords(const std::string& pattern, int top) {
    if (top == 1) WordList.clear();
    int64_t t0 = platform::Millisecs();

    std::string q = pattern;
    int stars = 0;
    for (char& ch : q) {
        if (ch == '?') ch = '[';
        else if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - ('a' - 'A'));
        else if (ch == '*') ++stars;
    }

    if (stars == 0) {
        DirectSearch(q);
    } else if (stars <= kMaxStars) {
        // Expand the first star into k wildcards, k = 0..12 in this order; later
        // stars are expanded by the nested searches. Results accumulate, so the
        // shorter expansions come first and a word may be found more than once.
        size_t star = q.find('*');
        for (int k = 0; k <= kMaxStarLetters; ++k) {
            std::string r = q.substr(0, star) + std::string(k, '?') + q.substr(star + 1);
            FindWords(r, 0);
        }
    }

    if (top == 1)
        platform::DiagLine("Check took " + std::to_string(platform::Millisecs() - t0) +
                           " millisecs");
}
