// The word bank: the whole word list as one flat block of fixed-size records, each
// word packed as three 32-bit groups of six 5-bit letter codes (A = 1 ... Z = 26,
// 0 = no letter, 27 = the one-letter wildcard of a search pattern). A search tests a
// record with three masked integer compares instead of building strings.
//
// Record n sits at byte offset 12 * n: group 0 holds letters 1-6, group 1 letters
// 7-12, group 2 letters 13-18, each 32-bit little-endian with letter k of the group
// in bits 5(k-1)..5(k-1)+4. An all-zero record is free space.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/files.h"

constexpr size_t kWordBankBytes = 4000000;
constexpr size_t kWordRecordBytes = 12;
constexpr size_t kWordBankRecords = kWordBankBytes / kWordRecordBytes;  // 333,333
constexpr size_t kMaxWordLetters = 18;

// The bank, 4,000,000 bytes, zero-filled from the moment the program starts.
extern platform::ByteBlock WordBank;

// One word found by a search.
class WordType {
public:
    std::string word;
};

// (Re)creates the bank as 4,000,000 zero bytes. The bank is already that size at
// program start, so calling this first is optional; start-up calls it before
// LoadWordBank all the same.
void CreateWordBank();

// Fills WordBank from the compressed bank compiled into the program and sends two
// timing lines to the development diagnostics channel.
void LoadWordBank();

// Inflates one zlib stream into bank, writing at most bank.Size() bytes. A damaged,
// truncated or overlong stream keeps the well-formed word records inflated before
// the damage; every byte after them is zero.
struct BankInflation {
    size_t bytes = 0;       // bytes the stream gave before it ended or failed
    bool complete = false;  // the stream was sound and fit in the bank
    size_t words = 0;       // when not complete: the word records kept
};
BankInflation InflateWordBank(const platform::ByteBlock& packed, platform::ByteBlock& bank);

// Packs letters 6*part+1 .. 6*part+6 of word (part 0, 1 or 2) into one group. Lower
// case counts as upper case, "?" becomes the wildcard code 27, anything else 0.
uint32_t EncodeWordPart(const std::string& word, int part);

// The word held in one record; zero letter fields are skipped.
std::string DecodeWordRecord(uint32_t group0, uint32_t group1, uint32_t group2);
