// The operator at the host's screen: the two modal interactions of the
// plug-in, a message box and the Cabrillo header dialog. One implementation
// per platform (posix/: the controlling terminal; win32/: a message box and
// the dialog resource), chosen by the build; tests use a fake of their own.
#pragma once

#include <string>

namespace sptdc {

class Cabrillo;

enum class MessageIcon { kNone, kInformation, kWarning };

class Operator {
 public:
  virtual ~Operator() = default;

  // Shows a modal message with a single OK button, owned by the calling
  // thread's active window, and returns when the operator has closed it.
  // A null caption gives the platform's default caption.
  virtual void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) = 0;

  // Runs the Cabrillo header dialog modally, owned by the active window.
  // True when the operator confirmed with OK; then the dialog's texts hold
  // what the controls held. False when cancelled, closed or not shown.
  virtual bool RunHeaderDialog(Cabrillo& dialog) = 0;

  // The implementation of the platform this library was built for. It lives
  // as long as the process.
  static Operator& Default();
};

}  // namespace sptdc
