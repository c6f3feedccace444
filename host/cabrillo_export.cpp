#include "host/cabrillo_export.h"

#include <system_error>

namespace sptdc::host {

namespace {

// The first line of the rate block, which an export run whose header was
// confirmed does not give.
const char kRateBlockStart[] = "\nHourly (10min) QSO rate:";

}  // namespace

const char kSettingsFolder[] = "Plugins";
const char kSettingsFile[] = "Plugins/SPTDC.ini";

FileState StateOf(const std::filesystem::path& file) {
  FileState state;
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return state;
  state.exists = true;
  state.size = std::filesystem::file_size(file, error);
  state.lastWrite = std::filesystem::last_write_time(file, error);
  return state;
}

bool MakeSettingsFolder(std::string* error) {
  std::error_code fault;
  std::filesystem::create_directory(kSettingsFolder, fault);
  if (std::filesystem::is_directory(kSettingsFolder)) return true;
  *error = std::string("cannot create the folder ") + kSettingsFolder + " (" +
           (fault ? fault.message() : "a file has its name") + "); the header will not be remembered";
  return false;
}

bool HeaderConfirmed(const std::string& scoreText, std::size_t storedQsos, const FileState& settingsBefore,
                     const FileState& settingsAfter) {
  if (storedQsos > 0 && scoreText.find(kRateBlockStart) == std::string::npos) return true;
  return settingsAfter.exists && !(settingsAfter == settingsBefore);
}

ExportOutcome JudgeExport(const std::string& cabrilloPath, const FileState& before, const FileState& after,
                          bool headerConfirmed, bool formFromStandardInput) {
  ExportOutcome outcome;
  outcome.written = after.exists && !(after == before);
  if (outcome.written) {
    outcome.line = "Cabrillo file written: " + cabrilloPath;
    return outcome;
  }
  std::string why;
  if (headerConfirmed) {
    why = cabrilloPath + " could not be written";
  } else if (formFromStandardInput) {
    why = "no terminal to confirm the header, and standard input did not answer the form up to OK";
  } else {
    why = "the header was cancelled";
  }
  outcome.line = "no Cabrillo file was written: " + why;
  return outcome;
}

}  // namespace sptdc::host
