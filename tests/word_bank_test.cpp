// The word bank: the shipped resource, the record packing, loading damaged banks,
// and the bank tool that builds the resource from a word list.
#include "wordgame/word_bank.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "build_word_bank.h"
#include "platform/files.h"
#include "platform/testing.h"

namespace {

namespace fs = std::filesystem;

const std::string kResourcePath = std::string(WORDLOOM_SOURCE_DIR) + "/data/sowpods_bank_zip.dat";

uint32_t Group(const platform::ByteBlock& bank, size_t record, int part) {
    return static_cast<uint32_t>(bank.PeekInt(record * kWordRecordBytes + 4 * part));
}

std::string RecordWord(const platform::ByteBlock& bank, size_t record) {
    return DecodeWordRecord(Group(bank, record, 0), Group(bank, record, 1), Group(bank, record, 2));
}

// Index of the first nonzero byte at or after from, or the size if none.
size_t FirstNonZero(const platform::ByteBlock& bank, size_t from) {
    for (size_t i = from; i < bank.Size(); ++i)
        if (bank.Data()[i] != 0) return i;
    return bank.Size();
}

platform::ByteBlock Compress(const platform::ByteBlock& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.Size()));
    platform::ByteBlock packed(size);
    EXPECT_EQ(compress(packed.Data(), &size, raw.Data(), static_cast<uLong>(raw.Size())), Z_OK);
    packed.Resize(size);
    return packed;
}

TEST(WordBankResource, IsTheCompressedListOfTheGame) {
    platform::ByteBlock packed = platform::OpenResource("sowpods_bank_zip.dat");
    ASSERT_EQ(packed.Size(), 935615u);
    EXPECT_EQ(packed.Data()[0], 0x78);
    EXPECT_EQ(packed.Data()[1], 0x9C);
    // The linked-in bytes are the committed file's.
    platform::ByteBlock onDisk;
    ASSERT_TRUE(platform::LoadBlock(kResourcePath, onDisk));
    EXPECT_EQ(packed.Bytes(), onDisk.Bytes());

    // Inflates to exactly 4,000,000 bytes: one byte of room more stays unused.
    std::vector<uint8_t> raw(kWordBankBytes + 1, 0xAB);
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, packed.Data(), packed.Size()), Z_OK);
    EXPECT_EQ(rawSize, kWordBankBytes);
}

TEST(WordBankResource, LoadsIntoTheBankWithTwoTimingLines) {
    platform::EnableTestMode();
    platform::DiagLog().clear();
    CreateWordBank();
    LoadWordBank();
    ASSERT_EQ(WordBank.Size(), kWordBankBytes);
    EXPECT_EQ(RecordWord(WordBank, 0), "AA");
    EXPECT_EQ(RecordWord(WordBank, 1), "AAH");
    EXPECT_EQ(RecordWord(WordBank, 267750), "ZZZS");
    EXPECT_EQ(FirstNonZero(WordBank, 267751 * kWordRecordBytes), kWordBankBytes);
    // Every record up to the last is a word of 2..15 letters.
    for (size_t n = 0; n <= 267750; ++n) {
        size_t len = RecordWord(WordBank, n).size();
        ASSERT_TRUE(len >= 2 && len <= 15) << "record " << n;
    }

    const std::vector<std::string>& diag = platform::DiagLog();
    ASSERT_EQ(diag.size(), 2u);
    EXPECT_TRUE(diag[0].starts_with("Loaded Word List : Took ")) << diag[0];
    EXPECT_TRUE(diag[1].starts_with("Unzipped Word List : Took ")) << diag[1];
    EXPECT_TRUE(diag[0].ends_with(" millisecs"));
    EXPECT_TRUE(diag[1].ends_with(" millisecs"));
}

struct EncodeCase {
    const char* word;
    int part;
    uint32_t expected;
};

