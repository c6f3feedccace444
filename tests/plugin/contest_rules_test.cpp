#include "plugin/contest_rules.h"

#include <gtest/gtest.h>

namespace sptdc {
namespace {

TEST(CContestRulesTest, ContainsIgnoresLetterCaseOnly) {
  const char* const bandTable[] = {"160m"};
  const char* const modeTable[] = {"CW"};
  const CContestRules bands(bandTable, 1);
  const CContestRules modes(modeTable, 1);
  for (const char* yes : {"160m", "160M"}) EXPECT_EQ(bands.Contains(yes), 1) << yes;
  for (const char* no : {"160", "160 m", "80m", "", "160m "}) EXPECT_EQ(bands.Contains(no), 0) << no;
  for (const char* yes : {"CW", "cw", "Cw"}) EXPECT_EQ(modes.Contains(yes), 1) << yes;
  for (const char* no : {"CW2", "SSB", "", "C"}) EXPECT_EQ(modes.Contains(no), 0) << no;
}

TEST(CContestRulesTest, WalksEveryEntry) {
  const char* const table[] = {"160m", "80m", "40m"};
  const CContestRules rules(table, 3);
  EXPECT_EQ(rules.Contains("40M"), 1);
  EXPECT_EQ(rules.Contains("20m"), 0);
}

}  // namespace
}  // namespace sptdc
