// The header form on a real pseudo-terminal: the form runs in a child
// process whose controlling terminal the test drives, and the child reports
// the dialog's texts afterwards on the same terminal.
#include "cabrillo/ui/posix/header_form_terminal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cabrillo/ui/header_form.h"
#include "cabrillo/ui/operator.h"
#include "cabrillo/ui/posix/terminal.h"
#include "support/opening_header.h"
#include "support/pty_session.h"

namespace sptdc {
namespace {

using testing::OpeningHeader;
using testing::PtySession;

const char kResultMark[] = "\n#RESULT\n";
const char kEndMark[] = "#END\n";

// One text per line on the terminal: its line breaks and backslashes escaped.
std::string Escape(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\r')
      escaped += "\\r";
    else if (c == '\n')
      escaped += "\\n";
    else if (c == '\\')
      escaped += "\\\\";
    else
      escaped += c;
  }
  return escaped;
}

std::string Unescape(const std::string& escaped) {
  std::string text;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\' || i + 1 == escaped.size()) {
      text += escaped[i];
      continue;
    }
    const char next = escaped[++i];
    text += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  return text;
}

struct FormRun {
  bool confirmed = false;
  std::string transcript;  // what the form wrote, with the terminal's CR LF line ends
  Cabrillo after{Operator::Default()};
};

// Types the lines (and then end of input, when asked) into the form that
// opens with the given texts, and collects what the form wrote and the texts
// afterwards.
FormRun RunForm(const Cabrillo& opening, const std::vector<std::string>& lines, bool endOfInput) {
  PtySession session([opening] {
    Cabrillo dialog = opening;
    const bool confirmed = RunHeaderFormOnTerminal(dialog);
    std::string report = kResultMark;
    for (const HeaderField& field : HeaderFields()) report += Escape(dialog.*field.text) + "\n";
    Terminal().Write(report + kEndMark);
    return confirmed ? 1 : 0;
  });
  for (const std::string& line : lines) session.TypeLine(line);
  if (endOfInput) session.TypeEndOfInput();

  FormRun run{false, "", opening};
  EXPECT_TRUE(session.ReadUntil("#END\r\n")) << session.Output();
  run.confirmed = session.Wait() == 1;
  const std::string& output = session.Output();
  const std::size_t mark = output.find("\r\n#RESULT\r\n");
  if (mark == std::string::npos) return run;
  run.transcript = output.substr(0, mark);
  std::size_t at = mark + std::string("\r\n#RESULT\r\n").size();
  for (const HeaderField& field : HeaderFields()) {
    const std::size_t end = output.find("\r\n", at);
    if (end == std::string::npos) break;
    run.after.*field.text = Unescape(output.substr(at, end - at));
    at = end + 2;
  }
  return run;
}

// Answers for all 22 prompts that keep every value, then the given answer
// to the last prompt.
std::vector<std::string> KeepAll(const std::string& last) {
  std::vector<std::string> lines(HeaderFields().size(), "");
  lines.push_back(last);
  return lines;
}

// Answers that reach SOAPBOX, the 21st prompt, and type its first line.
std::vector<std::string> SoapBoxStartedWith(const std::string& line) {
  std::vector<std::string> lines(20, "");
  lines.push_back(line);
  return lines;
}

void ExpectSameTexts(const Cabrillo& a, const Cabrillo& b) {
  for (const HeaderField& field : HeaderFields()) EXPECT_EQ(a.*field.text, b.*field.text) << field.label;
}

TEST(HeaderFormTerminalTest, KeepingEveryValueConfirmsTheOpeningTexts) {
  const FormRun run = RunForm(OpeningHeader(), KeepAll(""), false);
  EXPECT_TRUE(run.confirmed);
  Cabrillo expected = OpeningHeader();
  expected.Location = "ME";  // what the list selected for "M"
  ExpectSameTexts(run.after, expected);

  const std::string& t = run.transcript;
  EXPECT_EQ(t.rfind("Stew Perry Topband Challenge\r\n"
                    "Enter keeps the value in brackets, a line holding only \".\" empties it, anything\r\n"
                    "else replaces it. In a list a number picks that entry.\r\n"
                    "CONTEST [SPTC]: CALLSIGN [PA3ABC]: ",
                    0),
            0u)
      << t;
  // One prompt per field, in row order.
  std::size_t at = 0;
  for (const HeaderField& field : HeaderFields()) {
    const std::size_t prompt = t.find(std::string(field.label) + " [", at);
    ASSERT_NE(prompt, std::string::npos) << field.label;
    at = prompt + 1;
  }
  // Lists first name their entries in the order they show them.
  EXPECT_NE(t.find("CATEGORY-STATION\r\n  1 EXPEDITION\r\n  2 FIXED\r\n  3 HQ\r\n  4 MOBILE\r\n"
                   "  5 PORTABLE\r\n  6 ROVER\r\n  7 SCHOOL\r\nCATEGORY-STATION [FIXED]: "),
            std::string::npos);
  EXPECT_NE(t.find("CATEGORY-OVERLAY [NONE]: "), std::string::npos);
  EXPECT_NE(t.find("CATEGORY-MODE [CW]: "), std::string::npos);
  EXPECT_NE(t.find("SOAPBOX [line one\r\nline two] (end with a line holding only \".\"): "),
            std::string::npos);
  EXPECT_EQ(t.substr(t.size() - 19), "OK or CANCEL [OK]: ");
}

