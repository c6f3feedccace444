// The form writes one prompt per field of the dialog's table and collects
// the answers in a copy; only a confirmed form hands them to the dialog, so
// a cancelled one (or one whose input ends) changes nothing, as CANCEL and
// Escape do on Windows.
#include "cabrillo/ui/posix/header_form_terminal.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "cabrillo/ui/cabrillo_dialog.h"
#include "cabrillo/ui/header_form.h"
#include "cabrillo/ui/posix/terminal.h"
#include "util/ascii.h"
#include "util/replace_all.h"
#include "util/text.h"

namespace sptdc {

namespace {

// The answer that empties a field (and ends the soapbox's lines).
const char kEmptyAnswer[] = ".";

// The terminal the form fits: a list longer than kListRows is shown in
// columns within kTerminalWidth, so that it and its prompt stay on a
// 24-line screen.
constexpr std::size_t kListRows = 20;
constexpr std::size_t kTerminalWidth = 80;

// The entry number (1 to count) that the answer names, or 0 when the
// answer is not made of digits only or lies outside that range.
std::size_t EntryNumber(const std::string& answer, std::size_t count) {
  if (answer.empty()) return 0;
  std::size_t number = 0;
  for (char c : answer) {
    if (!IsAsciiDigit(c)) return 0;
    number = number * 10 + static_cast<std::size_t>(c - '0');
    if (number > count) return 0;  // also keeps long digit runs from overflowing
  }
  return number;
}

std::string Padded(std::string text, std::size_t width, bool right) {
  const std::string fill(text.size() < width ? width - text.size() : 0, ' ');
  return right ? fill + text : text + fill;
}

// The numbered entries, one per line, or for a long list in columns that
// are read downwards, as ls lists files.
std::string Listing(const std::vector<std::string>& shown) {
  const std::size_t count = shown.size();
  const std::size_t numberWidth = std::to_string(count).size();
  std::size_t entryWidth = 0;
  for (const std::string& entry : shown) entryWidth = std::max(entryWidth, entry.size());
  const std::size_t cellWidth = 2 + numberWidth + 1 + entryWidth;
  const std::size_t columns = count <= kListRows ? 1 : std::max<std::size_t>(1, kTerminalWidth / cellWidth);
  const std::size_t rows = (count + columns - 1) / columns;
  std::string listing;
  for (std::size_t row = 0; row < rows; ++row) {
    std::string line;
    for (std::size_t i = row; i < count; i += rows) {
      const std::string number = Padded(std::to_string(i + 1), columns == 1 ? 0 : numberWidth, true);
      line += Padded("  " + number + " " + shown[i], columns == 1 ? 0 : cellWidth, false);
    }
    line.erase(line.find_last_not_of(' ') + 1);
    listing += line + "\n";
  }
  return listing;
}

// Reads the answer to a one-line prompt; false at end of input.
bool AskLine(Terminal& terminal, const HeaderField& field, std::string& value) {
  terminal.Write(std::string(field.label) + " [" + value + "]: ");
  std::string answer;
  if (!terminal.ReadLine(answer)) return false;
  if (answer == kEmptyAnswer) {
    value.clear();
  } else if (!answer.empty()) {
    value = answer;
  }
  return true;
}

bool AskList(Terminal& terminal, const HeaderField& field, std::string& value) {
  const std::vector<std::string> shown = ShownEntries(field);
  terminal.Write(std::string(field.label) + "\n" + Listing(shown));
  value = InitialText(field, value);
  terminal.Write(std::string(field.label) + " [" + value + "]: ");
  std::string answer;
  if (!terminal.ReadLine(answer)) return false;
  const std::size_t number = EntryNumber(answer, shown.size());
  if (number > 0) {
    value = shown[number - 1];
  } else if (answer == kEmptyAnswer) {
    value.clear();
  } else if (!answer.empty()) {
    value = answer;
  }
  return true;
}

bool AskSoapBox(Terminal& terminal, const HeaderField& field, std::string& value) {
  // The terminal ends its lines itself; a CR of the text would reach it twice.
  const std::string shown = ReplaceAll(value, "\r\n", "\n");
  terminal.Write(std::string(field.label) + " [" + shown + "] (end with a line holding only \".\"): ");
  std::string line;
  if (!terminal.ReadLine(line)) return false;
  if (line.empty()) return true;
  std::string typed;
  for (bool first = true; line != kEmptyAnswer; first = false) {
    if (!first) typed += "\r\n";
    typed += line;
    if (!terminal.ReadLine(line)) return false;
  }
  value = typed;
  return true;
}

// Every answer once, a line per field (a line per soapbox line), before the
// operator confirms.
void ShowReview(Terminal& terminal, const std::vector<HeaderField>& fields,
                const std::vector<std::string>& answers) {
  std::size_t labelWidth = 0;
  for (const HeaderField& field : fields) labelWidth = std::max(labelWidth, std::string(field.label).size());
  std::string review = "The header as answered:\n";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string label = "  " + Padded(fields[i].label, labelWidth, false) + " ";
    const std::string& answer = answers[i];
    for (std::size_t begin = 0;;) {
      const std::size_t end = answer.find("\r\n", begin);
      review += label + answer.substr(begin, end - begin) + "\n";
      if (end == std::string::npos) break;
      begin = end + 2;
    }
  }
  terminal.Write(review);
}

// Asks until the answer is OK or CANCEL, in any letter case. At the
// terminal an empty answer is OK; from standard input OK must be given.
bool AskConfirmation(Terminal& terminal) {
  const bool emptyIsOk = terminal.IsInteractive();
  for (;;) {
    terminal.Write(emptyIsOk ? "OK or CANCEL [OK]: " : "OK or CANCEL: ");
    std::string answer;
    if (!terminal.ReadLine(answer)) return false;
    if ((answer.empty() && emptyIsOk) || text::EqualNoCase(answer, "OK")) return true;
    if (text::EqualNoCase(answer, "CANCEL")) return false;
    terminal.Write("Please answer OK to confirm the header above, or CANCEL.\n");
  }
}

}  // namespace

bool RunHeaderFormOnTerminal(Cabrillo& dialog) {
  Terminal terminal;
  terminal.Write(std::string(kHeaderDialogTitle) +
                 "\nEnter keeps the value in brackets, a line holding only \".\" empties it, anything"
                 "\nelse replaces it. In a list a number picks that entry.\n");
  const std::vector<HeaderField>& fields = HeaderFields();
  std::vector<std::string> answers;
  for (const HeaderField& field : fields) {
    std::string value = dialog.*field.text;
    bool answered = false;
    if (field.kind == ControlKind::kSoapBox) {
      answered = AskSoapBox(terminal, field, value);
    } else if (IsList(field.kind)) {
      answered = AskList(terminal, field, value);
    } else {
      answered = AskLine(terminal, field, value);
    }
    if (!answered) return false;
    answers.push_back(value);
  }
  ShowReview(terminal, fields, answers);
  if (!AskConfirmation(terminal)) return false;
  for (std::size_t i = 0; i < fields.size(); ++i) dialog.*fields[i].text = answers[i];
  return true;
}

}  // namespace sptdc
