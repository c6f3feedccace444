// Hostile inputs through the exported entry points, as one table of cases:
// texts that are null, huge, high bytes, control bytes or printf directives
// in every text position; date-times that are NaN, infinite, huge, negative
// or in the invalid and null states in every date-time position; extreme
// frequencies; and a working folder whose report name is a folder, that is
// read-only, that holds a damaged settings file or host executable, a
// write-protected Cabrillo file, or files with temporary names.
//
// Each case runs on a freshly loaded plug-in in a temporary working folder
// and checks the documented results. On POSIX systems it runs in a child
// process, so a crash or a hang fails that case alone: without a controlling
// terminal, or, for the export runs, on a pseudo-terminal where an operator
// confirms the header form and the closing message by pressing Enter. On
// Windows the export runs are confirmed in the real dialog and message box
// from a watcher thread. The folder is compared before and after: only the
// files that the case names may appear or change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "support/host_calls.h"
#include "support/plugin_library.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include "cabrillo/header_dialog_ids.h"
#include "support/window_watcher.h"
#else
#include <unistd.h>

#include "support/pty_session.h"
#endif

namespace sptdc::testing {
namespace {

namespace fs = std::filesystem;

const char kReport[] = "StatsSPTDC_27_12_2008.txt";

std::string Str(const char* text) { return text ? text : ""; }

// A rejection line as the report holds it: the fields, two spaces apart,
// the received locator followed directly by the message.
std::string ReportLine(const HostQso& q, const std::string& time, const char* message) {
  return "QSO:  " + std::to_string(q.frequencyHz / 1000) + "  " + Str(q.mode) + "  " + time + "  " +
         Str(q.myCall) + "  " + Str(q.sentRst) + "  " + Str(q.sentExchange) + "  " + Str(q.call) + "  " +
         Str(q.receivedRst) + "  " + Str(q.receivedExchange) + message + "\r\n";
}

std::string RateLine(int qsos) {
  std::string count = std::to_string(qsos);
  count.insert(0, count.size() < 5 ? 5 - count.size() : 0, ' ');
  return "Hourly (10min) QSO rate: " + count + " (" + std::to_string(qsos * 6) + ") QSOs/hour";
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Every file and folder below the working folder with its content.
std::map<std::string, std::string> Snapshot() {
  std::map<std::string, std::string> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".")) {
    const std::string name = entry.path().lexically_relative(".").generic_string();
    entries[name] = entry.is_directory() ? "(folder)" : ReadFile(entry.path());
  }
  return entries;
}

// The names of the entries that differ between two snapshots.
std::vector<std::string> ChangedFiles(const std::map<std::string, std::string>& before,
                                      const std::map<std::string, std::string>& after) {
  std::vector<std::string> changed;
  for (const auto& [name, content] : before) {
    auto found = after.find(name);
    if (found == after.end() || found->second != content) changed.push_back(name);
  }
  for (const auto& entry : after) {
    if (!before.count(entry.first)) changed.push_back(entry.first);
  }
  return changed;
}

// The same text in every text position, the role positions one at a time
// (a QSO that counts otherwise) and then all at once.
void TextEverywhere(PluginLibrary& lib, const char* text) {
  const bool empty = Str(text).empty();
  const std::string time = "2008-12-27 2100";
  EXPECT_EQ(Reset(lib, 0, text, Night(20, 0), text), 1);

  std::string expectedReport = kReportHeader;
  auto add = [&](const HostQso& q, int stored, const char* message) {
    EXPECT_EQ(Add(lib, q, text), stored) << (message ? message : "stored");
    if (message) expectedReport += ReportLine(q, time, message);
  };
  struct Role {
    const char* HostQso::*field;
    const char* call;  // unless the text takes its place
    int stored;
    const char* message;
  };
  const Role roles[] = {
      {&HostQso::myCall, "K1A", 1, nullptr},
      {&HostQso::call, "K1B", 1, nullptr},
      {&HostQso::mode, "K1C", 0, "   NO CONTEST MODE !!!"},
      {&HostQso::sentRst, "K1D", 1, nullptr},
      {&HostQso::receivedRst, "K1E", 1, nullptr},
      {&HostQso::sentExchange, "K1F", empty ? 0 : 1,
       empty ? "   Not full control number recieved !!!" : nullptr},
      {&HostQso::receivedExchange, "K1G", 0, "   INCORRECT RECIEVED LOCATOR !!!"},
      {&HostQso::band, "K1H", 0, "   NO CONTEST BAND !!!"},
  };
  HostQso everywhere;
  for (const Role& role : roles) {
    HostQso q;
    q.call = role.call;
    q.*role.field = text;
    add(q, role.stored, role.message);
    everywhere.*role.field = text;
  }
  add(everywhere, 0, "   INCORRECT RECIEVED LOCATOR !!!");
  HostQso repeat;
  repeat.call = text;
  add(repeat, 1, "   DUPE !!!");

  char buffer1[] = "host 1", buffer2[] = "host 2";
  EXPECT_EQ(Check(lib, text, "CW", "160m", nullptr, buffer1, buffer2, text), 0);
  EXPECT_EQ(Check(lib, "K1Z", "CW", "160m", text, buffer1, buffer2, text), text ? 4 : 1);
  EXPECT_EQ(Check(lib, "K1Z", text, "160m", nullptr, buffer1, buffer2, text), 4);
  EXPECT_EQ(Check(lib, "K1Z", "CW", text, nullptr, buffer1, buffer2, text), 4);
  EXPECT_STREQ(buffer1, "host 1");
  EXPECT_STREQ(buffer2, "host 2");
  EXPECT_EQ(ValidExchange(lib, text, 0, text), 0);
  EXPECT_EQ(lib.GetExchgCount0(text, text, text), 1);

  // Counted: K1A, K1D, K1E and, when the text is not empty, the QSO with it
  // as the call and K1F; each 1 point. The dupe comes last: 0 points.
  const int counted = empty ? 3 : 5;
  const std::string total = std::to_string(counted);
  const std::string result = Result(lib);
  EXPECT_TRUE(Contains(result, "\tContestant: " + Str(text) + " \r\n"));
  EXPECT_TRUE(Contains(result, "160m\t " + total + "\t  " + total + "\r\n"));
  EXPECT_TRUE(Contains(result, "\r\n" + Str(text) + "\t 0\t  0\r\n"));
  EXPECT_TRUE(Contains(result, "Total\t " + total + "\t  " + total + "\r\n"));
  EXPECT_TRUE(Contains(result, RateLine(counted)));
  EXPECT_TRUE(Contains(result, "Last QSO: 0 points"));
  EXPECT_TRUE(ReadFile(kReport) == expectedReport) << "the report differs";

  // Two records have the text as their call: each removal takes one.
  EXPECT_EQ(Remove(lib, text, "160m", text), 1);
  EXPECT_EQ(Check(lib, text, "CW", "160m", nullptr, buffer1, buffer2), 0);
  EXPECT_EQ(Remove(lib, text, "160m", text), 1);
  EXPECT_EQ(Check(lib, text, "CW", "160m", nullptr, buffer1, buffer2), 1);
}

// One date-time in every date-time position. The log: K1B at 21:00, then
// K1A and its dupe at the hostile time, which is therefore the reference of
// the rates; the case names how many of the two counted QSOs fall into the
// last 60 minutes (and, here alike, the last 10).
struct TimeCase {
  SptdcDateTime time;
  const char* qsoTime;     // as "%Y-%m-%d %H%M"
  const char* runDate;     // as "%d.%m.%Y"
  const char* reportDate;  // as "%d_%m_%Y"
  int recentQsos;
};

void TimeEverywhere(PluginLibrary& lib, const TimeCase& c) {
  const std::string report = std::string("StatsSPTDC_") + c.reportDate + ".txt";
  EXPECT_EQ(Reset(lib, 0, "PA3ABC", c.time, Junk(), &c.time), 1);
  EXPECT_EQ(ReadFile(report), kReportHeader);
  HostQso k1b;
  k1b.call = "K1B";
  EXPECT_EQ(Add(lib, k1b, Junk(), &c.time), 1);
  HostQso k1a;
  k1a.call = "K1A";
  k1a.time = c.time;
  EXPECT_EQ(Add(lib, k1a, Junk(), &c.time), 1);
  EXPECT_EQ(Add(lib, k1a, Junk(), &c.time), 1);
  HostQso eighty = k1a;
  eighty.band = "80m";
  EXPECT_EQ(Add(lib, eighty, Junk(), &c.time), 0);
  EXPECT_EQ(Remove(lib, "K1Z", "160m", Junk(), &c.time), 1);

  const std::string result = Result(lib);
  EXPECT_TRUE(Contains(result, std::string("SPTDC TEST Contest ") + c.runDate + "\r\n"));
  EXPECT_TRUE(Contains(result, "Total\t 2\t  2\r\n"));
  EXPECT_TRUE(Contains(result, RateLine(c.recentQsos))) << result;
  EXPECT_EQ(ReadFile(report), kReportHeader + ReportLine(k1a, c.qsoTime, "   DUPE !!!") +
                                  ReportLine(eighty, c.qsoTime, "   NO CONTEST BAND !!!"));
}

void FrequencyEverywhere(PluginLibrary& lib, uint32_t frequencyHz) {
  Reset(lib, 0, "PA3ABC", Night(20, 0));
  HostQso q;
  q.frequencyHz = frequencyHz;
  EXPECT_EQ(Add(lib, q), 1);
  EXPECT_EQ(Add(lib, q), 1);
  HostQso eighty = q;
  eighty.band = "80m";
  EXPECT_EQ(Add(lib, eighty), 0);
  EXPECT_TRUE(Contains(Result(lib), "Total\t 1\t  1\r\n"));
  const std::string time = "2008-12-27 2100";
  EXPECT_EQ(ReadFile(kReport), kReportHeader + ReportLine(q, time, "   DUPE !!!") +
                                   ReportLine(eighty, time, "   NO CONTEST BAND !!!"));
}

// A run whose report cannot be written: the verdicts and the score are
// those of a run that can.
void RunWithoutReport(PluginLibrary& lib) {
  EXPECT_EQ(Reset(lib, 0, "PA3ABC", Night(20, 0)), 1);
  HostQso q;
  EXPECT_EQ(Add(lib, q), 1);
  EXPECT_EQ(Add(lib, q), 1);
  q.band = "80m";
  EXPECT_EQ(Add(lib, q), 0);
  EXPECT_TRUE(Contains(Result(lib), "160m\t 1\t  1\r\n80m\t 0\t  0\r\nTotal\t 1\t  1\r\n"));
}

// An export run whose header the operator confirms unchanged: the score has
// no rates, and the Cabrillo file is complete; a damaged host executable
// only leaves the version out.
void ExportRun(PluginLibrary& lib) {
  EXPECT_EQ(Reset(lib, 1, "PA3ABC", Night(20, 0)), 1);
  EXPECT_EQ(Add(lib, HostQso()), 1);
  const std::string result = Result(lib);
  EXPECT_TRUE(Contains(result, "Total\t 1\t  1\r\n"));
  EXPECT_FALSE(Contains(result, "Hourly")) << result;
  EXPECT_EQ(ReadFile(kReport), kReportHeader);
  const std::string log = ReadFile("PA3ABC.cbr");
  EXPECT_EQ(log.rfind("START-OF-LOG: 3.0\r\n", 0), 0u) << log;
  EXPECT_TRUE(Contains(log, "CALLSIGN: PA3ABC\r\n"));
  EXPECT_TRUE(Contains(log, "CREATED-BY: Vexa \r\n"));
  EXPECT_TRUE(Contains(log, "PA3ABC        599 JO21   DL1ABC        599 JO22\r\nEND-OF-LOG:\r\n"));
}

// An export run in a folder whose settings file is damaged: the answers are
// saved all the same, beside what the file held.
void ExportRunWithSettings(PluginLibrary& lib) {
  ExportRun(lib);
  const std::string settings = ReadFile("Plugins/SPTDC.ini");
  EXPECT_TRUE(Contains(settings, "Operators=PA3ABC\r\n"));
  EXPECT_TRUE(Contains(settings, "Contest=SPTC\r\n"));
}

#ifdef _WIN32
// Runs an export case, pressing OK in the header dialog and in the message
// box that names the file; returns the box's text.
std::string RunConfirmed(const std::function<void(PluginLibrary&)>& run, PluginLibrary& lib) {
  DialogWatcher header(HEADER_DIALOG_TITLE, [](HWND d) {
    PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
  });
  std::string text;
  DialogWatcher box("Output", [&text](HWND b) { text = ReadMessageBoxAndPressOk(b).text; });
  run(lib);
  header.Join();
  box.Join();
  EXPECT_TRUE(header.Found());
  EXPECT_TRUE(box.Found());
  return text;
}
#else
std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

// Runs an export case on a pseudo-terminal, pressing Enter at every prompt
// of the header form (which keeps each value and confirms) and at the
// message that names the file. Returns the child's exit status; output gets
// what the child wrote on the terminal.
int RunConfirmed(const std::function<int()>& body, std::string& output) {
  PtySession terminal(body);
  std::size_t answered = 0;
  while (terminal.ReadMore()) {
    // A field ends its prompt with "]: ", the soapbox with its hint in
    // parentheses, and the message with its request for Enter.
    const std::size_t prompts = Count(terminal.Output(), "]: ") + Count(terminal.Output(), "\"): ") +
                                Count(terminal.Output(), "Press Enter");
    for (; answered < prompts; ++answered) terminal.TypeLine("");
  }
  output = terminal.Output();
  return terminal.Wait();
}
#endif

// A PE32+ header with one section that holds the resource directory; the
// section's file data begins at rawOffset.
std::string PeImage(uint32_t rawOffset) {
  std::string pe(0x200, '\0');
  auto put = [&pe](std::size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) pe[at + i] = static_cast<char>(value >> (8 * i));
  };
  put(0, 0x5A4D, 2);                // "MZ"
  put(0x3C, 0x40, 4);               // the PE header
  put(0x40, 0x00004550, 4);         // "PE\0\0"
  put(0x46, 1, 2);                  // one section
  put(0x54, 240, 2);                // optional header size
  put(0x58, 0x20B, 2);              // PE32+
  put(0x58 + 108, 16, 4);           // data directories
  put(0x58 + 112 + 16, 0x1000, 4);  // resource directory RVA
  put(0x58 + 112 + 20, 0x100, 4);   // and size
  const std::size_t section = 0x58 + 240;
  std::memcpy(&pe[section], ".rsrc", 5);
  put(section + 8, 0x100, 4);    // virtual size
  put(section + 12, 0x1000, 4);  // virtual address
  put(section + 16, 0x100, 4);   // raw size
  put(section + 20, rawOffset, 4);
  return pe;
}

