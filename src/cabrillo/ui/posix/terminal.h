// Where the operator answers, opened for one interaction. When standard
// input is a terminal, that is the process's controlling terminal, read and
// written directly. Otherwise the answers come from standard input, so a
// script can give them, and what the operator would see goes to standard
// error, each answer (or the end of input) echoed after its prompt.
#pragma once

#include <string>

namespace sptdc {

class Terminal {
 public:
  Terminal();
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  // True at the controlling terminal, where somebody reads what is shown.
  bool IsInteractive() const { return interactive_; }
  void Write(const std::string& text);
  // Reads one line without its line end. False at end of input (or on an
  // error) before any line end was read.
  bool ReadLine(std::string& line);

 private:
  int input_;
  int output_;
  bool interactive_;
};

}  // namespace sptdc
