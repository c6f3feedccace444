#include "util/text.h"

#include <gtest/gtest.h>

namespace sptdc {
namespace {

TEST(TextTest, CompareIsCaseSensitiveAndUnsigned) {
  EXPECT_EQ(text::Compare("160m", "160m"), 0);
  EXPECT_NE(text::Compare("160m", "160M"), 0);
  EXPECT_LT(text::Compare("160M", "160m"), 0);
  EXPECT_LT(text::Compare("00080m", "00160m"), 0);
  EXPECT_LT(text::Compare("", "a"), 0);
  EXPECT_GT(text::Compare("\x80", "z"), 0);  // bytes above 127 sort after ASCII
  EXPECT_TRUE(text::Equal("K1XX", "K1XX"));
  EXPECT_FALSE(text::Equal("K1XX", "k1xx"));
}

// Where the platform says so, Equal is equality of the compared bytes, which
// is what lets the QSO log count dupes by a hash of them.
TEST(TextTest, EqualIsByteEqualityWhereThePlatformSaysSo) {
  if (!text::EqualIsByteEquality()) GTEST_SKIP() << "the process code page is a double-byte one";
  const std::string nulThenB("A\0B", 3), nulThenC("A\0C", 3);
  const std::string texts[] = {"",   "K1XX",     "k1xx",     "K1XX ",  "\x80",   "\xff\x80", "AB\x81",
                               "AB", "\x81\x40", "\x81\x41", nulThenB, nulThenC, "A"};
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      EXPECT_EQ(text::Equal(a, b), text::ComparedBytes(a) == text::ComparedBytes(b))
          << testing::PrintToString(a) << " " << testing::PrintToString(b);
    }
  }
}

TEST(TextTest, EqualNoCaseFoldsLetters) {
  EXPECT_TRUE(text::EqualNoCase("160m", "160M"));
  EXPECT_TRUE(text::EqualNoCase("cw", "CW"));
  EXPECT_TRUE(text::EqualNoCase("", ""));
  EXPECT_FALSE(text::EqualNoCase("CW", "CW2"));
  EXPECT_FALSE(text::EqualNoCase("@", "`"));  // neighbours of the letters do not fold
  EXPECT_FALSE(text::EqualNoCase("[", "{"));
}

TEST(TextTest, UpperChangesOnlyLetters) {
  EXPECT_EQ(text::Upper("jo21qk"), "JO21QK");
  EXPECT_EQ(text::Upper("a-z{}@`"), "A-Z{}@`");
  EXPECT_EQ(text::Upper(""), "");
}

TEST(TextTest, FindSearchesFromAPosition) {
  EXPECT_EQ(text::Find("a<CR><LF>b", "<CR>", 0), 1u);
  EXPECT_EQ(text::Find("a<CR><LF>b<CR>", "<CR>", 5), 10u);
  EXPECT_EQ(text::Find("a<CR>", "<LF>", 0), std::string::npos);
  EXPECT_EQ(text::Find("abc", "c", 3), std::string::npos);
  EXPECT_EQ(text::Find("abc", "c", 9), std::string::npos);
}

}  // namespace
}  // namespace sptdc
