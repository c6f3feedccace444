#include "cabrillo/ui/posix/terminal.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace sptdc {

Terminal::Terminal() : fd_(open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}

Terminal::~Terminal() {
  if (fd_ >= 0) close(fd_);
}

void Terminal::Write(const std::string& text) {
  std::size_t done = 0;
  while (fd_ >= 0 && done < text.size()) {
    const ssize_t n = write(fd_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

bool Terminal::ReadLine(std::string& line) {
  line.clear();
  // One byte at a time, so nothing beyond the line is taken from the terminal.
  char c;
  while (fd_ >= 0) {
    const ssize_t n = read(fd_, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    line += c;
  }
  return false;
}

}  // namespace sptdc
