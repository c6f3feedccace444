#include <gtest/gtest.h>

#include <filesystem>

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

const char kReport[] = "StatsSPTDC_27_12_2008.txt";

class AddDataTest : public ::testing::Test {
 protected:
  void SetUp() override { plugin.ResetStats(0, "PA3ABC", At(20, 0)); }

  // The report's lines after the header.
  std::string Lines() const {
    const std::string report = ReadFile(kReport);
    return report.compare(0, sizeof kReportHeader - 1, kReportHeader) == 0
               ? report.substr(sizeof kReportHeader - 1)
               : "(no header) " + report;
  }

  testing::TempDir dir;
  FakePlatform platform;
  Plugin plugin{platform, platform};
};

TEST_F(AddDataTest, StoresACountingQsoSilently) {
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  ASSERT_EQ(plugin.Qsos().size(), 1u);
  const CInfo& r = plugin.Qsos()[0];
  EXPECT_EQ(r.m_call, "DL1ABC");
  EXPECT_EQ(r.m_band, "160m");
  EXPECT_EQ(r.m_mode, "CW");
  EXPECT_EQ(r.m_sentRst, "599");
  EXPECT_EQ(r.m_receivedRst, "579");
  EXPECT_EQ(r.m_sentExchange, "JO21");
  EXPECT_EQ(r.m_receivedExchange, "JO22");
  EXPECT_EQ(r.m_frequencyKHz, 1830);
  EXPECT_EQ(r.m_dupe, 0);
  EXPECT_EQ(r.m_time.days, At(21, 0).days);
  EXPECT_EQ(Lines(), "");
}

TEST_F(AddDataTest, EveryEarlierRepeatWritesADupeLine) {
  const std::string dupe =
      "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  DL1ABC  579  JO22   DUPE !!!\r\n";
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(Lines(), dupe);
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(Lines(), dupe + dupe + dupe);
  ASSERT_EQ(plugin.Qsos().size(), 3u);
  EXPECT_EQ(plugin.Qsos()[0].m_dupe, 0);
  EXPECT_EQ(plugin.Qsos()[1].m_dupe, 1);
  EXPECT_EQ(plugin.Qsos()[2].m_dupe, 1);
}

TEST_F(AddDataTest, DupeKeysCompareWithLetterCase) {
  plugin.AddData(Qso("DL1ABC"));
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC", "160M")), 1);
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC", "160m", "cw")), 1);
  EXPECT_EQ(plugin.AddData(Qso("dl1abc")), 1);
  for (const CInfo& r : plugin.Qsos()) EXPECT_EQ(r.m_dupe, 0) << r.m_call << r.m_band << r.m_mode;
  EXPECT_EQ(Lines(), "");
}

TEST_F(AddDataTest, RejectsWithTheFirstFailingTestOnly) {
  const struct {
    QsoInput qso;
    const char* line;
  } cases[] = {
      {Qso("OK1XYZ", "80m"),
       "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  OK1XYZ  579  JO22   NO CONTEST BAND !!!\r\n"},
      {Qso("OK1XYZ", "80m", "SSB", "JO21", "JO2"),
       "QSO:  1830  SSB  2008-12-27 2100  PA3ABC  599  JO21  OK1XYZ  579  JO2   INCORRECT RECIEVED LOCATOR "
       "!!!\r\n"},
      {Qso("OK1XYZ", "160m", "SSB"),
       "QSO:  1830  SSB  2008-12-27 2100  PA3ABC  599  JO21  OK1XYZ  579  JO22   NO CONTEST MODE !!!\r\n"},
      {Qso("OK1XYZ", "160m", "CW", ""),
       "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599    OK1XYZ  579  JO22   Not full control number recieved "
       "!!!\r\n"},
      {Qso("OK1XYZ", "160m", "CW", "JO21", ""),
       "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  OK1XYZ  579     INCORRECT RECIEVED LOCATOR "
       "!!!\r\n"},
      {Qso("OK1XYZ", "160m", "CW", "JO21", "JO2X"),
       "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  OK1XYZ  579  JO2X   INCORRECT RECIEVED LOCATOR "
       "!!!\r\n"},
      {Qso("OK1XYZ", "160", "CW", "JO21", "JS21"),
       "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  OK1XYZ  579  JS21   INCORRECT RECIEVED LOCATOR "
       "!!!\r\n"},
  };
  std::string expected;
  for (const auto& c : cases) {
    EXPECT_EQ(plugin.AddData(c.qso), 0) << c.line;
    expected += c.line;
    EXPECT_EQ(Lines(), expected);
  }
  EXPECT_TRUE(plugin.Qsos().empty());
  // The bands of rejected QSOs are listed all the same.
  ASSERT_EQ(plugin.Bands().size(), 3u);
  EXPECT_EQ(plugin.Bands()[0], "80m");
  EXPECT_EQ(plugin.Bands()[1], "160m");
  EXPECT_EQ(plugin.Bands()[2], "160");
}

TEST_F(AddDataTest, AcceptsWhatOnlyPresenceOrShapeIsTestedFor) {
  // Two- and six-character received locators, an unreadable sent locator, an
  // empty callsign, and the mode and band in other letter case all pass.
  EXPECT_EQ(plugin.AddData(Qso("A1", "160m", "CW", "JO21", "JO")), 1);
  EXPECT_EQ(plugin.AddData(Qso("A2", "160m", "CW", "JO21", "jo21qk")), 1);
  EXPECT_EQ(plugin.AddData(Qso("A3", "160m", "CW", "XYZ!", "JO22")), 1);
  EXPECT_EQ(plugin.AddData(Qso("")), 1);
  EXPECT_EQ(plugin.AddData(Qso("A4", "160M", "cw")), 1);
  EXPECT_EQ(plugin.Qsos().size(), 5u);
  EXPECT_EQ(Lines(), "");
}

