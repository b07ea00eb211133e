// Dictionary lookups on the shipped bank, checked against a plain reading of the
// bank, and searches on odd patterns and damaged banks.
#include "wordgame/dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/testing.h"

namespace {

std::vector<std::string> Found() {
    std::vector<std::string> words;
    for (const WordType& w : WordList) words.push_back(w.word);
    return words;
}

std::vector<std::string> Search(const std::string& pattern) {
    FindWords(pattern, 1);
    return Found();
}

class Dictionary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::EnableTestMode();
        CreateWordBank();
        LoadWordBank();
        words_.clear();
        for (size_t n = 0; n < kSearchedRecords; ++n) {
            size_t at = n * kWordRecordBytes;
            std::string w = DecodeWordRecord(static_cast<uint32_t>(WordBank.PeekInt(at)),
                                             static_cast<uint32_t>(WordBank.PeekInt(at + 4)),
                                             static_cast<uint32_t>(WordBank.PeekInt(at + 8)));
            if (!w.empty()) words_.push_back(w);
        }
    }
    // Tests that damage the bank restore it.
    void TearDown() override {
        if (WordBank.Size() != kWordBankBytes || WordBank.PeekInt(0) != 33) SetUpTestSuite();
    }

    // The bank's words that pass a test, in bank order.
    static std::vector<std::string> Where(const std::function<bool(const std::string&)>& keep) {
        std::vector<std::string> out;
        for (const std::string& w : words_)
            if (keep(w)) out.push_back(w);
        return out;
    }

    static std::vector<std::string> words_;
};
std::vector<std::string> Dictionary::words_;

TEST_F(Dictionary, WholeWordsFindThemselvesOnly) {
    ASSERT_EQ(words_.size(), 267751u);
    EXPECT_EQ(Search("QI"), std::vector<std::string>{"QI"});
    EXPECT_EQ(Search("CAT"), std::vector<std::string>{"CAT"});
    EXPECT_EQ(Search("cat"), std::vector<std::string>{"CAT"});
    EXPECT_EQ(Search("AA"), std::vector<std::string>{"AA"});
    EXPECT_EQ(Search("ZZZS"), std::vector<std::string>{"ZZZS"});
    // Longest words cross both group boundaries.
    std::string longest = *std::max_element(words_.begin(), words_.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    EXPECT_EQ(Search(longest), std::vector<std::string>{longest});
    EXPECT_TRUE(Search("QX").empty());
    EXPECT_TRUE(Search("CATS" + std::string(15, 'S')).empty());  // 19 letters
}

TEST_F(Dictionary, BlanksMatchOneLetterEach) {
    std::vector<std::string> ca = Search("CA?");
    EXPECT_EQ(ca.size(), 12u);
    EXPECT_EQ(ca.front(), "CAA");
    EXPECT_EQ(ca.back(), "CAZ");
    EXPECT_EQ(ca, Where([](const std::string& w) { return w.size() == 3 && w.starts_with("CA"); }));
    EXPECT_EQ(Search("ca?"), ca);

    EXPECT_EQ(Search("??").size(), 124u);
    // Every length, including the group boundaries at 6, 7, 12 and 13 letters.
    for (size_t len = 2; len <= 19; ++len) {
        std::vector<std::string> expected = Where([&](const std::string& w) { return w.size() == len; });
        EXPECT_EQ(Search(std::string(len, '?')), expected) << len << " blanks";
    }
    // A blank in the second and third group.
    EXPECT_EQ(Search("??????????????S"),
              Where([](const std::string& w) { return w.size() == 15 && w.back() == 'S'; }));
}

TEST_F(Dictionary, StarsStandForRunsOfZeroToTwelveLetters) {
    std::vector<std::string> ct = Search("C*T");
    ASSERT_EQ(ct.size(), 1062u);
    EXPECT_EQ(std::vector<std::string>(ct.begin(), ct.begin() + 4),
              (std::vector<std::string>{"CAT", "CIT", "COT", "CUT"}));
    // Shorter expansions first, each in bank order: the same words as the bank
    // sorted by length, keeping bank order within a length.
    std::vector<std::string> expected = Where([](const std::string& w) {
        return w.size() >= 3 && w.size() <= 14 && w.front() == 'C' && w.back() == 'T';
    });
    std::stable_sort(expected.begin(), expected.end(),
                     [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    EXPECT_EQ(ct, expected);
    EXPECT_EQ(Search("c*t"), ct);

    // Two stars: AAH is found once for each star that may take its H.
    std::vector<std::string> two = Search("AA**");
    EXPECT_EQ(std::count(two.begin(), two.end(), "AA"), 1);
    EXPECT_EQ(std::count(two.begin(), two.end(), "AAH"), 2);
}

TEST_F(Dictionary, TopLevelSearchClearsAndReportsTiming) {
    Search("CAT");
    EXPECT_TRUE(Search("QQQ").empty());

    Search("QI");
    platform::DiagLog().clear();
    FindWords("CAT", 0);  // the nested form appends and stays quiet
    EXPECT_EQ(Found(), (std::vector<std::string>{"QI", "CAT"}));
    EXPECT_TRUE(platform::DiagLog().empty());

    FindWords("C*T", 1);  // one line for the whole search, none for its expansions
    ASSERT_EQ(platform::DiagLog().size(), 1u);
    const std::string& line = platform::DiagLog()[0];
    EXPECT_TRUE(line.starts_with("Check took ") && line.ends_with(" millisecs")) << line;
}

TEST_F(Dictionary, OddPatternsAreSafe) {
    std::vector<std::string> two = Search("??");
    // Any character that is not a letter or a star matches one letter, as "?" does.
    for (std::string p : {"\xFF\xFF", "\xC3\xA9", "1.", " [", "@`"})
        EXPECT_EQ(Search(p), two) << p;
    EXPECT_EQ(Search("Q\x80"), Search("Q?"));

    EXPECT_TRUE(Search("").empty());  // the free records are no word
    EXPECT_TRUE(Search(std::string(100000, 'A')).empty());
    EXPECT_TRUE(Search(std::string(100000, '?') + "*").empty());
    EXPECT_TRUE(Search("A***").empty());  // more than two stars: refused
    EXPECT_EQ(Search("QI**").front(), "QI");  // two stars are fine
}

TEST_F(Dictionary, DamagedBanksGiveFewerWords) {
    // A bank cut short is never read past its end.
    WordBank.Resize(12 * 3 + 5);
    EXPECT_EQ(Search("AA?"), (std::vector<std::string>{"AAH"}));
    EXPECT_TRUE(Search("ZZZS").empty());
    WordBank.Resize(0);
    EXPECT_TRUE(Search("??").empty());

    CreateWordBank();  // all zero
    EXPECT_TRUE(Search("??").empty());
    EXPECT_TRUE(Search("C*T").empty());
}

}  // namespace
