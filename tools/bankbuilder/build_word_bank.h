// Building the word bank from a plain word list, one word per line.
#pragma once
#include <cstddef>
#include <string>

#include "platform/files.h"

// What a build did, for the tool's summary line.
struct BankBuildResult {
    bool listFound = false;     // sowpods.txt could be opened
    size_t words = 0;           // records written
    size_t skipped = 0;         // lines left out: length outside 2..18 or not all letters
    size_t overCapacity = 0;    // acceptable words that did not fit in the bank
    size_t packedBytes = 0;     // size of the compressed bank
    bool saved = false;         // both files were written
};

// Fills bank (which must be zero) from the word list at listPath: each line is
// upper-cased and trimmed; lines of 2 to 18 letters A-Z become records in the order
// of the list, from record 0 on; other lines are skipped. Stops filling at the
// bank's 333,333 records and counts what did not fit.
BankBuildResult FillWordBank(const std::string& listPath, platform::ByteBlock& bank);

// The bank tool: reads folder/sowpods.txt and writes folder/sowpods_bank.dat (the
// 4,000,000-byte bank) and folder/sowpods_bank_zip.dat (the bank as one zlib stream
// at the default level). Nothing is written when the list is missing.
BankBuildResult BuildWordBank(const std::string& folder);
