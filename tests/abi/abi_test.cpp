// The plug-in as a host sees it: loaded from its file, called through the
// plain export names with full parameter lists, in a temporary working folder.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "support/host_calls.h"
#include "support/plugin_library.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include "support/window_watcher.h"
#else
#include "support/pty_session.h"
#endif

namespace sptdc::testing {
namespace {

class AbiTest : public ::testing::Test {
 protected:
  TempDir dir;
  PluginLibrary lib;
};

TEST_F(AbiTest, IdentityAnswers) {
  EXPECT_EQ(lib.GetNumberOfSets(), 1);
  EXPECT_EQ(lib.GetExchgCount0(Junk(), Junk(), Junk()), 1);
  EXPECT_EQ(lib.GetExchgCount0(nullptr, nullptr, nullptr), 1);
  EXPECT_STREQ(lib.GetSetName(0), "SPDTC (C)");
  EXPECT_STREQ(lib.GetSetName(1), "");
  EXPECT_STREQ(lib.GetSetName(-1), "");
  EXPECT_STREQ(lib.GetSetName(INT32_MIN), "");
}

TEST_F(AbiTest, FirstResultAfterLoadIsAnEmptyRun) {
  int32_t code = 0;
  const std::string text = lib.GetResult0(&code);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(text, "SPTDC TEST Contest \r\n\tContestant:  \r\nBand\tQSOs\tPoints\r\nTotal\t 0\t  0\r\n");
  // A null result pointer is not written through.
  EXPECT_EQ(lib.GetResult0(nullptr), text);
}

TEST_F(AbiTest, QsosBeforeTheFirstRunAreStoredAndTheirLinesLost) {
  HostQso qso;
  EXPECT_EQ(Add(lib, qso), 1);
  EXPECT_EQ(Add(lib, qso), 1);  // a dupe, with nowhere to write its line
  qso.band = "80m";
  EXPECT_EQ(Add(lib, qso), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  const std::string text = Result(lib);
  EXPECT_NE(text.find("160m\t 1\t  1\r\n80m\t 0\t  0\r\nTotal\t 1\t  1\r\n"), std::string::npos) << text;
}

TEST_F(AbiTest, AContestRun) {
  const SptdcDateTime runTime = Night(20, 0);
  EXPECT_EQ(Reset(lib, 0, "PA3ABC", runTime), 1);
  EXPECT_EQ(ReadFile("StatsSPTDC_27_12_2008.txt"), kReportHeader);

  HostQso w1aw;
  w1aw.call = "W1AW";
  w1aw.receivedExchange = "FN20";
  w1aw.time = Night(20, 55);
  EXPECT_EQ(Add(lib, w1aw), 1);
  HostQso dl;
  EXPECT_EQ(Add(lib, dl), 1);
  EXPECT_EQ(Add(lib, dl), 1);  // dupe
  HostQso ssb;
  ssb.call = "G3XYZ";
  ssb.mode = "SSB";
  EXPECT_EQ(Add(lib, ssb), 0);

  char buffer1[16] = "host buffer 1";
  char buffer2[16] = "host buffer 2";
  EXPECT_EQ(Check(lib, "DL1ABC", "CW", "160m", nullptr, buffer1, buffer2), 0);
  EXPECT_EQ(Check(lib, "OK1XYZ", "CW", "160m", "160M", buffer1, buffer2), 1);
  EXPECT_EQ(Check(lib, "OK1XYZ", "CW", "160m", "80m", buffer1, buffer2), 4);
  EXPECT_EQ(Check(lib, "DL1ABC", "cw", "160M", nullptr, buffer1, buffer2), 1);
  EXPECT_EQ(Check(lib, "DL1ABC", nullptr, "160m", nullptr, buffer1, buffer2), 4);
  EXPECT_EQ(Check(lib, "DL1ABC", "CW", nullptr, nullptr, buffer1, buffer2), 4);
  EXPECT_STREQ(buffer1, "host buffer 1");
  EXPECT_STREQ(buffer2, "host buffer 2");

  EXPECT_EQ(ValidExchange(lib, "jo21", 0), 1);
  EXPECT_EQ(ValidExchange(lib, "JO21", 1), 0);
  EXPECT_EQ(ValidExchange(lib, "JO21QK", 0), 0);
  EXPECT_EQ(ValidExchange(lib, nullptr, 0), 0);

  EXPECT_EQ(Result(lib),
            "SPTDC TEST Contest 27.12.2008\r\n\tContestant: PA3ABC \r\nBand\tQSOs\tPoints\r\n"
            "160m\t 2\t  13\r\nTotal\t 2\t  13\r\n"
            "\r\nHourly (10min) QSO rate:     2 (12) QSOs/hour\r\n"
            "Hourly (10min) pts rate:    13 (78) points/hour\r\n\r\nLast QSO: 0 points");
  EXPECT_EQ(
      ReadFile("StatsSPTDC_27_12_2008.txt"),
      std::string(kReportHeader) +
          "QSO:  1830  CW  2008-12-27 2100  PA3ABC  599  JO21  DL1ABC  579  JO22   DUPE !!!\r\n"
          "QSO:  1830  SSB  2008-12-27 2100  PA3ABC  599  JO21  G3XYZ  579  JO22   NO CONTEST MODE !!!\r\n");

  // Removing the first DL1ABC leaves the dupe, which still earns nothing.
  EXPECT_EQ(Remove(lib, "DL1ABC", "160m"), 1);
  EXPECT_EQ(Remove(lib, "dl1abc", "160m"), 1);
  EXPECT_EQ(Check(lib, "DL1ABC", "CW", "160m", nullptr, buffer1, buffer2), 0);
  EXPECT_NE(Result(lib).find("160m\t 1\t  12\r\n"), std::string::npos);
}

TEST_F(AbiTest, NullTextsCountAsEmpty) {
  Reset(lib, 0, nullptr, Night(20, 0));
  HostQso q;
  q.myCall = q.call = q.mode = q.sentRst = q.receivedRst = q.sentExchange = nullptr;
  q.receivedExchange = q.band = nullptr;
  EXPECT_EQ(Add(lib, q), 0);
  EXPECT_EQ(ReadFile("StatsSPTDC_27_12_2008.txt"),
            std::string(kReportHeader) +
                "QSO:  1830    2008-12-27 2100               INCORRECT RECIEVED LOCATOR !!!\r\n");
  HostQso noCall;
  noCall.call = nullptr;
  EXPECT_EQ(Add(lib, noCall), 1);
  EXPECT_EQ(Check(lib, nullptr, "CW", "160m", nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(Remove(lib, nullptr, "160m"), 1);
  EXPECT_EQ(Check(lib, "", "CW", "160m", nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(Remove(lib, nullptr, nullptr), 1);
  EXPECT_NE(Result(lib).find("\tContestant:  \r\n"), std::string::npos);
}

#ifdef _WIN32

TEST_F(AbiTest, SetupShowsItsMessageBox) {
  for (int round = 0; round < 2; ++round) {
    MessageBoxSeen seen;
    DialogWatcher watcher("Error", [&seen](HWND box) { seen = ReadMessageBoxAndPressOk(box); });
    lib.SetupSet0();
    watcher.Join();
    ASSERT_TRUE(watcher.Found()) << "no message box appeared";
    EXPECT_EQ(seen.text, "No additional setup for this plugin");
    EXPECT_FALSE(seen.hasIcon);
  }
  EXPECT_EQ(lib.GetNumberOfSets(), 1);
}

#else

TEST_F(AbiTest, SetupWaitsForEnterAtTheTerminal) {
  PtySession terminal([this] {
    lib.SetupSet0();
    return 0;
  });
  ASSERT_TRUE(terminal.ReadUntil("Press Enter")) << terminal.Output();
  EXPECT_NE(terminal.Output().find("No additional setup for this plugin"), std::string::npos);
  EXPECT_TRUE(terminal.Running());  // still waiting for the operator
  terminal.TypeLine("");
  EXPECT_EQ(terminal.Wait(), 0);
}

TEST_F(AbiTest, WithoutATerminalTheHeaderIsNotConfirmed) {
  int status = -2;
  RunWithoutTerminal(
      [this] {
        Reset(lib, 1, "PA3ABC", Night(20, 0));
        Add(lib, HostQso());
        // No export: the rates are shown and no log file is written.
        const std::string text = Result(lib);
        return text.find("Hourly") != std::string::npos && !std::filesystem::exists("PA3ABC.cbr") &&
                       ReadFile("StatsSPTDC_27_12_2008.txt") == kReportHeader
                   ? 0
                   : 1;
      },
      status);
  EXPECT_EQ(status, 0);
  EXPECT_FALSE(std::filesystem::exists("Plugins"));
}

TEST_F(AbiTest, SetupWithoutATerminalWritesToStandardError) {
  int status = -2;
  const std::string written = RunWithoutTerminal(
      [this] {
        lib.SetupSet0();
        lib.SetupSet0();
        return 0;
      },
      status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(written, "No additional setup for this plugin\nNo additional setup for this plugin\n");
}

#endif

}  // namespace
}  // namespace sptdc::testing
