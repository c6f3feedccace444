// A fresh temporary folder that becomes the current directory for one test,
// since the plug-in writes its files into the current directory. The old
// directory comes back and the folder is removed when it goes out of scope.
#pragma once

#include <filesystem>
#include <string>

namespace sptdc::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// The whole content of a file as bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace sptdc::testing
