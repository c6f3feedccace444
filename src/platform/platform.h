// The operating-system services that the plug-in's core uses besides text
// and files: the modal interactions with the operator. One implementation per
// platform (posix/, win32/), chosen by the build; tests use the fake in fake/.
#pragma once

#include <string>

namespace sptdc {

enum class MessageIcon { kNone, kInformation, kWarning };

class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a modal message with a single OK button, owned by the calling
  // thread's active window, and returns when the operator has closed it.
  // A null caption gives the platform's default caption.
  virtual void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) = 0;

  // The implementation of the platform this library was built for. It lives
  // as long as the process.
  static Platform& Default();
};

}  // namespace sptdc
