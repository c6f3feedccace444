#include <gtest/gtest.h>

#include <filesystem>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/ui/cabrillo_dialog.h"
#include "plugin/plugin.h"
#include "support/fake_platform.h"
#include "support/qso_builder.h"
#include "support/temp_dir.h"

namespace sptdc {
namespace {

using testing::At;
using testing::Qso;
using testing::ReadFile;
using testing::WriteFile;

// The header lines for a confirmed header with the values of the dialog
// script below, up to the soapbox line.
std::string Header(int claimed, const std::string& version) {
  return "START-OF-LOG: 3.0\r\n"
         "LOCATION: DX\r\n"
         "CALLSIGN: PA3ABC\r\n"
         "CLUB: \r\n"
         "CONTEST: SPTDC\r\n"
         "CATEGORY-OPERATOR: SINGLE-OP\r\n"
         "CATEGORY-ASSISTED: NON-ASSISTED\r\n"
         "CATEGORY-BAND: 160M\r\n"
         "CATEGORY-MODE: CW\r\n"
         "CATEGORY-POWER: HIGH\r\n"
         "CATEGORY-STATION: FIXED\r\n"
         "CATEGORY-TRANSMITTER: ONE\r\n"
         "CLAIMED-SCORE: " +
         std::to_string(claimed) +
         "\r\n"
         "OPERATORS: PA3ABC\r\n"
         "NAME: Jan\r\n"
         "ADDRESS: \r\n"
         "ADDRESS-CITY: \r\n"
         "ADDRESS-STATE-PROVINCE: \r\n"
         "ADDRESS-POSTALCODE: \r\n"
         "ADDRESS-COUNTRY: \r\n"
         "EMAIL: \r\n"
         "CREATED-BY: Vexa " +
         version +
         "\r\n"
         "SOAPBOX: \r\n";
}

class CabrilloWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.operatorScript = [](Cabrillo& d) {
      d.Name = "Jan";
      d.Location = "DX";
      return true;
    };
  }

  void StartExport(const std::string& call = "PA3ABC") { plugin.ResetStats(1, call, At(20, 0)); }

  testing::TempDir dir;
  FakePlatform platform;
  Plugin plugin{platform, platform};
};

TEST_F(CabrilloWriterTest, AnExportWithoutQsos) {
  StartExport();
  const std::string text = plugin.GetResult();
  EXPECT_EQ(text.find("Hourly"), std::string::npos);
  EXPECT_EQ(ReadFile("PA3ABC.cbr"), Header(0, "") + "END-OF-LOG:\r\n");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "File produced: PA3ABC.cbr");
  EXPECT_EQ(platform.messages[0].caption, "Output");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::kInformation);
}

TEST_F(CabrilloWriterTest, EveryStoredRecordBecomesAQsoLineInListOrder) {
  StartExport();
  plugin.AddData(Qso("DL1ABC", "160m", "CW", "JO21", "JO22", At(21, 5)));
  plugin.AddData(Qso("DL1ABC", "160m", "CW", "JO21", "JO22", At(21, 6)));  // dupe
  plugin.AddData(Qso("", "160m", "CW", "JO21", "JO22", At(21, 7)));
  plugin.AddData(Qso("W1AW", "160m", "cw", "JO21", "FN20", At(21, 8)));
  QsoInput odd = Qso("VERYLONGCALL/MM", "160m", "CW", "JO21QK", "JO22");
  odd.frequencyHz = 123456789;
  odd.time.status = DateTime::kInvalid;
  plugin.AddData(odd);
  QsoInput null = Qso("OK1XYZ");
  null.frequencyHz = 999;
  null.time.status = DateTime::kNull;
  plugin.AddData(null);
  plugin.AddData(Qso("OK1AB", "80m"));  // rejected: not in the log
  plugin.GetResult();
  EXPECT_EQ(ReadFile("PA3ABC.cbr"),
            Header(15, "") +
                "QSO:  1830 CW 2008-12-27 2105 PA3ABC        599 JO21   DL1ABC        599 JO22\r\n"
                "QSO:  1830 CW 2008-12-27 2106 PA3ABC        599 JO21   DL1ABC        599 JO22\r\n"
                "QSO:  1830 CW 2008-12-27 2107 PA3ABC        599 JO21                 599 JO22\r\n"
                "QSO:  1830 ?? 2008-12-27 2108 PA3ABC        599 JO21   W1AW          599 FN20\r\n"
                "QSO: 123456 CW Invalid DateTime PA3ABC        599 JO21QK  VERYLONGCALL/MM  599 JO22\r\n"
                "QSO:     0 CW  PA3ABC        599 JO21   OK1XYZ        599 JO22\r\n"
                "END-OF-LOG:\r\n");
}

