// An export run end to end through the exported entry points: the header
// dialog as the operator sees it (the terminal form on Linux, the real
// dialog window under Windows), the settings file and the Cabrillo log
// byte for byte, and the box that names the log.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/host_calls.h"
#include "support/plugin_library.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include "cabrillo/header_dialog_ids.h"
#include "support/window_watcher.h"
#else
#include "support/pty_session.h"
#endif

namespace sptdc::testing {
namespace {

// The settings the operator's answers below leave, as Windows writes them.
const char kSettings[] =
    "[Settings]\r\n"
    "Operators=PA3ABC/P\r\n"
    "Name=Jan Jansen\r\n"
    "Address=\r\n"
    "Address_City=\r\n"
    "Address_St_Prov=\r\n"
    "Address_PostalCode=\r\n"
    "Address_Country=\r\n"
    "Category=SINGLE-OP\r\n"
    "Category_Overlay=NONE\r\n"
    "Contest=SPTC\r\n"
    "Email=\r\n"
    "Club=Topband Club\r\n"
    "SoapBox=Inverted L<CR><LF>73\r\n";

const char kLog[] =
    "START-OF-LOG: 3.0\r\n"
    "LOCATION: AL\r\n"
    "CALLSIGN: PA3ABC/P\r\n"
    "CLUB: Topband Club\r\n"
    "CONTEST: SPTDC\r\n"
    "CATEGORY-OPERATOR: SINGLE-OP\r\n"
    "CATEGORY-ASSISTED: NON-ASSISTED\r\n"
    "CATEGORY-BAND: 160M\r\n"
    "CATEGORY-MODE: CW\r\n"
    "CATEGORY-POWER: LOW\r\n"
    "CATEGORY-STATION: FIXED\r\n"
    "CATEGORY-TRANSMITTER: ONE\r\n"
    "CLAIMED-SCORE: 13\r\n"
    "OPERATORS: PA3ABC/P\r\n"
    "NAME: Jan Jansen\r\n"
    "ADDRESS: \r\n"
    "ADDRESS-CITY: \r\n"
    "ADDRESS-STATE-PROVINCE: \r\n"
    "ADDRESS-POSTALCODE: \r\n"
    "ADDRESS-COUNTRY: \r\n"
    "EMAIL: \r\n"
    "CREATED-BY: Vexa \r\n"
    "SOAPBOX: Inverted L\r\n"
    "SOAPBOX: 73\r\n"
    "QSO:  1830 CW 2008-12-27 2055 PA3ABC/P      599 JO21   W1AW          599 FN20\r\n"
    "QSO:  1830 CW 2008-12-27 2100 PA3ABC/P      599 JO21   DL1ABC        599 JO22\r\n"
    "END-OF-LOG:\r\n";

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directory("Plugins"); }

  // An export run: the header, two QSOs (12 and 1 points) and the score.
  // Returns the score text.
  std::string ExportRun() {
    Reset(lib, 1, "PA3ABC/P", Night(20, 0));
    HostQso w1aw;
    w1aw.call = "W1AW";
    w1aw.receivedExchange = "FN20";
    w1aw.time = Night(20, 55);
    Add(lib, w1aw);
    Add(lib, HostQso());
    return Result(lib);
  }

  TempDir dir;
  PluginLibrary lib;
};

#ifndef _WIN32

// Waits for the prompt of a field and types the answer.
void Answer(PtySession& terminal, const std::string& label, const std::string& answer) {
  ASSERT_TRUE(terminal.ReadUntil(label + " [")) << label << "\n" << terminal.Output();
  ASSERT_TRUE(terminal.ReadUntil("]: ")) << label;
  terminal.TypeLine(answer);
}

// Keeps the value of every field before the one with this label.
void KeepUntil(PtySession& terminal, const std::string& label) {
  const char* const labels[] = {"CONTEST",
                                "CALLSIGN",
                                "CLAIMED",
                                "CATEGORY-OPERATOR",
                                "LOCATION",
                                "CATEGORY-BAND",
                                "CATEGORY-ASSISTED",
                                "CATEGORY-MODE",
                                "CATEGORY-OVERLAY",
                                "CATEGORY-POWER",
                                "CATEGORY-STATION",
                                "CATEGORY-TRANSMITTER",
                                "NAME"};
  for (const char* before : labels) {
    if (label == before) return;
    Answer(terminal, before, "");
  }
}

