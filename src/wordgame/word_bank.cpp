// The word bank, its loading at start-up and the record packing helpers.
#include "wordgame/word_bank.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "frame/debug_log.h"
#include "platform/system.h"

platform::ByteBlock WordBank(kWordBankBytes);

void CreateWordBank() {
    WordBank = platform::ByteBlock(kWordBankBytes);
}

namespace {

// A record as the bank tool writes it: 2 to 18 letters A-Z packed from letter 1
// on, nothing after the last letter.
bool IsWordRecord(const uint8_t* record) {
    size_t letters = 0;
    bool ended = false;
    for (int part = 0; part < 3; ++part) {
        uint32_t group = record[4 * part] | (record[4 * part + 1] << 8) |
                         (record[4 * part + 2] << 16) | (static_cast<uint32_t>(record[4 * part + 3]) << 24);
        if (group >> 30) return false;
        for (int k = 0; k < 6; ++k) {
            uint32_t code = (group >> (5 * k)) & 31;
            if (code == 0) {
                ended = true;
            } else {
                if (ended || code > 26) return false;
                ++letters;
            }
        }
    }
    return letters >= 2;
}

}  // namespace

BankInflation InflateWordBank(const platform::ByteBlock& packed, platform::ByteBlock& bank) {
    // zlib's one-shot uncompress gives up on the whole stream at the first damage;
    // a stream inflate keeps what was decoded before it. avail_out never exceeds
    // the bank, so the bank is not written past its end whatever the stream holds.
    BankInflation result;
    z_stream stream{};
    int status = Z_STREAM_ERROR;
    bool overlong = false;
    if (inflateInit(&stream) == Z_OK) {
        stream.next_in = const_cast<Bytef*>(packed.Data());
        stream.avail_in = static_cast<uInt>(std::min<size_t>(packed.Size(), UINT32_MAX));
        stream.next_out = bank.Data();
        stream.avail_out = static_cast<uInt>(std::min<size_t>(bank.Size(), UINT32_MAX));
        status = inflate(&stream, Z_FINISH);
        result.bytes = bank.Size() - stream.avail_out;
        if (status == Z_BUF_ERROR && stream.avail_out == 0) {
            // The bank is full: a sound stream ends right here (only its checksum
            // is left to read); one that would go on is not the bank.
            uint8_t spare[16];
            stream.next_out = spare;
            stream.avail_out = sizeof spare;
            status = inflate(&stream, Z_FINISH);
            overlong = stream.avail_out != sizeof spare;
        }
        inflateEnd(&stream);
    }
    result.complete = status == Z_STREAM_END && !overlong;

    size_t keep = result.bytes;
    if (!result.complete) {
        // A damaged stream decodes into garbage for a while before zlib notices, if
        // it notices at all; the records ahead of the damage are sound. Keep the
        // leading run of whole, well-formed word records and clear the rest, so the
        // game plays on with fewer words rather than with made-up ones.
        size_t records = keep / kWordRecordBytes;
        size_t n = 0;
        while (n < records && IsWordRecord(bank.Data() + n * kWordRecordBytes)) ++n;
        keep = n * kWordRecordBytes;
    }
    // Whatever is not kept reads as free space, even if the bank held an earlier load.
    if (bank.Size() > keep) std::memset(bank.Data() + keep, 0, bank.Size() - keep);
    result.words = result.complete ? 0 : keep / kWordRecordBytes;
    return result;
}

void LoadWordBank() {
    int64_t t0 = platform::Millisecs();
    platform::ByteBlock packed = platform::OpenResource("sowpods_bank_zip.dat");
    platform::DiagLine("Loaded Word List : Took " + std::to_string(platform::Millisecs() - t0) +
                       " millisecs");
    if (WordBank.Size() != kWordBankBytes) CreateWordBank();
    BankInflation inflation = InflateWordBank(packed, WordBank);
    if (!inflation.complete)
        LogLine("Word bank damaged: kept " + std::to_string(inflation.words) + " words");
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
