// The bank tool's work: word list in, bank and compressed bank out.
#include "build_word_bank.h"

#include <zlib.h>

#include "frame/text_fields.h"
#include "wordgame/word_bank.h"

namespace {

bool AllLetters(const std::string& word) {
    for (char ch : word)
        if (ch < 'A' || ch > 'Z') return false;
    return true;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

BankBuildResult FillWordBank(const std::string& listPath, platform::ByteBlock& bank) {
    BankBuildResult result;
    platform::TextReader list(listPath);
    if (!list.IsOpen()) return result;
    result.listFound = true;
    const size_t capacity = bank.Size() / kWordRecordBytes;
    while (!list.Eof()) {
        std::string word = TrimBlanks(UpperCase(list.ReadLine()));
        // A record holds letters only: code 0 means "no letter" and 27 is the
        // search wildcard, so a line with anything else cannot be stored faithfully.
        if (word.size() < 2 || word.size() > kMaxWordLetters || !AllLetters(word)) {
            ++result.skipped;
            continue;
        }
        if (result.words >= capacity) {
            ++result.overCapacity;
            continue;
        }
        size_t offset = result.words * kWordRecordBytes;
        for (int part = 0; part < 3; ++part)
            bank.PokeInt(offset + 4 * part, static_cast<int32_t>(EncodeWordPart(word, part)));
        ++result.words;
    }
    list.Close();
    return result;
}

BankBuildResult BuildWordBank(const std::string& folder) {
    // A fresh zero bank, so everything after the last word is free space.
    platform::ByteBlock bank(kWordBankBytes);
    BankBuildResult result = FillWordBank(InFolder(folder, "sowpods.txt"), bank);
    if (!result.listFound) return result;

    uLongf packedSize = compressBound(static_cast<uLong>(bank.Size()));
    platform::ByteBlock packed(packedSize);
    if (compress(packed.Data(), &packedSize, bank.Data(), static_cast<uLong>(bank.Size())) != Z_OK)
        return result;
    packed.Resize(packedSize);
    result.packedBytes = packedSize;

    result.saved = platform::SaveBlock(InFolder(folder, "sowpods_bank.dat"), bank) &&
                   platform::SaveBlock(InFolder(folder, "sowpods_bank_zip.dat"), packed);
    return result;
}