TEST(WordBankPacking, EncodeWordPartTable) {
    const EncodeCase cases[] = {
        {"A?", 0, 1 + (27u << 5)},            // 865: "?" is the wildcard code 27
        {"AAH", 0, 8225},                     // 0x2021
        {"aah", 0, 8225},                     // lower case counts as upper case
        {"AA", 0, 33},
        {"ZZZZZZ", 0, 900557658},            // six 26s; bits 30-31 stay clear
        {"ABCDEFG", 1, 7},                    // 7th letter in bits 0-4 of group 1
        {"ABCDEF", 1, 0},                     // a part wholly past the end
        {"ABCDEF", 2, 0},
        {"A1B", 0, 1 + (0u << 5) + (2u << 10)},  // a digit packs as no letter
        {"A\xE9", 0, 1},                      // a byte above 127 packs as no letter
        {"@[", 0, 27u << 5},                  // "@" is code 0, "[" the wildcard
        {"ABC", 3, 0},                        // no such part
        {"ABC", -1, 0},
    };
    for (const EncodeCase& c : cases)
        EXPECT_EQ(EncodeWordPart(c.word, c.part), c.expected) << c.word << " part " << c.part;
}

TEST(WordBankPacking, DecodeUndoesEncodeAndSkipsEmptyFields) {
    EXPECT_EQ(DecodeWordRecord(0, 0, 0), "");
    for (std::string word : {"AA", "QI", "ZZZS", "ABCDEF", "ABCDEFG", "ABCDEFGHIJKLMNOPQR"}) {
        uint32_t g0 = EncodeWordPart(word, 0), g1 = EncodeWordPart(word, 1), g2 = EncodeWordPart(word, 2);
        EXPECT_EQ(DecodeWordRecord(g0, g1, g2), word);
        if (word.size() <= 6) {
            EXPECT_EQ(g1 | g2, 0u) << word;
        }
        EXPECT_EQ((g0 | g1 | g2) >> 30, 0u) << word;
    }
    // A gap is skipped rather than ending the word.
    EXPECT_EQ(DecodeWordRecord(1 + (3u << 10), 0, 20), "ACT");
}

// Damaged resources: the sound words inflated before the damage are kept, the rest
// of the bank is zero, and nothing is written past the bank.
class WordBankDamage : public ::testing::Test {
protected:
    void SetUp() override {
        packed_ = platform::OpenResource("sowpods_bank_zip.dat");
        ASSERT_GT(packed_.Size(), 1000u);
        clean_ = platform::ByteBlock(kWordBankBytes);
        ASSERT_TRUE(InflateWordBank(packed_, clean_).complete);
        bank_ = platform::ByteBlock(kWordBankBytes);
        // A bank holding an earlier load: stale bytes must not survive.
        std::fill(bank_.Bytes().begin(), bank_.Bytes().end(), 0xEE);
    }
    // The kept words are the bank's own, in place, and everything after is zero.
    // Garbage decoded just before zlib notices damage can pass for a word or two
    // (slack): those are the last records kept.
    void ExpectSoundFront(const BankInflation& result, size_t slack = 0) {
        EXPECT_FALSE(result.complete);
        EXPECT_LE(result.words * kWordRecordBytes, result.bytes);
        size_t keep = result.words * kWordRecordBytes;
        size_t same = (result.words > slack ? result.words - slack : 0) * kWordRecordBytes;
        EXPECT_TRUE(std::equal(bank_.Data(), bank_.Data() + same, clean_.Data()));
        EXPECT_EQ(FirstNonZero(bank_, keep), kWordBankBytes);
    }
    platform::ByteBlock packed_, clean_, bank_;
};

TEST_F(WordBankDamage, SoundStreamFillsTheWholeBank) {
    BankInflation result = InflateWordBank(packed_, bank_);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.bytes, kWordBankBytes);
    EXPECT_EQ(bank_.Bytes(), clean_.Bytes());
}

