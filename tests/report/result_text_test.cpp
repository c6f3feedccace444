#include "report/result_text.h"

#include <gtest/gtest.h>

#include "plugin/plugin.h"
#include "support/fake_platform.h"
#include "support/qso_builder.h"
#include "support/temp_dir.h"

namespace sptdc {
namespace {

using testing::At;
using testing::Qso;

const char kHeader[] = "SPTDC TEST Contest 27.12.2008\r\n\tContestant: PA3ABC \r\nBand\tQSOs\tPoints\r\n";

class ResultTextTest : public ::testing::Test {
 protected:
  void SetUp() override { plugin.ResetStats(0, "PA3ABC", At(20, 0)); }

  testing::TempDir dir;
  FakePlatform platform;
  Plugin plugin{platform, platform};
};

TEST(SortBandsTest, LongestWavelengthFirstByAnExchangeSortThatIsNotStable) {
  const struct {
    std::vector<std::string> bands;
    std::vector<std::string> sorted;
  } cases[] = {
      {{"40m", "160m", "80m"}, {"160m", "80m", "40m"}},
      {{"10m", "20m", "40m", "80m", "160m"}, {"160m", "80m", "40m", "20m", "10m"}},
      {{"160M", "160m"}, {"160m", "160M"}},
      {{"", "160m"}, {"160m", ""}},
      // Names of 20 or more characters are their own keys. Equal keys end up
      // in an order of the exchange sort's making, not the order of arrival.
      {{"0000000000000000160m", "80m", "160m"}, {"0000000000000000160m", "160m", "80m"}},
      {{"160m", "80m", "0000000000000000160m"}, {"160m", "0000000000000000160m", "80m"}},
      {{"1600000000000000000000m", "160m"}, {"1600000000000000000000m", "160m"}},
      {{"80m", "080m", "160m"}, {"160m", "080m", "80m"}},
      {{}, {}},
      {{"2m"}, {"2m"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> bands = c.bands;
    SortBands(bands);
    EXPECT_EQ(bands, c.sorted);
  }
}

TEST_F(ResultTextTest, AnEmptyRunHasHeaderAndTotalOnly) {
  EXPECT_EQ(std::string(plugin.GetResult()), std::string(kHeader) + "Total\t 0\t  0\r\n");
  EXPECT_EQ(plugin.ClaimedScoreValue(), 0);
}

TEST_F(ResultTextTest, CountsScoresAndSortsTheBandRows) {
  plugin.AddData(Qso("OK1XYZ", "40m"));                         // rejected, but its row stays
  plugin.AddData(Qso("DL1ABC", "160m", "CW", "JO21", "JO22"));  // 111 km: 1
  plugin.AddData(Qso("W1AW", "160m", "cw", "JO21", "FN20"));    // 5990 km: 12, lower-case mode counts
  plugin.AddData(Qso("DL1ABC"));                                // dupe: not counted
  plugin.AddData(Qso("", "160m", "CW", "JO21", "JO05"));        // no callsign: not counted
  plugin.AddData(Qso("G3XYZ", "160M", "CW", "JO21", "JO05"));   // 518 km: 2, its own row
  plugin.AddData(Qso("OK2ABC", "80m"));
  plugin.AddData(Qso("ON4XX", "160m", "CW", "JO21", "JO"));  // no centre: 1
  const std::string expected = std::string(kHeader) +
                               "160m\t 3\t  14\r\n"
                               "160M\t 1\t  2\r\n"
                               "80m\t 0\t  0\r\n"
                               "40m\t 0\t  0\r\n"
                               "Total\t 4\t  16\r\n";
  const std::string text = plugin.GetResult();
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  EXPECT_EQ(plugin.ClaimedScoreValue(), 16);
  // The sorted order stays, and a second call gives the same text.
  EXPECT_EQ(plugin.Bands()[0], "160m");
  EXPECT_EQ(plugin.Bands()[3], "40m");
  EXPECT_EQ(std::string(plugin.GetResult()), text);
}

TEST_F(ResultTextTest, AnExportRunLeavesOutTheRateBlock) {
  platform.operatorScript = [](Cabrillo&) { return true; };
  plugin.ResetStats(1, "PA3ABC", At(20, 0));
  plugin.AddData(Qso("DL1ABC"));
  EXPECT_EQ(std::string(plugin.GetResult()), std::string(kHeader) + "160m\t 1\t  1\r\nTotal\t 1\t  1\r\n");
}

TEST_F(ResultTextTest, SentLocatorIsReadWithoutDigitTest) {
  // A sent locator with a letter in a digit place still has a centre.
  plugin.AddData(Qso("DL1ABC", "160m", "CW", "JO2X", "JO21"));
  const std::string text = plugin.GetResult();
  EXPECT_NE(text.find("160m\t 1\t  9\r\n"), std::string::npos) << text;  // 4341 km
}

}  // namespace
}  // namespace sptdc
