// The process's controlling terminal, opened for one interaction with the
// operator. Without a controlling terminal IsOpen is false and nothing is
// read or written.
#pragma once

#include <string>

namespace sptdc {

class Terminal {
 public:
  Terminal();
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  void Write(const std::string& text);
  // Reads one line without its line end. False at end of input (or on an
  // error) before any line end was read.
  bool ReadLine(std::string& line);

 private:
  int fd_;
};

}  // namespace sptdc
