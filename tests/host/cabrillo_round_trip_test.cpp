// A Cabrillo file that the plug-in's own export wrote, read back by the host,
// gives the score text of the log it was made from; and the points of
// `list` add up to the plug-in's Total row.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "host/contest_run.h"
#include "host/log_file.h"
#include "host/qso_fields.h"
#include "host/qso_listing.h"
#include "loader/loaded_plugin.h"
#include "plugin/plugin.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace sptdc::host {

namespace {

// A night of a station that logs in lower case and newest first: a dupe, a
// 6-character locator, a call that crosses midnight.
const char kLog[] =
    "hand-made<EOH>\n"
    "<CALL:5>on7ao<QSO_DATE:8>20241229<TIME_ON:4>0105<BAND:4>160M<MODE:2>cw<FREQ:5>1.831"
    "<STATION_CALLSIGN:5>k1zzt<MY_GRIDSQUARE:6>FN42hn<GRIDSQUARE:4>JO10<EOR>\n"
    "<CALL:5>W6UHM<QSO_DATE:8>20241228<TIME_ON:4>2350<BAND:4>160m<MODE:2>CW<FREQ:5>1.825"
    "<STATION_CALLSIGN:5>K1ZZT<STX_STRING:4>FN42<SRX_STRING:4>CM97<EOR>\n"
    "<CALL:5>K9ZCT<QSO_DATE:8>20241228<TIME_ON:4>2340<BAND:4>160m<MODE:2>CW<FREQ:5>1.822"
    "<STATION_CALLSIGN:5>K1ZZT<STX_STRING:4>FN42<SRX_STRING:6>EN53li<EOR>\n"
    "<CALL:5>w6uhm<QSO_DATE:8>20241228<TIME_ON:4>2300<BAND:4>160m<MODE:2>CW<FREQ:5>1.826"
    "<STATION_CALLSIGN:5>K1ZZT<STX_STRING:4>FN42<SRX_STRING:4>CM97<EOR>\n";

class HostRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    plugin_ = LoadedPlugin::Load(LoadedPlugin::DefaultPath(), &error);
    ASSERT_TRUE(plugin_) << error;
  }

  // Reads the log file as sptdc-host does and passes it to the plug-in.
  std::vector<QsoFields> Pass(const std::string& path, std::vector<QsoVerdict>* verdicts) {
    LogContents log;
    std::string error;
    EXPECT_TRUE(ReadLogFile(path, &log, &error)) << error;
    const std::string station = log.ownCall;
    std::vector<QsoFields> qsos;
    for (const AdifRecord& record : log.records) qsos.push_back(QsoFromAdif(record, station));
    PassLog(plugin_->api(), MakeRunSettings(station, nullptr, log.records, false), qsos, verdicts);
    return qsos;
  }

  std::string ScoreOf(const std::string& path) {
    std::vector<QsoVerdict> verdicts;
    Pass(path, &verdicts);
    return ScoreText(plugin_->api());
  }

  // The points of the counted rows of `list`, and the Total row's points.
  void ExpectListAddsUpToTotal(const std::string& path) {
    std::vector<QsoVerdict> verdicts;
    const std::vector<QsoFields> qsos = Pass(path, &verdicts);
    int listed = 0;
    for (const QsoRow& row : QsoRows(qsos, verdicts)) {
      if (row.verdict.kind == QsoVerdict::kCounted) listed += row.points;
    }
    const std::string text = ScoreText(plugin_->api());
    int qsoCount = -1, total = -1;
    const std::size_t at = text.find("Total\t");
    ASSERT_NE(at, std::string::npos) << text;
    ASSERT_EQ(std::sscanf(text.c_str() + at, "Total\t %d\t %d", &qsoCount, &total), 2);
    EXPECT_EQ(listed, total);
  }

  sptdc::testing::TempDir workDir_;
  std::unique_ptr<LoadedPlugin> plugin_;
};

TEST_F(HostRunTest, ACabrilloExportReadBackScoresLikeItsLog) {
  sptdc::testing::WriteFile("night.adi", kLog);
  const std::string fromAdif = ScoreOf("night.adi");
  ASSERT_NE(fromAdif.find("Total\t 3\t  "), std::string::npos) << fromAdif;

  // The export of the same QSOs, in the order the host passed them, by the
  // plug-in's own code with an operator who confirms the header.
  FakePlatform platform;
  platform.operatorScript = [](Cabrillo&) { return true; };
  Plugin exporter(platform, platform);
  LogContents log;
  std::string error;
  ASSERT_TRUE(ReadLogFile("night.adi", &log, &error)) << error;
  exporter.ResetStats(1, "K1ZZT", DateTimeOf(CivilDate{2024, 12, 28}, 0));
  for (const AdifRecord& record : log.records) {
    const QsoFields q = QsoFromAdif(record, "");
    exporter.AddData({q.myCall, q.call, DateTime{q.time.date, q.time.status}, q.frequencyHz, q.mode,
                      q.sentRst, q.receivedRst, q.sentExchange, q.receivedExchange, q.band});
  }
  exporter.GetResult();
  const std::string cabrillo = sptdc::testing::ReadFile("K1ZZT.cbr");
  ASSERT_NE(cabrillo.find("QSO:  1826 CW 2024-12-28 2300 K1ZZT"), std::string::npos) << cabrillo;

  EXPECT_EQ(ScoreOf("K1ZZT.cbr"), fromAdif);
}

TEST_F(HostRunTest, ListedPointsAddUpToTheTotal) {
  ExpectListAddsUpToTotal(SPTDC_EXAMPLES_DIR "/sample.adi");
  sptdc::testing::WriteFile("night.adi", kLog);
  ExpectListAddsUpToTotal("night.adi");
}

}  // namespace

}  // namespace sptdc::host
