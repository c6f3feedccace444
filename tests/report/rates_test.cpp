#include "report/rates.h"

#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "plugin/plugin.h"
#include "support/fake_platform.h"
#include "support/qso_builder.h"
#include "support/temp_dir.h"

namespace sptdc {
namespace {

using testing::At;
using testing::Qso;

std::string Block(int hourQsos, int tenQsos6, int hourPoints, int tenPoints6, int last) {
  char text[256];
  std::snprintf(text, sizeof text,
                "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\nHourly (10min) pts rate: %5i "
                "(%i) points/hour\r\n\r\nLast QSO: %i points",
                hourQsos, tenQsos6, hourPoints, tenPoints6, last);
  return text;
}

// The rate block at the end of the score text.
std::string RateBlock(Plugin& plugin) {
  const std::string text = plugin.GetResult();
  const std::size_t total = text.find("Total\t");
  const std::size_t end = text.find("\r\n", total);
  return text.substr(end + 2);
}

class RatesTest : public ::testing::Test {
 protected:
  void SetUp() override { plugin.ResetStats(0, "PA3ABC", At(20, 0)); }

  testing::TempDir dir;
  FakePlatform platform;
  Plugin plugin{platform, platform};
};

TEST_F(RatesTest, OneRecordLiesInBothWindowsOfDayZero) {
  plugin.AddData(Qso("W1AW", "160m", "CW", "JO21", "JO05"));  // 2 points
  plugin.AddData(Qso("OK1XYZ", "80m"));                       // rejected: not in the list
  const std::string block = RateBlock(plugin);
  EXPECT_EQ(block, Block(1, 6, 2, 12, 2));
  EXPECT_EQ(block.substr(0, 33), "\r\nHourly (10min) QSO rate:     1 ");
}

TEST_F(RatesTest, WindowsReachBackFromTheLastRecord) {
  const struct {
    const char* call;
    DateTime time;
  } log[] = {
      {"A1", At(20, 0)},      // 60 minutes before: in neither window
      {"A2", At(20, 0, 1)},   // 59:59 before: hour only
      {"A3", At(20, 50)},     // exactly 10 minutes: hour only
      {"A4", At(20, 50, 1)},  // 9:59: both
      {"A5", At(21, 30)},     // after the reference: both
      {"A6", At(21, 0)},      // the reference itself
  };
  for (const auto& q : log) plugin.AddData(Qso(q.call, "160m", "CW", "JO21", "JO22", q.time));
  EXPECT_EQ(RateBlock(plugin), Block(5, 18, 5, 18, 1));
}

TEST_F(RatesTest, DifferencesRoundToTheSecondBeforeCuttingToMinutes) {
  DateTime almostTen = At(20, 50, 0);
  almostTen.days += 0.6 / 86400.0;  // 9:59.4 before the reference: 9 minutes
  DateTime justTen = At(20, 50, 0);
  justTen.days += 0.4 / 86400.0;  // 9:59.6 before: rounds to 10 minutes
  plugin.AddData(Qso("A1", "160m", "CW", "JO21", "JO22", almostTen));
  plugin.AddData(Qso("A2", "160m", "CW", "JO21", "JO22", justTen));
  plugin.AddData(Qso("A3", "160m", "CW", "JO21", "JO22", At(21, 0)));
  EXPECT_EQ(RateBlock(plugin), Block(3, 12, 3, 12, 1));
}

TEST_F(RatesTest, DupesAndEmptyCallsEnterNoTallyAndGiveNoLastPoints) {
  plugin.AddData(Qso("A1", "160m", "CW", "JO21", "FN20"));  // 12 points
  plugin.AddData(Qso("", "160m", "CW", "JO21", "FN20"));
  plugin.AddData(Qso("A1", "160m", "CW", "JO21", "FN20"));  // dupe, the last record
  EXPECT_EQ(RateBlock(plugin), Block(1, 6, 12, 72, 0));
}

TEST_F(RatesTest, AllBandsShareTheTallies) {
  plugin.AddData(Qso("A1", "160m", "CW", "JO21", "JO05"));
  plugin.AddData(Qso("A2", "160M", "CW", "JO21", "FN20"));
  EXPECT_EQ(RateBlock(plugin), Block(2, 12, 14, 84, 12));
}

TEST_F(RatesTest, OddTimesDoNotBreakTheTallies) {
  DateTime nan = At(21, 0);
  nan.days = std::nan("");
  DateTime huge = At(21, 0);
  huge.days = -1e300;
  plugin.AddData(Qso("A1", "160m", "CW", "JO21", "JO22", nan));
  plugin.AddData(Qso("A2", "160m", "CW", "JO21", "JO22", huge));
  plugin.AddData(Qso("A3", "160m", "CW", "JO21", "JO22", At(21, 0)));
  // An undefined difference and one of the far past fall in neither window.
  EXPECT_EQ(RateBlock(plugin), Block(1, 6, 1, 6, 1));
}

}  // namespace
}  // namespace sptdc
