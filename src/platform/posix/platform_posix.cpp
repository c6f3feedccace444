// Platform services for Linux and other POSIX systems. The operator sits at
// the controlling terminal: messages and the header form are shown there and
// wait for the operator. A process without a terminal has nobody to wait
// for, so its messages go to standard error and return at once, and its
// header form counts as not confirmed. Settings and executable versions are
// read by readers of our own, as the Windows functions read them.
#include "platform/platform.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>

#include "platform/posix/header_form_terminal.h"
#include "platform/posix/ini_file.h"
#include "platform/posix/pe_version.h"
#include "platform/posix/terminal.h"
#include "platform/text.h"

namespace sptdc {

namespace {

// Paths that the core writes with Windows separators.
std::string PosixPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool HasExeExtension(const std::string& name) {
  return name.size() > 4 && text::EqualNoCase(name.substr(name.size() - 4), ".exe");
}

class PosixPlatform final : public Platform {
 public:
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override {
    std::string box;
    if (caption) box += std::string("[") + caption + "] ";
    if (icon == MessageIcon::kWarning) box += "Warning: ";
    box += text + "\n";
    Terminal terminal;
    if (!terminal.IsOpen()) {
      std::fputs(box.c_str(), stderr);
      std::fflush(stderr);
      return;
    }
    terminal.Write(box + "Press Enter to continue.\n");
    std::string ignored;
    terminal.ReadLine(ignored);
  }

  bool RunHeaderDialog(Cabrillo& dialog) override { return RunHeaderFormOnTerminal(dialog); }

  std::string ReadSetting(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback) override {
    return ReadIniValue(PosixPath(file), section, key, fallback);
  }

  void WriteSetting(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) override {
    WriteIniValue(PosixPath(file), section, key, value);
  }

  // Listed in name order, which a directory read does not give by itself.
  std::vector<std::string> ExecutablesInCurrentDirectory() override {
    std::vector<std::string> names;
    DIR* listing = opendir(".");
    if (!listing) return names;
    while (const dirent* entry = readdir(listing)) {
      if (HasExeExtension(entry->d_name)) names.emplace_back(entry->d_name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return text::Compare(a, b) < 0;
    });
    return names;
  }

  bool ReadFileVersion(const std::string& file, FileVersion& version) override {
    const std::optional<FileVersion> found = sptdc::ReadFileVersion(file);
    if (!found) return false;
    version = *found;
    return true;
  }

  bool ReplaceFile(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }
};

}  // namespace

Platform& Platform::Default() {
  static PosixPlatform platform;
  return platform;
}

}  // namespace sptdc
