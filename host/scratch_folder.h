// scratch_folder.h - a run that leaves no file behind: the plug-in writes
// its rejection report into the current directory, so commands that only
// read the log run it in a fresh temporary folder, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace sptdc::host {

class ScratchFolder {
 public:
  // Makes the folder and changes into it; on failure ok() is false with
  // error() saying why, and the current directory stays.
  ScratchFolder();
  // Changes back and removes the folder with what the plug-in wrote.
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  const std::string& error() const { return error_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
  std::string error_;
};

}  // namespace sptdc::host
