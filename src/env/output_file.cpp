#include "env/output_file.h"

namespace sptdc {

OutputFile::OutputFile(const std::string& path, Mode mode)
    : file_(path.empty() ? nullptr : std::fopen(path.c_str(), mode == kAppend ? "ab" : "wb")),
      ok_(file_ != nullptr) {}

OutputFile::~OutputFile() { Close(); }

void OutputFile::Write(const std::string& bytes) {
  if (!file_ || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) ok_ = false;
}

bool OutputFile::Close() {
  if (!file_) return false;
  if (std::fclose(file_) != 0) ok_ = false;
  file_ = nullptr;
  return ok_;
}

}  // namespace sptdc