TEST_F(ExportTest, ConfirmedOnTheTerminal) {
  PtySession terminal([this] { return ExportRun().find("Hourly") == std::string::npos ? 0 : 1; });
  Answer(terminal, "CONTEST", "");
  Answer(terminal, "CALLSIGN", "");
  Answer(terminal, "CLAIMED", "99999");
  Answer(terminal, "CATEGORY-OPERATOR", "");
  Answer(terminal, "LOCATION", "3");  // DX, --/--, then AL
  Answer(terminal, "CATEGORY-BAND", "");
  Answer(terminal, "CATEGORY-ASSISTED", "");
  Answer(terminal, "CATEGORY-MODE", "");
  Answer(terminal, "CATEGORY-OVERLAY", "");
  Answer(terminal, "CATEGORY-POWER", "2");  // HIGH, LOW, QRP
  Answer(terminal, "CATEGORY-STATION", "");
  Answer(terminal, "CATEGORY-TRANSMITTER", "");
  Answer(terminal, "NAME", "Jan Jansen");
  for (const char* label : {"ADDRESS", "ADDRESS-CITY", "ADDRESS-STATE-PROVINCE", "ADDRESS-POSTALCODE",
                            "ADDRESS-COUNTRY", "OPERATORS"})
    Answer(terminal, label, "");
  Answer(terminal, "CLUB", "Topband Club");
  Answer(terminal, "SOAPBOX", "Inverted L");
  terminal.TypeLine("73");
  terminal.TypeLine(".");
  Answer(terminal, "E-MAIL", "");
  ASSERT_TRUE(terminal.ReadUntil("OK or CANCEL"));
  terminal.TypeLine("ok");
  ASSERT_TRUE(terminal.ReadUntil("Press Enter")) << terminal.Output();
  EXPECT_NE(terminal.Output().find("[Output] File produced: PA3ABC_P.cbr"), std::string::npos)
      << terminal.Output();
  terminal.TypeLine("");
  EXPECT_EQ(terminal.Wait(), 0);
  EXPECT_EQ(ReadFile("Plugins/SPTDC.ini"), kSettings);
  EXPECT_EQ(ReadFile("PA3ABC_P.cbr"), kLog);
}

TEST_F(ExportTest, CancelledOnTheTerminalChangesNoFile) {
  WriteFile("Plugins/SPTDC.ini", kSettings);
  PtySession terminal([this] { return ExportRun().find("Hourly") != std::string::npos ? 0 : 1; });
  // The form opens with the saved answers.
  KeepUntil(terminal, "NAME");
  ASSERT_TRUE(terminal.ReadUntil("NAME [Jan Jansen]: ")) << terminal.Output();
  terminal.TypeLine("Somebody Else");
  for (const char* label : {"ADDRESS", "ADDRESS-CITY", "ADDRESS-STATE-PROVINCE", "ADDRESS-POSTALCODE",
                            "ADDRESS-COUNTRY", "OPERATORS", "CLUB"})
    Answer(terminal, label, "");
  ASSERT_TRUE(terminal.ReadUntil("SOAPBOX [Inverted L")) << terminal.Output();
  ASSERT_TRUE(terminal.ReadUntil("73]"));
  terminal.TypeLine("");
  Answer(terminal, "E-MAIL", "");
  ASSERT_TRUE(terminal.ReadUntil("OK or CANCEL"));
  terminal.TypeLine("nonsense");  // told what is expected, and asked again
  ASSERT_TRUE(
      terminal.ReadUntil("Please answer OK to confirm the header above, or CANCEL.\r\nOK or CANCEL [OK]: "))
      << terminal.Output();
  terminal.TypeLine("CANCEL");
  EXPECT_EQ(terminal.Wait(), 0);
  EXPECT_EQ(ReadFile("Plugins/SPTDC.ini"), kSettings);
  EXPECT_FALSE(std::filesystem::exists("PA3ABC_P.cbr"));
  EXPECT_EQ(ReadFile("StatsSPTDC_27_12_2008.txt"), kReportHeader);
}

TEST_F(ExportTest, EndOfInputCancels) {
  PtySession terminal([this] { return ExportRun().find("Hourly") != std::string::npos ? 0 : 1; });
  KeepUntil(terminal, "CALLSIGN");
  ASSERT_TRUE(terminal.ReadUntil("CALLSIGN ["));
  terminal.TypeEndOfInput();
  EXPECT_EQ(terminal.Wait(), 0);
  EXPECT_FALSE(std::filesystem::exists("Plugins/SPTDC.ini"));
}