TEST_F(CabrilloWriterTest, RepeatedScoreRequestsWriteEachRecordOnce) {
  StartExport();
  plugin.AddData(Qso("DL1ABC"));
  plugin.GetResult();
  const std::string first = ReadFile("PA3ABC.cbr");
  plugin.GetResult();
  EXPECT_EQ(ReadFile("PA3ABC.cbr"), first);
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(CabrilloWriterTest, TheCallsignOfTheDialogSignsTheLinesButNotTheFileName) {
  platform.operatorScript = [](Cabrillo& d) {
    d.Callsign = "PA3ABC/P";
    d.SoapBox = "First\r\nSecond";
    d.Category_Overlay = "6-HOURS";
    return true;
  };
  StartExport(" PA/PA3ABC ");
  plugin.AddData(Qso("DL1ABC"));
  plugin.GetResult();
  const std::string log = ReadFile("PA_PA3ABC.cbr");
  EXPECT_NE(log.find("CALLSIGN: PA3ABC/P\r\n"), std::string::npos);
  EXPECT_NE(log.find("SOAPBOX: First\r\nSOAPBOX: Second\r\nQSO:  1830 CW 2008-12-27 2100 PA3ABC/P      599"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("OVERLAY"), std::string::npos);
  EXPECT_EQ(platform.messages[0].text, "File produced: PA_PA3ABC.cbr");
}

TEST_F(CabrilloWriterTest, TheHostVersionComesFromTheFirstVexaExecutable) {
  const struct {
    std::vector<std::string> executables;
    FileVersion version;
    const char* text;
  } cases[] = {
      {{"Other.exe", "Vexa.exe"}, {2, 19, 0, 0}, "2.19"},
      {{"Vexa.exe"}, {3, 1, 5, 7}, "3.1.5"},
      {{"MyVexa2.exe", "Vexa.exe"}, {10, 0, 3, 1}, "10.0.3"},
      {{"vexa.exe"}, {2, 19, 0, 0}, ""},  // the match is case-sensitive
      {{}, {2, 19, 0, 0}, ""},
  };
  for (const auto& c : cases) {
    platform.executables = c.executables;
    platform.versions.clear();
    for (const std::string& exe : c.executables) platform.versions[exe] = c.version;
    StartExport();
    plugin.GetResult();
    EXPECT_NE(ReadFile("PA3ABC.cbr").find(std::string("CREATED-BY: Vexa ") + c.text + "\r\nSOAPBOX"),
              std::string::npos)
        << c.text;
  }
  // A Vexa executable without a version resource gives no version.
  platform.executables = {"Vexa.exe"};
  platform.versions.clear();
  StartExport();
  plugin.GetResult();
  EXPECT_NE(ReadFile("PA3ABC.cbr").find("CREATED-BY: Vexa \r\n"), std::string::npos);
}

TEST_F(CabrilloWriterTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
  WriteFile("PA3ABC.cbr", "the previous log\r\n");
  StartExport();
  platform.failReplace = true;
  plugin.GetResult();
  EXPECT_EQ(ReadFile("PA3ABC.cbr"), "the previous log\r\n");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "File not produced: PA3ABC.cbr");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::kWarning);

  // A successful write replaces the old content completely.
  platform.failReplace = false;
  plugin.GetResult();
  EXPECT_EQ(ReadFile("PA3ABC.cbr"), Header(0, "") + "END-OF-LOG:\r\n");
}

TEST_F(CabrilloWriterTest, ALogNameThatCannotBeWrittenIsNotProduced) {
  std::filesystem::create_directory("PA3ABC.cbr");
  StartExport();
  plugin.GetResult();
  EXPECT_EQ(platform.messages[0].text, "File not produced: PA3ABC.cbr");
  EXPECT_TRUE(std::filesystem::is_directory("PA3ABC.cbr"));
}

TEST_F(CabrilloWriterTest, ACancelledHeaderMeansNoExport) {
  platform.operatorScript = nullptr;
  StartExport();
  plugin.AddData(Qso("DL1ABC"));
  EXPECT_NE(std::string(plugin.GetResult()).find("Hourly"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("PA3ABC.cbr"));
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace sptdc
