#include "support/pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace sptdc::testing {

namespace {

[[noreturn]] void RunChild(const std::function<int()>& body, int timeoutSeconds) {
  alarm(static_cast<unsigned>(timeoutSeconds));
  int result = 99;
  try {
    result = body();
  } catch (...) {
  }
  _exit(result);
}

int DecodeStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

}  // namespace

PtySession::PtySession(const std::function<int()>& body, int timeoutSeconds) {
  struct termios settings {};
  cfmakeraw(&settings);
  settings.c_lflag |= ICANON;  // line input, so Ctrl-D ends input at a line start
  settings.c_oflag |= OPOST | ONLCR;
  settings.c_cc[VEOF] = 4;
  settings.c_cc[VMIN] = 1;
  pid_ = forkpty(&master_, nullptr, &settings, nullptr);
  if (pid_ == 0) RunChild(body, timeoutSeconds);
}

PtySession::~PtySession() {
  if (pid_ > 0 && status_ == -2) {
    kill(pid_, SIGKILL);
    Wait();
  }
  if (master_ >= 0) close(master_);
}

bool PtySession::ReadUntil(const std::string& text, int timeoutSeconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  while (output_.find(text) == std::string::npos) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !Read(static_cast<int>(left.count()))) return false;
  }
  return true;
}

bool PtySession::ReadMore(int timeoutSeconds) { return Read(timeoutSeconds * 1000); }

bool PtySession::Read(int timeoutMs) {
  struct pollfd p = {master_, POLLIN, 0};
  if (poll(&p, 1, timeoutMs) <= 0) return false;
  char buffer[4096];
  const ssize_t n = read(master_, buffer, sizeof buffer);
  if (n <= 0) return false;  // the child has gone and closed the terminal
  output_.append(buffer, static_cast<std::size_t>(n));
  return true;
}

void PtySession::TypeLine(const std::string& line) {
  const std::string typed = line + "\n";
  if (write(master_, typed.data(), typed.size()) < 0) return;
}

void PtySession::TypeEndOfInput() {
  const char eof = 4;
  if (write(master_, &eof, 1) < 0) return;
}

bool PtySession::Running() {
  if (status_ != -2) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == 0) return true;
  status_ = DecodeStatus(status);
  return false;
}

int PtySession::Wait() {
  if (status_ == -2) {
    int status = 0;
    waitpid(pid_, &status, 0);
    status_ = DecodeStatus(status);
  }
  return status_;
}

std::string RunWithoutTerminal(const std::function<int()>& body, int& exitStatus) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return "(no pipe)";
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();  // a new session has no controlling terminal
    dup2(pipeFds[1], STDERR_FILENO);
    close(pipeFds[0]);
    const int devNull = open("/dev/null", O_RDONLY);
    dup2(devNull, STDIN_FILENO);
    RunChild(body, 20);
  }
  close(pipeFds[1]);
  std::string captured;
  char buffer[4096];
  ssize_t n;
  while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
    captured.append(buffer, static_cast<std::size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  exitStatus = DecodeStatus(status);
  return captured;
}

}  // namespace sptdc::testing