TEST_F(AddDataTest, FrequencyIsWholeKilohertzAndTimesFormatAsTheirState) {
  QsoInput qso = Qso("OK1XYZ", "80m");
  qso.frequencyHz = 999;
  qso.time.status = DateTime::kInvalid;
  EXPECT_EQ(plugin.AddData(qso), 0);
  qso.frequencyHz = 4294967295u;
  qso.time.status = DateTime::kNull;
  EXPECT_EQ(plugin.AddData(qso), 0);
  EXPECT_EQ(Lines(),
            "QSO:  0  CW  Invalid DateTime  PA3ABC  599  JO21  OK1XYZ  579  JO22   NO CONTEST BAND !!!\r\n"
            "QSO:  4294967  CW    PA3ABC  599  JO21  OK1XYZ  579  JO22   NO CONTEST BAND !!!\r\n");

  QsoInput stored = Qso("DL1ABC");
  stored.frequencyHz = 999;
  stored.time.status = DateTime::kInvalid;
  EXPECT_EQ(plugin.AddData(stored), 1);
  EXPECT_EQ(plugin.Qsos()[0].m_frequencyKHz, 0);
  EXPECT_EQ(plugin.Qsos()[0].m_time.status, DateTime::kInvalid);
}

TEST_F(AddDataTest, WithoutAReportFileTheVerdictsStayTheSame) {
  Plugin fresh{platform, platform};  // no run yet: the report has no name
  EXPECT_EQ(fresh.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(fresh.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(fresh.AddData(Qso("OK1XYZ", "80m")), 0);
  EXPECT_EQ(fresh.Qsos().size(), 2u);
  EXPECT_EQ(fresh.Qsos()[1].m_dupe, 1);
  EXPECT_EQ(fresh.Bands().size(), 2u);

  // A report name that is a folder cannot be opened: lines are lost, nothing else.
  std::filesystem::remove(kReport);
  std::filesystem::create_directory(kReport);
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(plugin.Qsos()[1].m_dupe, 1);
}

TEST_F(AddDataTest, TheReportIsRecreatedWhenItWasDeleted) {
  std::filesystem::remove(kReport);
  plugin.AddData(Qso("DL1ABC"));
  EXPECT_EQ(ReadFile(kReport), "");
  EXPECT_TRUE(std::filesystem::exists(kReport));
}

// The dupe lines and the call check follow removals and resets: each counts
// the matching records stored at that moment.
TEST_F(AddDataTest, DupesCountTheRecordsLeftAfterRemovalAndReset) {
  const std::string dupe =
      "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  DL1ABC  579  JO22   DUPE !!!\r\n";
  for (int i = 0; i < 3; ++i) plugin.AddData(Qso("DL1ABC"));
  plugin.AddData(Qso("DL1ABC", "160m", "cw"));
  plugin.RemoveData("DL1ABC", "160m");  // the first, not a dupe
  ASSERT_EQ(plugin.Qsos().size(), 3u);
  EXPECT_EQ(plugin.Qsos()[0].m_dupe, 1);
  const std::string before = Lines();
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(Lines(), before + dupe + dupe);
  EXPECT_EQ(plugin.CheckCall("DL1ABC", "CW", "160m", nullptr), 0);

  plugin.RemoveData("DL1ABC", "160m");
  plugin.RemoveData("DL1ABC", "160m");
  plugin.RemoveData("DL1ABC", "160m");  // the cw record, whose mode plays no part
  plugin.RemoveData("DL1ABC", "160m");
  EXPECT_EQ(plugin.CheckCall("DL1ABC", "CW", "160m", nullptr), 1);

  plugin.AddData(Qso("DL1ABC"));
  plugin.ResetStats(0, "PA3ABC", At(20, 0));
  EXPECT_EQ(plugin.CheckCall("DL1ABC", "CW", "160m", nullptr), 1);
  EXPECT_EQ(plugin.AddData(Qso("DL1ABC")), 1);
  EXPECT_EQ(plugin.Qsos()[0].m_dupe, 0);
  EXPECT_EQ(Lines(), "");
}

TEST_F(AddDataTest, StoredCopiesOutliveTheirRemoval) {
  plugin.AddData(Qso("A1"));
  plugin.AddData(Qso("A2"));
  plugin.AddData(Qso("A3"));
  const CInfo copy = plugin.Qsos()[1];
  plugin.RemoveData("A2", "160m");
  ASSERT_EQ(plugin.Qsos().size(), 2u);
  EXPECT_EQ(plugin.Qsos()[0].m_call, "A1");
  EXPECT_EQ(plugin.Qsos()[1].m_call, "A3");
  EXPECT_EQ(copy.m_call, "A2");
  EXPECT_EQ(copy.m_receivedExchange, "JO22");
  // The band stays listed after its last QSO is gone.
  plugin.RemoveData("A1", "160m");
  plugin.RemoveData("A3", "160m");
  EXPECT_TRUE(plugin.Qsos().empty());
  EXPECT_EQ(plugin.Bands().size(), 1u);
}

}  // namespace
}  // namespace sptdc
