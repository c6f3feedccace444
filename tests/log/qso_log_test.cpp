#include "log/qso_log.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "util/text.h"

namespace sptdc {
namespace {

CInfo Record(const std::string& call, const std::string& band = "160m", const std::string& mode = "CW") {
  CInfo r;
  r.m_call = call;
  r.m_band = band;
  r.m_mode = mode;
  return r;
}

// What the counts stand for: a walk through every record with the text
// comparison.
std::size_t ScannedMatches(const QsoLog& log, const std::string& call, const std::string& band,
                           const std::string& mode) {
  std::size_t matches = 0;
  for (const CInfo& r : log.Records()) {
    if (text::Equal(r.m_call, call) && text::Equal(r.m_band, band) && text::Equal(r.m_mode, mode)) ++matches;
  }
  return matches;
}

TEST(QsoLogTest, CountsFollowAppendRemovalAndClear) {
  QsoLog log;
  for (const char* call : {"DL1ABC", "OK1XYZ", "DL1ABC", "DL1ABC"}) log.Append(Record(call));
  log.Append(Record("DL1ABC", "160M"));
  log.Append(Record("DL1ABC", "160m", "cw"));
  EXPECT_EQ(log.CountMatches("DL1ABC", "160m", "CW"), 3u);  // dupes of dupes count too
  EXPECT_EQ(log.CountMatches("DL1ABC", "160M", "CW"), 1u);
  EXPECT_EQ(log.CountMatches("DL1ABC", "160m", "cw"), 1u);
  EXPECT_EQ(log.CountMatches("dl1abc", "160m", "CW"), 0u);
  EXPECT_EQ(log.CountMatches("DL1AB", "160m", "CW"), 0u);

  log.RemoveAt(0);  // the first DL1ABC: the two after it stay, in order
  EXPECT_EQ(log.CountMatches("DL1ABC", "160m", "CW"), 2u);
  ASSERT_EQ(log.Records().size(), 5u);
  EXPECT_EQ(log.Records()[0].m_call, "OK1XYZ");
  log.RemoveAt(0);
  EXPECT_EQ(log.CountMatches("OK1XYZ", "160m", "CW"), 0u);
  log.RemoveAt(3);  // the cw record, last but one
  EXPECT_EQ(log.CountMatches("DL1ABC", "160m", "cw"), 0u);
  EXPECT_EQ(log.CountMatches("DL1ABC", "160M", "CW"), 1u);
  EXPECT_EQ(log.CountMatches("DL1ABC", "160m", "CW"), 2u);

  log.Clear();
  EXPECT_TRUE(log.Records().empty());
  EXPECT_EQ(log.CountMatches("DL1ABC", "160m", "CW"), 0u);
  log.Append(Record("DL1ABC"));
  EXPECT_EQ(log.CountMatches("DL1ABC", "160m", "CW"), 1u);
}

// Random appends, removals and clears over texts that differ only in ways
// a byte hash could get wrong: letter case, bytes above 127, a byte that is a
// lead byte in double-byte code pages, embedded NULs, the empty text. After
// every step the counts must be those of the scan, for every combination.
TEST(QsoLogTest, CountsAgreeWithTheScanOfEveryRecord) {
  const std::string texts[] = {
      "", "A", "a", std::string("A\0B", 3), std::string("A\0C", 3), "AB\x81", "AB", "\x81\x40", "\xff\x80"};
  std::mt19937 random(13);
  auto pick = [&] { return texts[random() % (sizeof texts / sizeof texts[0])]; };
  QsoLog log;
  for (int step = 0; step < 400; ++step) {
    const unsigned action = random() % 50;
    if (action < 30) {
      log.Append(Record(pick(), pick(), pick()));
    } else if (action < 49 && !log.Records().empty()) {
      log.RemoveAt(random() % log.Records().size());
    } else if (action == 49) {
      log.Clear();
    }
    for (const std::string& call : texts) {
      for (const std::string& band : texts) {
        for (const std::string& mode : {texts[0], texts[1], texts[5]}) {
          ASSERT_EQ(log.CountMatches(call, band, mode), ScannedMatches(log, call, band, mode))
              << "step " << step;
        }
      }
    }
  }
}

}  // namespace
}  // namespace sptdc