#else

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// Plays the operator in the header dialog; the result is what it saw.
struct DialogSeen {
  std::string callsign, operators, overlay, power, location, name;
};

TEST_F(ExportTest, ConfirmedInTheDialog) {
  DialogSeen seen;
  DialogWatcher header(HEADER_DIALOG_TITLE, [&seen](HWND d) {
    seen = {ControlText(d, IDC_CALLSIGN),         ControlText(d, IDC_OPERATORS),
            ControlText(d, IDC_CATEGORY_OVERLAY), ControlText(d, IDC_CATEGORY_POWER),
            ControlText(d, IDC_LOCATION),         ControlText(d, IDC_NAME)};
    SetDlgItemTextA(d, IDC_NAME, "Jan Jansen");
    SetDlgItemTextA(d, IDC_CLUB, "Topband Club");
    SetDlgItemTextA(d, IDC_CLAIMED, "99999");
    SetDlgItemTextA(d, IDC_SOAPBOX, "Inverted L\r\n73");
    SendDlgItemMessageA(d, IDC_LOCATION, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>("AL"));
    SendDlgItemMessageA(d, IDC_CATEGORY_POWER, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>("LOW"));
    PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
  });
  MessageBoxSeen output;
  DialogWatcher box("Output", [&output](HWND b) { output = ReadMessageBoxAndPressOk(b); });
  const std::string text = ExportRun();
  header.Join();
  box.Join();
  ASSERT_TRUE(header.Found());
  ASSERT_TRUE(box.Found());
  EXPECT_EQ(seen.callsign, "PA3ABC/P");
  EXPECT_EQ(seen.operators, "PA3ABC/P");
  EXPECT_EQ(seen.overlay, "NONE");
  EXPECT_EQ(seen.power, "HIGH");
  EXPECT_EQ(seen.location, "");
  EXPECT_EQ(seen.name, "");
  EXPECT_EQ(output.text, "File produced: PA3ABC_P.cbr");
  EXPECT_TRUE(output.hasIcon);
  EXPECT_EQ(text.find("Hourly"), std::string::npos);
  EXPECT_EQ(ReadFile("Plugins\\SPTDC.ini"), kSettings);
  EXPECT_EQ(ReadFile("PA3ABC_P.cbr"), kLog);
}

// The host's version comes from the Vexa executable of the current folder,
// not from one of the same name beside the host's own executable, which is
// where a bare file name would be looked up first.
TEST_F(ExportTest, TheHostVersionIsThatOfTheCurrentFolder) {
  char module[MAX_PATH];
  ASSERT_GT(GetModuleFileNameA(nullptr, module, MAX_PATH), 0u);
  const std::filesystem::path besideHost = std::filesystem::path(module).parent_path() / "Vexa.exe";
  ASSERT_FALSE(std::filesystem::exists(besideHost));
  std::filesystem::copy_file(SPTDC_HOST_VERSION_9_8, besideHost);
  std::filesystem::copy_file(SPTDC_HOST_VERSION_2_19, "Vexa.exe");
  DialogWatcher header(HEADER_DIALOG_TITLE, [](HWND d) {
    PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
  });
  DialogWatcher box("Output", [](HWND b) { ReadMessageBoxAndPressOk(b); });
  ExportRun();
  header.Join();
  box.Join();
  std::filesystem::remove(besideHost);
  EXPECT_NE(ReadFile("PA3ABC_P.cbr").find("\r\nCREATED-BY: Vexa 2.19\r\n"), std::string::npos);
}

TEST_F(ExportTest, ClosedDialogChangesNoFile) {
  WriteFile("Plugins\\SPTDC.ini", kSettings);
  std::string name;
  DialogWatcher header(HEADER_DIALOG_TITLE, [&name](HWND d) {
    name = ControlText(d, IDC_NAME);
    SetDlgItemTextA(d, IDC_NAME, "Somebody Else");
    PostMessageA(d, WM_CLOSE, 0, 0);
  });
  const std::string text = ExportRun();
  header.Join();
  ASSERT_TRUE(header.Found());
  EXPECT_EQ(name, "Jan Jansen");
  EXPECT_NE(text.find("Hourly"), std::string::npos);
  EXPECT_EQ(ReadFile("Plugins\\SPTDC.ini"), kSettings);
  EXPECT_FALSE(std::filesystem::exists("PA3ABC_P.cbr"));
}

#endif

}  // namespace
}  // namespace sptdc::testing
