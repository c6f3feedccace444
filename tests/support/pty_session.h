// Runs a piece of code in a child process whose controlling terminal is a
// new pseudo-terminal, and lets the test read what it writes there and type
// answers, as an operator at the terminal would. POSIX only.
#pragma once

#include <functional>
#include <string>

namespace sptdc::testing {

class PtySession {
 public:
  // Starts the child; it runs body and exits with its result (or 99 when it
  // throws). The child is killed after timeoutSeconds.
  explicit PtySession(const std::function<int()>& body, int timeoutSeconds = 20);
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  // Reads terminal output until it contains text; false on end or timeout.
  bool ReadUntil(const std::string& text, int timeoutSeconds = 10);
  // Reads what the child writes next; false on end or timeout.
  bool ReadMore(int timeoutSeconds = 10);
  // Types a line (a line end is added).
  void TypeLine(const std::string& line);
  // Signals end of input, as Ctrl-D at the start of a line does.
  void TypeEndOfInput();
  // Everything read so far.
  const std::string& Output() const { return output_; }
  // True while the child has not exited.
  bool Running();
  // Waits for the child and returns its exit status (-1 when killed by a signal).
  int Wait();

 private:
  bool Read(int timeoutMs);

  int master_ = -1;
  int pid_ = -1;
  int status_ = -2;
  std::string output_;
};

// Runs body in a child process without a controlling terminal and returns
// what it wrote to standard error; exit receives its exit status.
std::string RunWithoutTerminal(const std::function<int()>& body, int& exitStatus);

}  // namespace sptdc::testing
