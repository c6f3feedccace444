// The operator on Linux and other POSIX systems sits at the controlling
// terminal: messages and the header form are shown there and wait for the
// operator. When standard input is not a terminal, the form reads its
// answers from there and messages go to standard error without waiting, as
// nobody may be there to press Enter.
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
    if (!terminal.IsInteractive()) {
      terminal.Write(box);
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