TEST_F(WordBankDamage, TruncatedStreamKeepsTheWholeWordsBeforeTheCut) {
    for (size_t cut : {packed_.Size() - 1, packed_.Size() / 2, size_t{7}}) {
        platform::ByteBlock part = packed_;
        part.Resize(cut);
        BankInflation result = InflateWordBank(part, bank_);
        ExpectSoundFront(result);
        EXPECT_GE(result.words, cut > 1000 ? 100000u : 0u) << cut;
    }
}

TEST_F(WordBankDamage, CorruptedMiddleKeepsTheWordsBeforeIt) {
    // Damage in the middle: the stream decodes into garbage for a while before
    // zlib can tell, or runs on past the bank's end.
    for (size_t at : {size_t{400000}, size_t{600001}, size_t{900000}}) {
        platform::ByteBlock damaged = packed_;
        for (size_t i = at; i < at + 64; ++i) damaged.Data()[i] ^= 0x5A;
        BankInflation result = InflateWordBank(damaged, bank_);
        ExpectSoundFront(result, 2);
        EXPECT_GT(result.words, 100000u) << at;
        EXPECT_LT(result.words, 267751u) << at;
    }
}

TEST_F(WordBankDamage, GarbageOrNothingGivesAnEmptyBank) {
    platform::ByteBlock garbage(5000);
    for (size_t i = 0; i < garbage.Size(); ++i) garbage.Data()[i] = static_cast<uint8_t>(i * 37 + 11);
    EXPECT_EQ(InflateWordBank(garbage, bank_).words, 0u);
    EXPECT_EQ(FirstNonZero(bank_, 0), kWordBankBytes);

    std::fill(bank_.Bytes().begin(), bank_.Bytes().end(), 0xEE);
    EXPECT_EQ(InflateWordBank(platform::ByteBlock(), bank_).words, 0u);
    EXPECT_EQ(FirstNonZero(bank_, 0), kWordBankBytes);
}

TEST_F(WordBankDamage, OverlongStreamStopsAtTheEndOfTheBank) {
    // A stream of AA records that runs 50,000 bytes past the bank.
    platform::ByteBlock big(kWordBankBytes + 50004);
    for (size_t n = 0; n + kWordRecordBytes <= big.Size(); n += kWordRecordBytes) big.Data()[n] = 0x21;
    platform::ByteBlock packedBig = Compress(big);

    platform::ByteBlock small(1000);
    BankInflation result = InflateWordBank(packedBig, small);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.bytes, 1000u);
    EXPECT_EQ(result.words, 83u);
    EXPECT_EQ(small.Size(), 1000u);
    EXPECT_EQ(FirstNonZero(small, 83 * kWordRecordBytes), 1000u);

    result = InflateWordBank(packedBig, bank_);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.words, kWordBankRecords);
    EXPECT_EQ(bank_.Size(), kWordBankBytes);
    EXPECT_EQ(RecordWord(bank_, kWordBankRecords - 1), "AA");
}

// The bank tool, run on lists written into a scratch folder.
class BankTool : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("wordloom_banktool_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void WriteList(const std::string& bytes) {
        std::ofstream out(folder_ / "sowpods.txt", std::ios::binary);
        out << bytes;
    }
    platform::ByteBlock Load(const std::string& name) {
        platform::ByteBlock block;
        EXPECT_TRUE(platform::LoadBlock((folder_ / name).string(), block)) << name;
        return block;
    }

    fs::path folder_;
};