std::string Garbage(std::size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

void WriteSettings(const std::string& bytes) {
  fs::create_directory("Plugins");
  WriteFile("Plugins/SPTDC.ini", bytes);
}

const char kSubmittedLog[] = "the log as submitted\r\n";

// The operator's own Cabrillo file, write-protected, in a folder that
// anybody may write (so only the file's protection stands in the way).
std::string PrepareWriteProtectedLog() {
  WriteFile("PA3ABC.cbr", kSubmittedLog);
  fs::permissions("PA3ABC.cbr", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(".", fs::perms::all);
  return "";
}

// An export run confirmed unchanged whose Cabrillo file may not be
// replaced: scored as ever, the file as it was.
void ExportOverWriteProtectedLog(PluginLibrary& lib) {
  EXPECT_EQ(Reset(lib, 1, "PA3ABC", Night(20, 0)), 1);
  EXPECT_EQ(Add(lib, HostQso()), 1);
  EXPECT_TRUE(Contains(Result(lib), "Total\t 1\t  1\r\n"));
  EXPECT_EQ(ReadFile("PA3ABC.cbr"), kSubmittedLog);
  EXPECT_EQ(fs::status("PA3ABC.cbr").permissions() & fs::perms::owner_write, fs::perms::none);
}

std::string PrepareTakenTemporaryNames() {
  WriteFile("PA3ABC.cbr.tmp", "the operator's own file");
  WriteSettings("");
  WriteFile("Plugins/SPTDC.ini.tmp", "another file of the operator's");
  return "";
}

#ifdef _WIN32
std::string MakeReadOnly() {
  fs::permissions(".", fs::perms::owner_read | fs::perms::owner_exec);
  // Windows lets files be created in a folder marked read-only: the case
  // cannot show anything there.
  WriteFile("probe", "x");
  if (!fs::exists("probe")) return "";
  fs::remove("probe");
  fs::permissions(".", fs::perms::owner_all);
  return "files can be created in a read-only folder here";
}

void RunInReadOnlyFolder(PluginLibrary& lib) { RunWithoutReport(lib); }
#else
std::string MakeReadOnly() {
  const fs::perms readable = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(".", readable);
  return "";
}

// Runs in the case's child process. Root writes into any folder and any
// file, so as root the child first becomes the unprivileged user "nobody",
// for whom the folder is read-only as for any operator.
bool LeaveRoot() {
  if (geteuid() == 0 && setuid(65534) != 0) {
    ADD_FAILURE() << "cannot leave the root account";
    return false;
  }
  return true;
}

void RunInReadOnlyFolder(PluginLibrary& lib) {
  if (!LeaveRoot()) return;
  WriteFile("probe", "x");
  ASSERT_FALSE(fs::exists("probe")) << "the folder is writable";
  RunWithoutReport(lib);
}

void ExportOverWriteProtectedLogAsUser(PluginLibrary& lib) {
  if (LeaveRoot()) ExportOverWriteProtectedLog(lib);
}
#endif

struct HostileCase {
  std::string name;
  // Puts files into the working folder; returns a reason to skip, or "".
  std::function<std::string()> prepare;
  std::function<void(PluginLibrary&)> run;
  std::vector<std::string> changes;  // files that may appear or change
  bool showsDialog = false;          // an export run: the operator confirms the header
  std::string box{};                 // export runs: text the closing message holds
};

void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }

std::vector<HostileCase> Cases() {
  static const std::string kMiB(1 << 20, 'M');
  static const std::string kHighBytes = [] {
    std::string s;
    for (int c = 0x80; c <= 0xFF; ++c) s += static_cast<char>(c);
    return s;
  }();
  static const std::string kControls = [] {
    std::string s;
    for (int c = 1; c < 0x20; ++c) s += static_cast<char>(c);
    return s + "\x7f";
  }();
  auto none = [] { return std::string(); };
  auto text = [&](const char* name, const char* value) {
    return HostileCase{name, none, [value](PluginLibrary& lib) { TextEverywhere(lib, value); }, {kReport}};
  };
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  const double night = Night(21, 0).date;
  auto time = [&](const char* name, TimeCase c) {
    const std::string report = std::string("StatsSPTDC_") + c.reportDate + ".txt";
    return HostileCase{name, none, [c](PluginLibrary& lib) { TimeEverywhere(lib, c); }, {report}};
  };
  const char* invalid = "Invalid DateTime";
  auto exe = [&](const char* name, std::string bytes) {
    return HostileCase{name,
                       [bytes] {
                         WriteFile("Vexa.exe", bytes);
                         return std::string();
                       },
                       ExportRun,
                       {kReport, "PA3ABC.cbr"},
                       true};
  };
  return {
      text("null texts", nullptr),
      text("texts of 1 MiB", kMiB.c_str()),
      text("bytes 0x80 to 0xFF", kHighBytes.c_str()),
      text("control characters", kControls.c_str()),
      text("printf directives", "%n%s%x%n%p%99999999s"),
      time("NaN", {{nan, SPTDC_TIME_VALID}, invalid, invalid, invalid, 0}),
      time("infinity", {{inf, SPTDC_TIME_VALID}, invalid, invalid, invalid, 0}),
      time("minus infinity", {{-inf, SPTDC_TIME_VALID}, invalid, invalid, invalid, 0}),
      time("1e300 days", {{1e300, SPTDC_TIME_VALID}, invalid, invalid, invalid, 1}),
      time("-1e300 days", {{-1e300, SPTDC_TIME_VALID}, invalid, invalid, invalid, 2}),
      time("the largest double",
           {{std::numeric_limits<double>::max(), SPTDC_TIME_VALID}, invalid, invalid, invalid, 1}),
      time("the day before the year 100", {{-657435.0, SPTDC_TIME_VALID}, invalid, invalid, invalid, 2}),
      time("the year 10000", {{2958466.0, SPTDC_TIME_VALID}, invalid, invalid, invalid, 1}),
      time("a negative day count",
           {{-1.5, SPTDC_TIME_VALID}, "1899-12-29 1200", "29.12.1899", "29_12_1899", 2}),
      time("the invalid state", {{night + 5.0 / 1440, SPTDC_TIME_INVALID}, invalid, invalid, invalid, 2}),
      time("the null state", {{night + 90.0 / 1440, SPTDC_TIME_NULL}, "", "", "", 1}),
      time("an unknown state", {{night, 7}, invalid, invalid, invalid, 2}),
      {"frequency 0", none, [](PluginLibrary& lib) { FrequencyEverywhere(lib, 0); }, {kReport}},
      {"frequency 4294967295",
       none,
       [](PluginLibrary& lib) { FrequencyEverywhere(lib, 4294967295u); },
       {kReport}},
      {"a report name that is a folder",
       [] {
         fs::create_directory(kReport);
         return std::string();
       },
       RunWithoutReport,
       {}},
      {"a read-only working folder", MakeReadOnly, RunInReadOnlyFolder, {}},
      {"settings of binary garbage",
       [] {
         WriteSettings(Garbage(4096));
         return std::string();
       },
       ExportRunWithSettings,
       {kReport, "PA3ABC.cbr", "Plugins/SPTDC.ini"},
       true},
      {"settings of one huge line",
       [] {
         WriteSettings("[Settings] Name=" + std::string(4 << 20, 'x'));
         return std::string();
       },
       ExportRunWithSettings,
       {kReport, "PA3ABC.cbr", "Plugins/SPTDC.ini"},
       true},
#ifdef _WIN32
      {"a write-protected Cabrillo file",
       PrepareWriteProtectedLog,
       ExportOverWriteProtectedLog,
       {kReport},
       true,
       "File not produced: PA3ABC.cbr"},
#else
      {"a write-protected Cabrillo file, the operator an ordinary user",
       PrepareWriteProtectedLog,
       ExportOverWriteProtectedLogAsUser,
       {kReport},
       true,
       "File not produced: PA3ABC.cbr"},
      {"a write-protected Cabrillo file, the operator root",
       [] { return geteuid() == 0 ? PrepareWriteProtectedLog() : "not running as root"; },
       ExportOverWriteProtectedLog,
       {kReport},
       true,
       "File not produced: PA3ABC.cbr"},
#endif
      {"files with the names of temporary files",
       PrepareTakenTemporaryNames,
       ExportRunWithSettings,
       {kReport, "PA3ABC.cbr", "Plugins/SPTDC.ini"},
       true,
       "File produced: PA3ABC.cbr"},
      exe("an empty Vexa.exe", ""),
      exe("a truncated Vexa.exe", PeImage(0x200).substr(0, 0x90)),
      exe("a Vexa.exe of garbage", "MZ" + Garbage(4096)),
      exe("a Vexa.exe whose resources lie outside it", PeImage(0x7fff0000)),
  };
}

class HostileInputTest : public ::testing::TestWithParam<HostileCase> {
 protected:
  TempDir dir;
  PluginLibrary lib;
};

TEST_P(HostileInputTest, NoCrashNoHangDocumentedResults) {
  const HostileCase& c = GetParam();
  const std::string skip = c.prepare();
  if (!skip.empty()) GTEST_SKIP() << skip;
  const std::map<std::string, std::string> before = Snapshot();
#ifdef _WIN32
  if (c.showsDialog) {
    const std::string box = RunConfirmed(c.run, lib);
    EXPECT_TRUE(Contains(box, c.box)) << box;
  } else {
    c.run(lib);
  }
#else
  auto body = [&] {
    c.run(lib);
    std::fflush(stdout);
    return ::testing::Test::HasFailure() ? 1 : 0;
  };
  int status = -2;
  std::string written;
  if (c.showsDialog) {
    status = RunConfirmed(body, written);
    EXPECT_TRUE(Contains(written, c.box)) << written;
  } else {
    written = RunWithoutTerminal(body, status);
  }
  EXPECT_EQ(status, 0) << "the case failed above, crashed or hung; what it wrote:\n" << written;
#endif
  fs::permissions(".", fs::perms::owner_all);
  std::vector<std::string> changed = ChangedFiles(before, Snapshot());
  for (const std::string& name : c.changes) {
    changed.erase(std::remove(changed.begin(), changed.end(), name), changed.end());
  }
  EXPECT_EQ(changed, std::vector<std::string>()) << "files changed that the case does not name";
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileInputTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace sptdc::testing
