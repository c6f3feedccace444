// Platform services for Linux and other POSIX systems. The operator sits at
// the controlling terminal: messages are written there and wait for Enter.
// A process without a terminal has nobody to wait for, so its messages go to
// standard error and return at once.
#include "platform/platform.h"

#include "platform/posix/terminal.h"

#include <cstdio>

namespace sptdc {

namespace {

class PosixPlatform final : public Platform {
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
};

}  // namespace

Platform& Platform::Default() {
  static PosixPlatform platform;
  return platform;
}

}  // namespace sptdc
