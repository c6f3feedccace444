// The operator through the Win32 API: every window the plug-in shows is
// modal and owned by the host's active window.
#include <windows.h>

#include "cabrillo/ui/operator.h"
#include "cabrillo/ui/win32/header_dialog_win32.h"

namespace sptdc {

namespace {

class Win32Operator final : public Operator {
 public:
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    UINT style = MB_OK;
    if (icon == MessageIcon::kInformation) style |= MB_ICONINFORMATION;
    if (icon == MessageIcon::kWarning) style |= MB_ICONWARNING;
    MessageBoxA(GetActiveWindow(), text.c_str(), caption, style);
  }

  bool RunHeaderDialog(Cabrillo& dialog) override { return RunHeaderDialogWin32(dialog); }
};

}  // namespace

Operator& Operator::Default() {
  static Win32Operator op;
  return op;
}

}  // namespace sptdc
