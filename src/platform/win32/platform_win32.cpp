// Platform services through the Win32 API: every window the plug-in shows is
// modal and owned by the host's active window.
#include <windows.h>

#include "platform/platform.h"

namespace sptdc {

namespace {

class Win32Platform final : public Platform {
 public:
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    UINT style = MB_OK;
    if (icon == MessageIcon::kInformation) style |= MB_ICONINFORMATION;
    if (icon == MessageIcon::kWarning) style |= MB_ICONWARNING;
    MessageBoxA(GetActiveWindow(), text.c_str(), caption, style);
  }
};

}  // namespace

Platform& Platform::Default() {
  static Win32Platform platform;
  return platform;
}

}  // namespace sptdc
