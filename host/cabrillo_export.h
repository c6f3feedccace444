// cabrillo_export.h - the host's side of an export run: the folder that the
// plug-in saves the header settings in, and whether the run wrote the
// Cabrillo file, told from the file itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace sptdc::host {

// What tells a rewritten file from an untouched one: the plug-in replaces
// the whole file, so its time of last writing changes.
struct FileState {
  bool exists = false;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type lastWrite{};

  bool operator==(const FileState& other) const {
    return exists == other.exists && size == other.size && lastWrite == other.lastWrite;
  }
};

FileState StateOf(const std::filesystem::path& file);

// The folder in the working folder where the plug-in saves the header
// settings (it does not create the folder itself), and the settings file.
extern const char kSettingsFolder[];
extern const char kSettingsFile[];

// Creates kSettingsFolder in the current directory. False, with *error,
// when it is not there afterwards.
bool MakeSettingsFolder(std::string* error);

// Whether the operator confirmed the header: a confirmed header replaces the
// score text's rate block by the export, and saves the settings. The rate
// block tells only when the plug-in stored a QSO (without QSOs there is
// none); the settings file tells unless it could not be written.
bool HeaderConfirmed(const std::string& scoreText, std::size_t storedQsos, const FileState& settingsBefore,
                     const FileState& settingsAfter);

struct ExportOutcome {
  bool written = false;
  std::string line;  // for standard error, without the program name
};

// Judges the export run from the Cabrillo file's state before the run and
// after the score request. formFromStandardInput says that the header form
// took its answers from standard input.
ExportOutcome JudgeExport(const std::string& cabrilloPath, const FileState& before, const FileState& after,
                          bool headerConfirmed, bool formFromStandardInput);

}  // namespace sptdc::host
