// A file that one entry-point call opens, writes as raw bytes and closes.
// Opening never throws: a file that cannot be opened is simply not written,
// and Close tells whether every byte reached it.
#pragma once

#include <cstdio>
#include <string>

namespace sptdc {

class OutputFile {
 public:
  enum Mode { kTruncate, kAppend };

  OutputFile(const std::string& path, Mode mode);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // Writes the bytes as they are; nothing happens when the file is not open.
  void Write(const std::string& bytes);
  // Closes the file; true when it was open and every write and the close worked.
  bool Close();

 private:
  std::FILE* file_;
  bool ok_;
};

}  // namespace sptdc
