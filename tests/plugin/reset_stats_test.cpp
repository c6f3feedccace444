#include <gtest/gtest.h>

#include "plugin/plugin.h"
#include "support/expected_texts.h"
#include "support/fake_platform.h"
#include "support/qso_builder.h"
#include "support/temp_dir.h"

namespace sptdc {
namespace {

using testing::At;
using testing::kReportHeader;
using testing::Qso;
using testing::ReadFile;

class ResetStatsTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  FakePlatform platform;
  Plugin plugin{platform, platform};
};

TEST_F(ResetStatsTest, NamesTheRunAndCreatesTheDaysReport) {
  DateTime runTime;
  runTime.days = 39818.75;  // 5 January 2009, 18:00
  EXPECT_EQ(plugin.ResetStats(0, "PA3ABC", runTime), 1);
  EXPECT_EQ(plugin.Run().RunDate, "05.01.2009");
  EXPECT_EQ(plugin.Run().StationCall, "PA3ABC");
  EXPECT_EQ(plugin.Run().ReportFileName, "StatsSPTDC_05_01_2009.txt");
  EXPECT_EQ(plugin.Run().CabrilloRequested, 0);
  EXPECT_EQ(ReadFile("StatsSPTDC_05_01_2009.txt"), kReportHeader);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ResetStatsTest, EmptiesTheListsAndTheSameDaysReport) {
  plugin.ResetStats(0, "PA3ABC", At(20, 0));
  plugin.AddData(Qso("DL1ABC"));
  plugin.AddData(Qso("DL1ABC"));  // a dupe line in the report
  plugin.AddData(Qso("OK1XYZ", "80m"));
  ASSERT_EQ(plugin.Qsos().size(), 2u);
  ASSERT_NE(ReadFile("StatsSPTDC_27_12_2008.txt"), kReportHeader);

  EXPECT_EQ(plugin.ResetStats(0, "PA3ABC", At(23, 59)), 1);
  EXPECT_TRUE(plugin.Qsos().empty());
  EXPECT_EQ(plugin.Bands().size(), 0u);
  EXPECT_EQ(ReadFile("StatsSPTDC_27_12_2008.txt"), kReportHeader);

  plugin.AddData(Qso("DL1ABC"));
  EXPECT_EQ(plugin.Qsos().size(), 1u);
  EXPECT_EQ(plugin.Qsos()[0].m_dupe, 0);
}

TEST_F(ResetStatsTest, InvalidAndNullRunTimesNameTheReportWithTheirTexts) {
  DateTime invalid;
  invalid.status = DateTime::kInvalid;
  plugin.ResetStats(0, "PA3ABC", invalid);
  EXPECT_EQ(plugin.Run().RunDate, "Invalid DateTime");
  EXPECT_EQ(ReadFile("StatsSPTDC_Invalid DateTime.txt"), kReportHeader);

  DateTime null;
  null.status = DateTime::kNull;
  plugin.ResetStats(0, "", null);
  EXPECT_EQ(plugin.Run().RunDate, "");
  EXPECT_EQ(ReadFile("StatsSPTDC_.txt"), kReportHeader);
}

TEST_F(ResetStatsTest, AnExportRunAsksForTheHeaderFirst) {
  plugin.ResetStats(0, "PA3ABC", At(20, 0));
  EXPECT_TRUE(platform.dialogsShown.empty());

  platform.operatorScript = [this](Cabrillo&) {
    // The report is created after the dialog has closed.
    EXPECT_EQ(ReadFile("StatsSPTDC_28_12_2008.txt"), "");
    return true;
  };
  plugin.ResetStats(1, "PA3ABC", At(24, 0));
  EXPECT_EQ(platform.dialogsShown.size(), 1u);
  EXPECT_EQ(plugin.Run().CabrilloRequested, 1);
  EXPECT_EQ(ReadFile("StatsSPTDC_28_12_2008.txt"), kReportHeader);

  // Cancelled: no export in this run, and the report all the same.
  platform.operatorScript = nullptr;
  plugin.ResetStats(7, "PA3ABC", At(20, 0));
  EXPECT_EQ(platform.dialogsShown.size(), 2u);
  EXPECT_EQ(plugin.Run().CabrilloRequested, 0);
  EXPECT_EQ(ReadFile("StatsSPTDC_27_12_2008.txt"), kReportHeader);
}

TEST_F(ResetStatsTest, SetupShowsTheSameBoxEveryTime) {
  plugin.SetupSet();
  plugin.SetupSet();
  ASSERT_EQ(platform.messages.size(), 2u);
  for (const FakePlatform::Message& m : platform.messages) {
    EXPECT_EQ(m.text, "No additional setup for this plugin");
    EXPECT_FALSE(m.hasCaption);
    EXPECT_EQ(m.icon, MessageIcon::kNone);
  }
  EXPECT_STREQ(Plugin::SetName(0), "SPDTC (C)");
  EXPECT_STREQ(Plugin::SetName(1), "");
  EXPECT_STREQ(Plugin::SetName(-1), "");
}

}  // namespace
}  // namespace sptdc
