// The bank tool's list reader: any bytes as sowpods.txt, read by FillWordBank into
// the full-size bank and into a bank of four records. Every record written must be
// a word of 2 to 18 letters A-Z with free space after the last one, and both banks
// must agree on what they read.
#include <cstring>

#include "build_word_bank.h"
#include "fuzz_support.h"
#include "platform/testing.h"
#include "wordgame/word_bank.h"

namespace {
platform::ByteBlock* fullBank = nullptr;

void CheckRecords(const platform::ByteBlock& bank, size_t words) {
    for (size_t n = 0; n < words; ++n) {
        const size_t at = n * kWordRecordBytes;
        const std::string word = DecodeWordRecord(static_cast<uint32_t>(bank.PeekInt(at)),
                                                  static_cast<uint32_t>(bank.PeekInt(at + 4)),
                                                  static_cast<uint32_t>(bank.PeekInt(at + 8)));
        if (word.size() < 2 || word.size() > kMaxWordLetters) FuzzFailure("record of bad length " + word);
        for (char c : word)
            if (c < 'A' || c > 'Z') FuzzFailure("record with a non-letter: " + word);
    }
    const size_t capacity = bank.Size() / kWordRecordBytes;
    if (words < capacity)
        for (size_t i = 0; i < kWordRecordBytes; ++i)
            if (bank.Data()[words * kWordRecordBytes + i] != 0) FuzzFailure("no free space after the last word");
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::EnableTestMode();
    EnterScratchFolder("word_list");
    fullBank = new platform::ByteBlock(kWordBankBytes);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInputFile("sowpods.txt", data, size);
    const BankBuildResult full = FillWordBank("sowpods.txt", *fullBank);
    platform::ByteBlock small(4 * kWordRecordBytes);
    const BankBuildResult few = FillWordBank("sowpods.txt", small);

    if (!full.listFound || !few.listFound) FuzzFailure("the list was not found");
    CheckRecords(*fullBank, full.words);
    CheckRecords(small, few.words);
    if (few.words > 4) FuzzFailure("more words than the small bank holds");
    if (full.skipped != few.skipped || full.words + full.overCapacity != few.words + few.overCapacity)
        FuzzFailure("the two banks counted the list differently");
    if (std::memcmp(small.Data(), fullBank->Data(), few.words * kWordRecordBytes) != 0)
        FuzzFailure("the two banks hold different first words");

    // Back to a zero bank for the next input.
    std::memset(fullBank->Data(), 0, full.words * kWordRecordBytes);
    return 0;
}
