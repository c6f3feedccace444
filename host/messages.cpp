#include "host/messages.h"

#include <cstdio>

namespace sptdc::host {

std::string Printable(const std::string& text) {
  std::string shown;
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F) {
      shown += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
      shown += escaped;
    }
  }
  return shown;
}

void Say(const std::string& message) { std::fprintf(stderr, "sptdc-host: %s\n", Printable(message).c_str()); }

void Warn(const std::string& message) { Say("warning: " + message); }

}  // namespace sptdc::host