// LOCATION's 64 entries in columns read downwards: with its label and
// prompt on at most 22 lines of 80 characters, so that on a 24-line
// terminal the whole list and the prompt show at once.
TEST(HeaderFormTerminalTest, ALongListIsShownInColumns) {
  const std::string t = RunForm(OpeningHeader(), KeepAll(""), false).transcript;
  const std::size_t begin = t.find("LOCATION\r\n");
  const std::size_t end = t.find("LOCATION [ME]: ");
  ASSERT_NE(begin, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  const std::string listing = t.substr(begin, end - begin);
  std::size_t lines = 0;
  for (std::size_t at = 0, next; (next = listing.find("\r\n", at)) != std::string::npos; at = next + 2) {
    EXPECT_LE(next - at, 80u) << listing;
    ++lines;
  }
  EXPECT_LE(lines + 1, 22u) << listing;
  EXPECT_EQ(listing.rfind("LOCATION\r\n   1 DX      9 CT     17 KS", 0), 0u) << listing;
  EXPECT_NE(listing.find("\r\n   2 --/--  10 DE     18 KY"), std::string::npos) << listing;
  EXPECT_NE(listing.find(" 56 SK     64 PEI\r\n"), std::string::npos) << listing;
  for (const HeaderField& field : HeaderFields()) {
    if (field.id != IDC_LOCATION) continue;
    for (std::size_t i = 0; i < field.entries.size(); ++i) {
      const std::string entry = " " + std::to_string(i + 1) + " " + field.entries[i];
      const std::size_t at = listing.find(entry);
      ASSERT_NE(at, std::string::npos) << entry;
      EXPECT_NE(std::string(" \r").find(listing[at + entry.size()]), std::string::npos) << entry;
    }
  }
}

// A line holding only "." empties an edit field, a list and the soapbox,
// and the review before OK or CANCEL shows every answer once, the soapbox
// a line per line.
TEST(HeaderFormTerminalTest, ADotEmptiesAFieldAndTheReviewShowsEveryAnswer) {
  std::vector<std::string> lines = KeepAll("OK");
  lines[12] = ".";  // NAME, an edit field
  lines[4] = ".";   // LOCATION, a list
  const FormRun run = RunForm(OpeningHeader(), lines, false);
  EXPECT_TRUE(run.confirmed);
  Cabrillo expected = OpeningHeader();
  expected.Name = "";
  expected.Location = "";
  ExpectSameTexts(run.after, expected);

  const std::string& t = run.transcript;
  const std::size_t review = t.find("The header as answered:\r\n");
  ASSERT_NE(review, std::string::npos) << t;
  std::string shown = "The header as answered:\r\n";
  for (const HeaderField& field : HeaderFields()) {
    std::string label = field.label;
    label.resize(22, ' ');
    const std::string& value = run.after.*field.text;
    for (std::size_t begin = 0;;) {
      const std::size_t end = value.find("\r\n", begin);
      shown += "  " + label + " " + value.substr(begin, end - begin) + "\r\n";
      if (end == std::string::npos) break;
      begin = end + 2;
    }
  }
  EXPECT_EQ(t.substr(review), shown + "OK or CANCEL [OK]: ");
  EXPECT_NE(shown.find("  NAME                   \r\n"), std::string::npos);
  EXPECT_NE(shown.find("  SOAPBOX                line one\r\n  SOAPBOX                line two\r\n"),
            std::string::npos);
}

TEST(HeaderFormTerminalTest, TypedTextsNumberedPicksAndASoapboxOfSeveralLines) {
  const std::vector<std::string> lines = {
      "SPTDC",         // CONTEST
      "",              // CALLSIGN
      "123",           // CLAIMED
      "3",             // CATEGORY-OPERATOR: MULTI-OP
      "64",            // LOCATION: PEI
      "0",             // CATEGORY-BAND: no entry 0, so typed text
      "1",             // CATEGORY-ASSISTED: ASSISTED
      "2",             // CATEGORY-MODE is an edit field: the digit is text
      "6-hours",       // CATEGORY-OVERLAY: typed as it is
      "4",             // CATEGORY-POWER: three entries, so typed text
      "1",             // CATEGORY-STATION: the first shown, not the first in the resource
      "03",            // CATEGORY-TRANSMITTER: UNLIMITED
      "Jan de Vries",  // NAME
      "  Dorpsstraat 1 ",
      "",
      "",
      "",
      "",               // ADDRESS-CITY to ADDRESS-COUNTRY
      "PA3ABC PA3XYZ",  // OPERATORS
      "",               // CLUB
      "first",
      "",
      "third",
      ".",  // SOAPBOX
      "pa3abc@example.org",
      "ok",
  };
  const FormRun run = RunForm(OpeningHeader(), lines, false);
  EXPECT_TRUE(run.confirmed);
  Cabrillo expected = OpeningHeader();
  expected.Contest = "SPTDC";
  expected.Claimed = "123";
  expected.Category = "MULTI-OP";
  expected.Location = "PEI";
  expected.Category_Band = "0";
  expected.Category_Assisted = "ASSISTED";
  expected.Category_Mode = "2";
  expected.Category_Overlay = "6-hours";
  expected.Category_Power = "4";
  expected.Category_Station = "EXPEDITION";
  expected.Category_Transmitter = "UNLIMITED";
  expected.Name = "Jan de Vries";
  expected.Address = "  Dorpsstraat 1 ";
  expected.Operators = "PA3ABC PA3XYZ";
  expected.SoapBox = "first\r\n\r\nthird";
  expected.Email = "pa3abc@example.org";
  ExpectSameTexts(run.after, expected);
}

TEST(HeaderFormTerminalTest, AnEmptyListTextSelectsNothingAndALoneDotEmptiesTheSoapbox) {
  Cabrillo opening = OpeningHeader();
  opening.Location = "";
  std::vector<std::string> lines(HeaderFields().size(), "");
  lines[20] = ".";           // SOAPBOX
  lines.push_back("maybe");  // neither OK nor CANCEL: told what is expected, asked again
  lines.push_back("OK");
  const FormRun run = RunForm(opening, lines, false);
  EXPECT_TRUE(run.confirmed);
  EXPECT_NE(run.transcript.find("LOCATION []: "), std::string::npos);
  EXPECT_EQ(run.after.Location, "");
  EXPECT_EQ(run.after.SoapBox, "");
  const std::string last =
      "OK or CANCEL [OK]: Please answer OK to confirm the header above, or CANCEL.\r\nOK or CANCEL [OK]: ";
  EXPECT_EQ(run.transcript.substr(run.transcript.size() - last.size()), last);
}

TEST(HeaderFormTerminalTest, CancelKeepsEveryText) {
  for (const char* cancel : {"CANCEL", "cancel"}) {
    std::vector<std::string> lines = KeepAll(cancel);
    lines[0] = "CHANGED";
    const FormRun run = RunForm(OpeningHeader(), lines, false);
    EXPECT_FALSE(run.confirmed) << cancel;
    ExpectSameTexts(run.after, OpeningHeader());
  }
}

TEST(HeaderFormTerminalTest, EndOfInputAtAnyPromptCancels) {
  const struct {
    const char* where;
    std::vector<std::string> lines;
  } cases[] = {
      {"at the first prompt", {}},
      {"at a list", {"SPTDC", "", "", "2"}},
      {"inside the soapbox", SoapBoxStartedWith("one line")},
      {"at OK or CANCEL", KeepAll("again")},
  };
  for (const auto& c : cases) {
    const FormRun run = RunForm(OpeningHeader(), c.lines, true);
    EXPECT_FALSE(run.confirmed) << c.where;
    ExpectSameTexts(run.after, OpeningHeader());
  }
}

// Without a terminal the form reads standard input and writes to standard
// error, each answer after its prompt; only an OK given there confirms.
TEST(HeaderFormTerminalTest, AnswersFromStandardInputConfirmOnlyWithOk) {
  const std::string keepAll(HeaderFields().size(), '\n');
  const struct {
    const char* what;
    std::string answers;
    int confirmed;
  } cases[] = {
      {"no answers", "", 0},
      {"answers that end before OK", keepAll, 0},
      {"an empty last answer", keepAll + "\n", 0},
      {"CANCEL", keepAll + "cancel\n", 0},
      {"OK", keepAll + "ok\n", 1},
      {"a wrong answer, then OK", keepAll + "yes\nOK\n", 1},
  };
  for (const auto& c : cases) {
    int status = -1;
    const std::string written = testing::RunWithoutTerminal(
        [&c] {
          int fds[2];
          if (pipe(fds) != 0 || write(fds[1], c.answers.data(), c.answers.size()) < 0) return 99;
          close(fds[1]);
          dup2(fds[0], STDIN_FILENO);
          Cabrillo dialog = OpeningHeader();
          const bool confirmed = RunHeaderFormOnTerminal(dialog);
          // Only a confirmed form hands its answers back.
          return confirmed == (dialog.Location == "ME") ? (confirmed ? 1 : 0) : 98;
        },
        status);
    EXPECT_EQ(status, c.confirmed) << c.what << "\n" << written;
    EXPECT_EQ(written.rfind("Stew Perry Topband Challenge\n", 0), 0u) << c.what;
    if (!c.answers.empty()) {
      EXPECT_NE(written.find("\nCONTEST [SPTC]: \nCALLSIGN [PA3ABC]: \n"), std::string::npos) << written;
      EXPECT_NE(written.find("The header as answered:\n"), std::string::npos) << c.what;
    }
  }
}

}  // namespace
}  // namespace sptdc