TEST_F(BankTool, KeepsWordsOfTwoToEighteenLettersInListOrder) {
    const std::string eighteen = "ABCDEFGHIJKLMNOPQZ";
    WriteList("zz\r\n"            // CR LF, lower case
              "\r\n"              // empty lines
              "\n"
              "  qi \t\n"         // surrounding white space
              "A\n"               // one letter
              + eighteen + "\n" +
              "ABCDEFGHIJKLMNOPQRS\n"  // 19 letters
              "AB-C\n"            // non-letters
              "CA?T\n"
              "\xE9T\xE9\n"
              "CAT\r\n"
              "AA");              // last line without line feed
    BankBuildResult result = BuildWordBank(folder_.string());
    ASSERT_TRUE(result.listFound);
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(result.words, 5u);
    EXPECT_EQ(result.overCapacity, 0u);

    platform::ByteBlock bank = Load("sowpods_bank.dat");
    ASSERT_EQ(bank.Size(), kWordBankBytes);
    const char* expected[] = {"ZZ", "QI", "ABCDEFGHIJKLMNOPQZ", "CAT", "AA"};
    for (size_t n = 0; n < 5; ++n) EXPECT_EQ(RecordWord(bank, n), expected[n]) << n;
    EXPECT_EQ(FirstNonZero(bank, 5 * kWordRecordBytes), kWordBankBytes);
    // The 18-letter word uses all three groups, six letters each (bits 0-29).
    for (int part = 0; part < 3; ++part) {
        uint32_t g = Group(bank, 2, part);
        EXPECT_NE(g & 31, 0u);
        EXPECT_NE((g >> 25) & 31, 0u);
        EXPECT_EQ(g >> 30, 0u);
    }

    // The compressed file is the bank as one zlib stream at the default level.
    platform::ByteBlock packed = Load("sowpods_bank_zip.dat");
    EXPECT_EQ(packed.Size(), result.packedBytes);
    EXPECT_EQ(packed.Data()[0], 0x78);
    EXPECT_EQ(packed.Data()[1], 0x9C);
    platform::ByteBlock inflated(kWordBankBytes);
    EXPECT_TRUE(InflateWordBank(packed, inflated).complete);
    EXPECT_EQ(inflated.Bytes(), bank.Bytes());
}

TEST_F(BankTool, StopsAtTheBanksCapacity) {
    // 333,400 distinct four-letter words: 67 more than the bank holds.
    const size_t total = kWordBankRecords + 67;
    std::string list;
    list.reserve(total * 5);
    auto nth = [](size_t n) {
        std::string w(4, 'A');
        for (int i = 3; i >= 0; --i, n /= 26) w[i] = static_cast<char>('A' + n % 26);
        return w;
    };
    for (size_t n = 0; n < total; ++n) list += nth(n) + "\n";
    WriteList(list);

    BankBuildResult result = BuildWordBank(folder_.string());
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(result.words, kWordBankRecords);
    EXPECT_EQ(result.overCapacity, 67u);
    platform::ByteBlock bank = Load("sowpods_bank.dat");
    ASSERT_EQ(bank.Size(), kWordBankBytes);
    EXPECT_EQ(RecordWord(bank, kWordBankRecords - 1), nth(kWordBankRecords - 1));
    EXPECT_EQ(FirstNonZero(bank, kWordBankRecords * kWordRecordBytes), kWordBankBytes);
}

TEST_F(BankTool, WritesNothingWithoutAList) {
    BankBuildResult result = BuildWordBank(folder_.string());
    EXPECT_FALSE(result.listFound);
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(fs::exists(folder_ / "sowpods_bank.dat"));
    EXPECT_FALSE(fs::exists(folder_ / "sowpods_bank_zip.dat"));
}

TEST_F(BankTool, RebuildsTheShippedResourceByteForByte) {
    const fs::path list = fs::path(WORDLOOM_SOURCE_DIR) / "cache" / "sowpods.txt";
    if (!fs::exists(list))
        GTEST_SKIP() << "word list not fetched (" << list.string()
                     << "): run scripts/fetch_wordlist.sh to fetch it";
    fs::copy_file(list, folder_ / "sowpods.txt");
    BankBuildResult result = BuildWordBank(folder_.string());
    ASSERT_TRUE(result.saved);
    EXPECT_EQ(result.words, 267751u);
    EXPECT_EQ(result.skipped, 0u);
    platform::ByteBlock shipped;
    ASSERT_TRUE(platform::LoadBlock(kResourcePath, shipped));
    EXPECT_TRUE(Load("sowpods_bank_zip.dat").Bytes() == shipped.Bytes());
}

}  // namespace
