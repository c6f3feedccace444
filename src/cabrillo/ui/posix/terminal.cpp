#include "cabrillo/ui/posix/terminal.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace sptdc {

namespace {

int OpenControllingTerminal() {
  return isatty(STDIN_FILENO) ? open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
}

}  // namespace

Terminal::Terminal() : input_(OpenControllingTerminal()), output_(input_), interactive_(input_ >= 0) {
  if (!interactive_) {
    input_ = STDIN_FILENO;
    output_ = STDERR_FILENO;
  }
}

Terminal::~Terminal() {
  if (interactive_) close(input_);
}

void Terminal::Write(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(output_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

bool Terminal::ReadLine(std::string& line) {
  line.clear();
  // One byte at a time, so nothing beyond the line is taken from the input.
  char c;
  for (;;) {
    const ssize_t n = read(input_, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (!interactive_) Write("(end of input)\n");
      return false;
    }
    if (c == '\n') break;
    line += c;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (!interactive_) Write(line + "\n");
  return true;
}

}  // namespace sptdc
