#include "plugin/checks.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "plugin/contest_rules.h"

namespace sptdc {
namespace {

TEST(IsValidExchangeTest, OnlyFourCharacterLocatorsOfFieldZero) {
  const struct {
    const char* exchange;
    int index;
    int valid;
  } cases[] = {{"JO21", 0, 1}, {"jo21", 0, 1}, {"RR99", 0, 1}, {"JO21QK", 0, 0},
               {"JO", 0, 0},   {"JO2", 0, 0},  {"JS21", 0, 0}, {"JO2X", 0, 0},
               {"", 0, 0},     {"JO21", 1, 0}, {"JO21", -1, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(IsValidExchange(c.exchange, c.index), c.valid) << c.exchange << " " << c.index;
}

CInfo Record(const char* call, const char* band, const char* mode, int dupe = 0) {
  CInfo r;
  r.m_call = call;
  r.m_band = band;
  r.m_mode = mode;
  r.m_dupe = dupe;
  return r;
}

QsoLog LogOf(std::initializer_list<CInfo> records) {
  QsoLog log;
  for (const CInfo& record : records) log.Append(record);
  return log;
}

class CheckCallTest : public ::testing::Test {
 protected:
  const char* const bandTable[1] = {"160m"};
  const char* const modeTable[1] = {"CW"};
  CContestRules bands{bandTable, 1};
  CContestRules modes{modeTable, 1};
  QsoLog qsos =
      LogOf({Record("DL1ABC", "160m", "CW"), Record("", "160m", "CW"), Record("K1XX", "160m", "CW", 1)});
};

TEST_F(CheckCallTest, Verdicts) {
  const struct {
    const char* call;
    const char* mode;
    const char* band;
    const char* otherBand;
    int verdict;
  } cases[] = {
      {"DL1ABC", "CW", "160m", nullptr, 0},
      {"DL1ABC", "CW", "160m", "160M", 0},  // the two band texts agree ignoring case
      {"DL1ABC", "CW", "160m", "80m", 4},   // they disagree, though 160m counts
      {"DL1ABC", "CW", "80m", "80m", 4},
      {"DL1ABC", "SSB", "160m", nullptr, 4},
      {"DL1ABC", "CW", nullptr, nullptr, 4},  // null band counts as empty: refused
      {"DL1ABC", "", "160m", nullptr, 4},
      {"DL1ABC", "cw", "160M", nullptr, 1},  // passes the rules, but matches byte for byte only
      {"dl1abc", "CW", "160m", nullptr, 1},
      {"OK1XYZ", "CW", "160m", nullptr, 1},
      {"", "CW", "160m", nullptr, 0},      // an empty call matches a stored empty call
      {"K1XX", "CW", "160m", nullptr, 0},  // records marked as dupes are searched too
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckCall(qsos, bands, modes, c.call, c.mode, c.band, c.otherBand), c.verdict)
        << c.call << " " << c.mode << " " << (c.band ? c.band : "(null)") << " "
        << (c.otherBand ? c.otherBand : "(null)");
  }
  EXPECT_EQ(CheckCall(QsoLog(), bands, modes, "DL1ABC", "CW", "160m", nullptr), 1);
  EXPECT_EQ(qsos.Records().size(), 3u);
}

TEST(RemoveQsoTest, RemovesOnlyTheFirstMatchOfCallAndBand) {
  QsoLog qsos = LogOf(
      {Record("DL1ABC", "160m", "CW"), Record("OK1XYZ", "160m", "SSB"), Record("DL1ABC", "160m", "CW", 1)});
  const std::vector<CInfo>& records = qsos.Records();
  RemoveQso(qsos, "DL1ABC", "160m");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].m_call, "OK1XYZ");
  EXPECT_EQ(records[1].m_call, "DL1ABC");
  EXPECT_EQ(records[1].m_dupe, 1);

  // Mode plays no part; letter case and band do.
  RemoveQso(qsos, "dl1abc", "160m");
  RemoveQso(qsos, "DL1ABC", "160M");
  EXPECT_EQ(records.size(), 2u);
  RemoveQso(qsos, "OK1XYZ", "160m");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].m_call, "DL1ABC");

  QsoLog empty;
  RemoveQso(empty, "DL1ABC", "160m");
  EXPECT_TRUE(empty.Records().empty());
}

}  // namespace
}  // namespace sptdc
