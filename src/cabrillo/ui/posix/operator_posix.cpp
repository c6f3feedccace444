// The operator on Linux and other POSIX systems sits at the controlling
// terminal: messages and the header form are shown there and wait for the
// operator. A process without a terminal has nobody to wait for, so its
// messages go to standard error and return at once, and its header form
// counts as not confirmed.
#include <cstdio>

#include "cabrillo/ui/operator.h"
#include "cabrillo/ui/posix/header_form_terminal.h"
#include "cabrillo/ui/posix/terminal.h"

namespace sptdc {

namespace {

class TerminalOperator final : public Operator {
 public:
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    std::string box;
    if (caption) box += std::string("[") + caption + "] ";
    if (icon == MessageIcon::kWarning) box += "Warning: ";
    box += text + "\n";
    Terminal terminal;
    if (!terminal.IsOpen()) {
      std::fputs(box.c_str(), stderr);
      std::fflush(stderr);
      return;
    }
    terminal.Write(box + "Press Enter to continue.\n");
    std::string ignored;
    terminal.ReadLine(ignored);
  }

  bool RunHeaderDialog(Cabrillo& dialog) override { return RunHeaderFormOnTerminal(dialog); }
};

}  // namespace

Operator& Operator::Default() {
  static TerminalOperator op;
  return op;
}

}  // namespace sptdc
