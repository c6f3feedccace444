// The operating-system services that the plug-in's core uses besides text,
// date-times and plain file output: the modal interactions with the
// operator, the settings file, the host's executable and its version, and
// the atomic replacement of a file. One implementation per platform
// (posix/, win32/), chosen by the build; tests use the fake in fake/.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sptdc {

class Cabrillo;

enum class MessageIcon { kNone, kInformation, kWarning };

// An executable's fixed file version: major, minor, build, revision.
struct FileVersion {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t build = 0;
  std::uint16_t revision = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a modal message with a single OK button, owned by the calling
  // thread's active window, and returns when the operator has closed it.
  // A null caption gives the platform's default caption.
  virtual void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) = 0;

  // Runs the Cabrillo header dialog modally, owned by the active window.
  // True when the operator confirmed with OK; then the dialog's texts hold
  // what the controls held. False when cancelled, closed or not shown.
  virtual bool RunHeaderDialog(Cabrillo& dialog) = 0;

  // The value of key in section of the settings file, whole; fallback when
  // the file, the section or the key is missing.
  virtual std::string ReadSetting(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& fallback) = 0;
  // Stores the value, creating the file, section and key as needed. A write
  // that fails (a missing folder, a read-only file) changes nothing.
  virtual void WriteSetting(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& value) = 0;

  // The names of the executables ("*.exe") in the current directory, in the
  // order the platform lists them.
  virtual std::vector<std::string> ExecutablesInCurrentDirectory() = 0;
  // The fixed file version of an executable; false when it has none.
  virtual bool ReadFileVersion(const std::string& file, FileVersion& version) = 0;

  // Renames from over to, replacing to in one step; false, with to
  // unchanged, when that cannot be done.
  virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;

  // The implementation of the platform this library was built for. It lives
  // as long as the process.
  static Platform& Default();
};

}  // namespace sptdc
