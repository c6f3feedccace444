// The operating-system services that the plug-in's core uses besides plain
// file output: the settings file, the executables of the current directory
// and their versions, and the replacement of a file's content in one step. One
// implementation per platform (posix/, win32/), chosen by the build; tests
// use a fake of their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sptdc {

// An executable's fixed file version: major, minor, build, revision.
struct FileVersion {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t build = 0;
  std::uint16_t revision = 0;
};

class Env {
 public:
  virtual ~Env() = default;

  // The value of key in section of the settings file, whole; fallback when
  // the file, the section or the key is missing.
  virtual std::string ReadSetting(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& fallback) = 0;
  // Stores the value, creating the file, section and key as needed. A write
  // that fails (a missing folder, a read-only file) changes nothing.
  virtual void WriteSetting(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) = 0;

  // The names of the executables ("*.exe") in the current directory, in the
  // order the platform lists them.
  virtual std::vector<std::string> ExecutablesInCurrentDirectory() = 0;
  // The fixed file version of an executable of the current directory (a
  // name from ExecutablesInCurrentDirectory); false when it has none.
  virtual bool ReadFileVersion(const std::string& file, FileVersion& version) = 0;

  // Makes bytes the whole content of the file at path in one step, through
  // a temporary file beside it that is created new and then takes its
  // place. False, with the file as it was and no temporary file left, when
  // the file may not be written (read-only, or not writable for the running
  // user) or the temporary file cannot be written or put in its place.
  virtual bool ReplaceFileContent(const std::string& path, const std::string& bytes) = 0;

  // The implementation of the platform this library was built for. It lives
  // as long as the process.
  static Env& Default();
};

}  // namespace sptdc
