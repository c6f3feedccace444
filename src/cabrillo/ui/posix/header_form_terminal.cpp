// The form writes one prompt per field of the dialog's table and collects
// the answers in a copy; only a confirmed form hands them to the dialog, so
// a cancelled one (or one whose input ends) changes nothing, as CANCEL and
// Escape do on Windows.
#include "cabrillo/ui/posix/header_form_terminal.h"

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

// Reads the answer to a one-line prompt; false at end of input.
bool AskLine(Terminal& terminal, const HeaderField& field, std::string& value) {
  terminal.Write(std::string(field.label) + " [" + value + "]: ");
  std::string answer;
  if (!terminal.ReadLine(answer)) return false;
  if (!answer.empty()) value = answer;
  return true;
}

bool AskList(Terminal& terminal, const HeaderField& field, std::string& value) {
  const std::vector<std::string> shown = ShownEntries(field);
  std::string listing = std::string(field.label) + "\n";
  for (std::size_t i = 0; i < shown.size(); ++i) {
    listing += "  " + std::to_string(i + 1) + " " + shown[i] + "\n";
  }
  terminal.Write(listing);
  value = InitialText(field, value);
  terminal.Write(std::string(field.label) + " [" + value + "]: ");
  std::string answer;
  if (!terminal.ReadLine(answer)) return false;
  const std::size_t number = EntryNumber(answer, shown.size());
  if (number > 0) {
    value = shown[number - 1];
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
  for (bool first = true; line != "."; first = false) {
    if (!first) typed += "\r\n";
    typed += line;
    if (!terminal.ReadLine(line)) return false;
  }
  value = typed;
  return true;
}

// Asks until the answer is OK (or empty) or CANCEL, in any letter case.
bool AskConfirmation(Terminal& terminal) {
  for (;;) {
    terminal.Write("OK or CANCEL [OK]: ");
    std::string answer;
    if (!terminal.ReadLine(answer)) return false;
    if (answer.empty() || text::EqualNoCase(answer, "OK")) return true;
    if (text::EqualNoCase(answer, "CANCEL")) return false;
  }
}

}  // namespace

bool RunHeaderFormOnTerminal(Cabrillo& dialog) {
  Terminal terminal;
  if (!terminal.IsOpen()) return false;
  terminal.Write(std::string(kHeaderDialogTitle) + "\n");
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
  if (!AskConfirmation(terminal)) return false;
  for (std::size_t i = 0; i < fields.size(); ++i) dialog.*fields[i].text = answers[i];
  return true;
}

}  // namespace sptdc
