// The environment on Linux and other POSIX systems. Settings and executable
// versions are read by readers of our own (ini_file, pe_version), as the
// Windows functions read them; paths that the core writes with Windows
// separators are turned into POSIX ones.
#include <dirent.h>

#include <algorithm>

#include "env/env.h"
#include "env/posix/ini_file.h"
#include "env/posix/pe_version.h"
#include "env/posix/replace_file.h"
#include "util/text.h"

namespace sptdc {

namespace {

std::string PosixPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool HasExeExtension(const std::string& name) {
  return name.size() > 4 && text::EqualNoCase(name.substr(name.size() - 4), ".exe");
}

class PosixEnv final : public Env {
 public:
  std::string ReadSetting(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& fallback) override {
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
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return text::Compare(a, b) < 0; });
    return names;
  }

  bool ReadFileVersion(const std::string& file, FileVersion& version) override {
    const std::optional<FileVersion> found = sptdc::ReadFileVersion(file);
    if (!found) return false;
    version = *found;
    return true;
  }

  bool ReplaceFileContent(const std::string& path, const std::string& bytes) override {
    return sptdc::ReplaceFileContent(PosixPath(path), bytes);
  }
};

}  // namespace

Env& Env::Default() {
  static PosixEnv env;
  return env;
}

}  // namespace sptdc
