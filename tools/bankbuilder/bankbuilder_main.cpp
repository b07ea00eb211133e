// bankbuilder: run in a folder holding sowpods.txt (one word per line); writes
// sowpods_bank.dat and sowpods_bank_zip.dat beside it. The second file is the
// game's compiled-in word bank (data/sowpods_bank_zip.dat).
#include <cstdio>

#include "build_word_bank.h"
#include "wordgame/dictionary.h"

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : "";
    BankBuildResult result = BuildWordBank(folder);
    if (!result.listFound) {
        std::fprintf(stderr, "bankbuilder: no word list sowpods.txt to read\n");
        return 1;
    }
    std::printf("bankbuilder: %zu words, %zu lines skipped, compressed bank %zu bytes\n",
                result.words, result.skipped, result.packedBytes);
    if (result.overCapacity > 0)
        std::printf("bankbuilder: the bank is full at %zu words; %zu further words left out\n",
                    kWordBankRecords, result.overCapacity);
    if (result.words > kSearchedRecords)
        std::printf("bankbuilder: note: the game searches only the first %zu words\n",
                    kSearchedRecords);
    if (!result.saved) {
        std::fprintf(stderr, "bankbuilder: could not write the bank files\n");
        return 1;
    }
    return 0;
}
