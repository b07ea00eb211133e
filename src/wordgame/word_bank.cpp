// The word bank, its loading at start-up and the record packing helpers.
#include "wordgame/word_bank.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "platform/system.h"

platform::ByteBlock WordBank(kWordBankBytes);

void CreateWordBank() {
    WordBank = platform::ByteBlock(kWordBankBytes);
}

size_t InflateWordBank(const platform::ByteBlock& packed, platform::ByteBlock& bank) {
    // zlib's one-shot uncompress gives up on the whole stream at the first damage;
    // a stream inflate keeps every byte decoded before it, so a damaged bank still
    // holds the words ahead of the damage. avail_out is the bank's size, so the
    // bank is never written past its end whatever the stream claims.
    z_stream stream{};
    size_t produced = 0;
    if (inflateInit(&stream) == Z_OK) {
        stream.next_in = const_cast<Bytef*>(packed.Data());
        stream.avail_in = static_cast<uInt>(std::min<size_t>(packed.Size(), UINT32_MAX));
        stream.next_out = bank.Data();
        stream.avail_out = static_cast<uInt>(std::min<size_t>(bank.Size(), UINT32_MAX));
        int status = Z_OK;
        while (status == Z_OK && stream.avail_out > 0 && stream.avail_in > 0)
            status = inflate(&stream, Z_NO_FLUSH);
        produced = bank.Size() - stream.avail_out;
        inflateEnd(&stream);
    }
    // Whatever the stream did not reach reads as free space, even if the bank held
    // an earlier load.
    std::memset(bank.Data() + produced, 0, bank.Size() - produced);
    return produced;
}

void LoadWordBank() {
    int64_t t0 = platform::Millisecs();
    platform::ByteBlock packed = platform::OpenResource("sowpods_bank_zip.dat");
    platform::DiagLine("Loaded Word List : Took " + std::to_string(platform::Millisecs() - t0) +
                       " millisecs");
    if (WordBank.Size() != kWordBankBytes) CreateWordBank();
    InflateWordBank(packed, WordBank);
    // Counted from t0 on purpose: the figure covers opening the resource as well.
    platform::DiagLine("Unzipped Word List : Took " + std::to_string(platform::Millisecs() - t0) +
                       " millisecs");
}

uint32_t EncodeWordPart(const std::string& word, int part) {
    if (part < 0 || part > 2) return 0;
    uint32_t value = 0;
    size_t start = static_cast<size_t>(part) * 6;
    for (size_t k = 0; k < 6; ++k) {
        size_t pos = start + k;
        if (pos >= word.size()) break;  // past the end: no letter
        unsigned char ch = static_cast<unsigned char>(word[pos]);
        if (ch == '?') ch = '[';                      // the wildcard, code 27
        if (ch >= 'a' && ch <= 'z') ch -= 'a' - 'A';  // ASCII upper-casing only
        int code = ch - 64;
        if (code < 1 || code > 27) code = 0;
        value += static_cast<uint32_t>(code) << (5 * k);
    }
    return value;
}

std::string DecodeWordRecord(uint32_t group0, uint32_t group1, uint32_t group2) {
    std::string word;
    const uint32_t groups[3] = {group0, group1, group2};
    for (uint32_t group : groups) {
        for (int k = 0; k < 6; ++k) {
            uint32_t code = (group >> (5 * k)) & 31;
            if (code > 0) word.push_back(static_cast<char>(code + 64));
        }
    }
    return word;
}
